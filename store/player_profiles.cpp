#include "store/player_profiles.h"

#include "store/registry_enhanced.h"

#include <limits>

namespace tarvelo {

namespace {

const QString ProfilesKey = QStringLiteral("Player Names");
constexpr auto MaxCount = std::numeric_limits<std::int32_t>::max();

std::int32_t CountOf(const QString& text) {
  bool ok = false;
  const qlonglong value = text.trimmed().toLongLong(&ok);
  return ok && value >= 0 && value <= MaxCount ? static_cast<std::int32_t>(value) : 0;
}

QString ValueName(int n) { return QStringLiteral("PlayerName%1").arg(n); }

}  // namespace

const TPlayerProfile* TPlayerProfiles::Current() const {
  return CurrentPlayer >= 0 && CurrentPlayer < static_cast<int>(List.size()) ? &List[CurrentPlayer] : nullptr;
}

QString TPlayerProfiles::PlayerName() const {
  const TPlayerProfile* current = Current();
  return current ? current->Name : QStringLiteral("Player");
}

int TPlayerProfiles::IndexOf(const std::shared_ptr<TWinRatio>& ratio) const {
  for (std::size_t i = 0; i < List.size(); ++i)
    if (ratio && List[i].WinRatio == ratio) return static_cast<int>(i);
  return -1;
}

std::optional<TPlayerProfile> ParseProfileText(const QString& text) {
  if (text.isEmpty()) return std::nullopt;
  const qsizetype first = text.indexOf(u',');
  const qsizetype second = first < 0 ? -1 : text.indexOf(u',', first + 1);
  TPlayerProfile profile;
  profile.Name = text.left(first < 0 ? text.size() : first).left(MaxNameLength);
  if (first >= 0) {
    profile.WinRatio->Wins = CountOf(second < 0 ? text.mid(first + 1) : text.mid(first + 1, second - first - 1));
    if (second >= 0) profile.WinRatio->Losses = CountOf(text.mid(second + 1));
  }
  return profile;
}

QString ProfileText(const TPlayerProfile& profile) {
  return profile.Name + u',' + QString::number(profile.WinRatio->Wins) + u',' +
         QString::number(profile.WinRatio->Losses);
}

TPlayerProfiles ReadProfiles(const TRegistryEnhanced& store) {
  TPlayerProfiles profiles;
  for (int n = 1;; ++n) {
    const std::optional<TPlayerProfile> profile =
        ParseProfileText(store.ReadValue(ProfilesKey + u'\\' + ValueName(n), QString()));
    if (!profile) break;
    profiles.List.push_back(*profile);
  }
  if (!profiles.List.empty()) profiles.CurrentPlayer = 0;
  return profiles;
}

bool WriteProfiles(TRegistryEnhanced& store, const TPlayerProfiles& profiles) {
  TRegistryEnhanced::TNamedValues values;
  if (const TPlayerProfile* current = profiles.Current()) values.append({ValueName(1), ProfileText(*current)});
  for (std::size_t i = 0; i < profiles.List.size(); ++i) {
    if (static_cast<int>(i) == profiles.CurrentPlayer) continue;
    values.append({ValueName(static_cast<int>(values.size()) + 1), ProfileText(profiles.List[i])});
  }
  return store.ReplaceKey(ProfilesKey, values);
}

void AddWin(TWinRatio& ratio) {
  if (ratio.Wins < MaxCount) ++ratio.Wins;
}

void AddLoss(TWinRatio& ratio) {
  if (ratio.Losses < MaxCount) ++ratio.Losses;
}

}  // namespace tarvelo

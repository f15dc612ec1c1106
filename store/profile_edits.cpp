#include "store/profile_edits.h"

namespace tarvelo {

TProfileEdits::TProfileEdits(const TPlayerProfiles& main) : profiles_(main) {
  if (const TPlayerProfile* current = main.Current()) current_ = current->WinRatio;
}

TProfileEdits::TNameCheck TProfileEdits::CheckName(const QString& name) {
  if (name.isEmpty()) return TNameCheck::Cancelled;
  return name.contains(u',') ? TNameCheck::Comma : TNameCheck::Accepted;
}

QString TProfileEdits::CurrentName() const {
  const int index = CurrentIndex();
  return index < 0 ? QStringLiteral("Player") : profiles_.List[index].Name;
}

void TProfileEdits::Select(int index) { selected_ = Valid(index) ? index : -1; }

TProfileEdits::TNameCheck TProfileEdits::Add(const QString& name) {
  const TNameCheck check = CheckName(name);
  if (check != TNameCheck::Accepted) return check;
  profiles_.List.push_back(TPlayerProfile{name.left(MaxNameLength)});
  if (profiles_.List.size() == 1) SetCurrent(0);
  return check;
}

TProfileEdits::TNameCheck TProfileEdits::Rename(int index, const QString& name) {
  const TNameCheck check = CheckName(name);
  if (check != TNameCheck::Accepted || !Valid(index)) return check;
  profiles_.List[index].Name = name.left(MaxNameLength);
  SetCurrent(index);
  return check;
}

void TProfileEdits::Delete(int index) {
  if (!Valid(index)) return;
  profiles_.List.erase(profiles_.List.begin() + index);
  // Whatever was selected went with it: the first remaining profile takes over.
  if (profiles_.List.empty()) {
    current_.reset();
    selected_ = -1;
  } else {
    SetCurrent(0);
  }
}

void TProfileEdits::SetCurrent(int index) {
  if (!Valid(index)) return;
  current_ = profiles_.List[index].WinRatio;
  selected_ = index;
}

void TProfileEdits::ResetStats(int index) {
  if (Valid(index)) *profiles_.List[index].WinRatio = TWinRatio{};
}

TPlayerProfiles TProfileEdits::Result() const {
  TPlayerProfiles result = profiles_;
  result.CurrentPlayer = CurrentIndex();
  return result;
}

}  // namespace tarvelo

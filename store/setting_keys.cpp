#include "store/setting_keys.h"

#include "engine/rules.h"

#include <iterator>
#include <vector>

namespace tarvelo {

namespace {

constexpr TSettingKey Int(std::string_view path, int defaultValue) {
  return {path, TSettingKind::Integer, defaultValue, {}};
}
constexpr TSettingKey Bool(std::string_view path, bool defaultValue) {
  return {path, TSettingKind::Boolean, defaultValue ? 1 : 0, {}};
}
constexpr TSettingKey Text(std::string_view path, std::string_view defaultValue) {
  return {path, TSettingKind::String, 0, defaultValue};
}
constexpr TSettingKey Key(TIntSetting s) { return Int(s.Path, s.Default); }
constexpr TSettingKey Key(TBoolSetting s) { return Bool(s.Path, s.Default); }
constexpr TSettingKey Key(TTextSetting s) { return Text(s.Path, s.Default); }

// Colours are 0x00BBGGRR.
constexpr TSettingKey kKeys[] = {
    Int("Settings\\Version", 0),  // the settings generation; see MigrateSettings
    Key(Setting::BackgroundColor),
    Key(Setting::MouseOptions),
    Key(Setting::SelectPlayerOnStartup),
    Key(Setting::Sound),
    Key(Setting::Delay),
    Key(Setting::AutoSave),
    Key(Setting::Music),
    Key(Setting::MusicType),
    Key(Setting::MusicFile),
    Key(Setting::MusicDir).DefaultByCaller(),
    Key(Setting::ShowStatusbar),
    Key(Setting::Level),
    Key(Setting::Aggression),
    Key(Setting::MasterTime),
    Key(Setting::CardMovement),
    Key(Setting::CardSpeed),
    Key(Setting::ShowHighscores),
    Key(Setting::ShowTurns),
    Key(Setting::Resolution).DefaultByCaller(),
    Int("Cardback\\Type#", 0).Numbered(0, 1),
    Int("Cardback\\Color0", 0x000080),
    Int("Cardback\\Color1", 0x004080),
    Int("Cardback\\Pattern#", 0).Numbered(0, 1),
    Text("Cardback\\Filename#", "").Numbered(0, 1),
    // Empty: the event's built-in files; "<none>": no sound.
    Text("Sound\\{event}#", "").Numbered(1, 3),
    Text("Player Names\\PlayerName#", "").Numbered(1, -1),
    Int("{level}\\Score#", 0).Numbered(1, 10),
    Text("{level}\\Name#", "").Numbered(1, 10),
    Text("{level}\\Date#", "").Numbered(1, 10),
    Int("{level}Match\\Score#", 0).Numbered(1, 10),
    Text("{level}Match\\Name#", "").Numbered(1, 10),
    Text("{level}Match\\Date#", "").Numbered(1, 10),
    Text("MatchHistory\\Match#", "").Numbered(0, 99),  // newest at 0
    Key(Setting::ChatOnTop),
    Int("{font}\\Font.Color", 0),
    Int("{font}\\Font.Height", -11),
    Text("{font}\\Font.Name", "MS Sans Serif"),
    Int("{font}\\Font.Pitch", 0),
    Int("{font}\\Font.Size", 8),
    Bool("{font}\\Font.Bold", false),
    Bool("{font}\\Font.Italic", false),
    Bool("{font}\\Font.Underline", false),
    Bool("{font}\\Font.StrikeOut", false),
};

// The rule switches come between the fonts and the rest.
constexpr TSettingKey kKeysAfterRules[] = {
    Key(Setting::Username).DefaultByCaller(),
    Key(Setting::GameType),
    Key(Setting::Server),
    Key(Setting::Port),
    Key(Setting::PrivateLobbyRoom),
    Key(Setting::LobbyBackgroundColor).DefaultByCaller(),
    Text("Network\\ProxyServer", ""),
    Text("Network\\ProxyPort", ""),
    Text("Network\\ProxyUser", ""),
    Text("Network\\ProxyPass", ""),
    Int("Chat\\Left", 0).DefaultByCaller(),  // the main window's left
    Int("Chat\\Top", 0).DefaultByCaller(),   // the main window's top
    Int("Chat\\Height", 108),
    Int("Chat\\Width", 429),
};

std::span<const std::string_view> NamesOf(std::string_view placeholder) {
  if (placeholder == "{level}") return kLevelNames;
  if (placeholder == "{event}") return kSoundEventNames;
  return kFontSections;
}

QString Latin1(std::string_view text) { return QLatin1String(text.data(), static_cast<qsizetype>(text.size())); }

bool SameLetter(char patternChar, QChar pathChar) {
  return QChar::fromLatin1(patternChar).toCaseFolded() == pathChar.toCaseFolded();
}

bool StartsWith(QStringView path, std::string_view name) {
  if (path.size() < static_cast<qsizetype>(name.size())) return false;
  for (size_t i = 0; i < name.size(); ++i)
    if (!SameLetter(name[i], path[i])) return false;
  return true;
}

// A number as the program writes it: decimal digits without leading zeros.
bool TakeNumber(QStringView& path, int first, int last) {
  qsizetype digits = 0;
  while (digits < path.size() && digits < 9 && path[digits].isDigit() && path[digits].unicode() < 128) ++digits;
  if (digits == 0 || (digits > 1 && path[0] == u'0')) return false;
  const int number = path.first(digits).toInt();
  path = path.sliced(digits);
  return number >= first && (last < 0 || number <= last);
}

bool Matches(std::string_view pattern, QStringView path, const TSettingKey& key) {
  while (!pattern.empty()) {
    if (pattern.front() == '#') {
      if (!TakeNumber(path, key.First, key.Last)) return false;
      pattern.remove_prefix(1);
    } else if (pattern.front() == '{') {
      const size_t end = pattern.find('}') + 1;
      for (std::string_view name : NamesOf(pattern.substr(0, end))) {
        if (!StartsWith(path, name)) continue;
        if (Matches(pattern.substr(end), path.sliced(static_cast<qsizetype>(name.size())), key)) return true;
      }
      return false;
    } else {
      if (path.isEmpty() || !SameLetter(pattern.front(), path.front())) return false;
      pattern.remove_prefix(1);
      path = path.sliced(1);
    }
  }
  return path.isEmpty();
}

}  // namespace

QVariant TSettingKey::Default() const {
  switch (Kind) {
    case TSettingKind::Integer:
      return Number;
    case TSettingKind::Boolean:
      return Number != 0;
    case TSettingKind::String:
      break;
  }
  return Latin1(Text);
}

std::span<const TSettingKey> SettingKeys() {
  static const std::vector<TSettingKey> keys = [] {
    std::vector<TSettingKey> all(std::begin(kKeys), std::end(kKeys));
    for (const TRuleSwitch& s : RuleSwitches)
      all.push_back(s.Flag ? Bool(s.Key, RuleDefault(s) != 0) : Int(s.Key, RuleDefault(s)));
    all.insert(all.end(), std::begin(kKeysAfterRules), std::end(kKeysAfterRules));
    return all;
  }();
  return keys;
}

const TSettingKey* FindSettingKey(const QString& path) {
  for (const TSettingKey& key : SettingKeys())
    if (Matches(key.Path, path, key)) return &key;
  return nullptr;
}

QStringList SettingPaths(const TSettingKey& key, int openLast) {
  QStringList paths{QString()};
  std::string_view pattern = key.Path;
  while (!pattern.empty()) {
    QStringList choices;
    size_t length = 1;
    if (pattern.front() == '#') {
      for (int n = key.First; n <= (key.Last < 0 ? openLast : key.Last); ++n) choices << QString::number(n);
    } else if (pattern.front() == '{') {
      length = pattern.find('}') + 1;
      for (std::string_view name : NamesOf(pattern.substr(0, length))) choices << Latin1(name);
    } else {
      length = std::min(pattern.find_first_of("#{"), pattern.size());
      choices << Latin1(pattern.substr(0, length));
    }
    QStringList longer;
    for (const QString& head : paths)
      for (const QString& choice : choices) longer << head + choice;
    paths = longer;
    pattern.remove_prefix(length);
  }
  return paths;
}

}  // namespace tarvelo

#pragma once

#include "ai/computer_settings.h"
#include "engine/settings_access.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tarvelo {

enum class TSettingKind { Integer, Boolean, String };

// One stored setting, or a family of them. In Path, "#" stands for a decimal
// number in First..Last (Last -1: no upper bound), and "{level}", "{event}" and
// "{font}" for one of the names below.
struct TSettingKey {
  std::string_view Path;
  TSettingKind Kind = TSettingKind::Integer;
  int Number = 0;         // the default of an integer or boolean setting
  std::string_view Text;  // the default of a string setting
  bool ByCaller = false;  // the default depends on the machine: the caller computes it
  int First = 0;
  int Last = 0;

  constexpr TSettingKey Numbered(int first, int last) const {
    TSettingKey key = *this;
    key.First = first;
    key.Last = last;
    return key;
  }
  constexpr TSettingKey DefaultByCaller() const {
    TSettingKey key = *this;
    key.ByCaller = true;
    return key;
  }
  // The default as an int, a bool or a QString, by the kind.
  QVariant Default() const;
};

// A single stored setting with the type it is read as and its default, so that
// every reader and writer spells its path once.
template <typename T>
struct TStoredSetting {
  std::string_view Path;
  T Default{};
};
using TIntSetting = TStoredSetting<int>;
using TBoolSetting = TStoredSetting<bool>;
using TTextSetting = TStoredSetting<std::string_view>;

namespace Setting {
inline constexpr TIntSetting BackgroundColor{"Settings\\Background Color", 0x008000};  // 0x00BBGGRR
// Any other text than "Single Right Click" asks for two right clicks.
inline constexpr TTextSetting MouseOptions{"Settings\\Mouse options", "Single Right Click"};
inline constexpr TBoolSetting SelectPlayerOnStartup{"Settings\\Select Player on startup", true};
inline constexpr TBoolSetting Sound{"Settings\\Sound", true};
inline constexpr TIntSetting Delay{ComputerKey::Delay, DefaultMeldDelay};
inline constexpr TBoolSetting AutoSave{"Settings\\AutoSave", true};
inline constexpr TBoolSetting Music{"Settings\\Music", false};
inline constexpr TIntSetting MusicType{"Settings\\Music Type", 1};  // 0 the single file, 1 the folder's files in turn
inline constexpr TTextSetting MusicFile{"Music\\File", "ARCADIA.MID"};
inline constexpr TTextSetting MusicDir{"Music\\Dir", ""};  // by default the program's data folder
inline constexpr TBoolSetting ShowStatusbar{"Settings\\Show Statusbar", true};
inline constexpr TTextSetting Level{ComputerKey::Level, "Beginner"};
inline constexpr TIntSetting Aggression{ComputerKey::Aggression, DefaultAggressiveness};
inline constexpr TIntSetting MasterTime{ComputerKey::MasterTime, DefaultMasterMilliseconds};
inline constexpr TBoolSetting CardMovement{"Settings\\Card Movement", true};
inline constexpr TIntSetting CardSpeed{"Settings\\Card Speed", 10};
inline constexpr TBoolSetting ShowHighscores{"Settings\\Show Highscores", true};
inline constexpr TBoolSetting ShowTurns{"Settings\\Show Turns", true};
// "0,0," and the name of the largest window size that fits the screen by default.
inline constexpr TTextSetting Resolution{"Settings\\Resolution", ""};
inline constexpr TBoolSetting ChatOnTop{"Network\\Chat on Top", true};
inline constexpr TTextSetting Username{"Network\\Username", ""};  // by default the current profile's name
inline constexpr TIntSetting GameType{"Network\\GameType", 0};
inline constexpr TTextSetting Server{"Network\\Server", ""};
inline constexpr TIntSetting Port{"Network\\Port", 0};
inline constexpr TTextSetting PrivateLobbyRoom{"Network\\PrivateLobbyRoom", ""};
inline constexpr TIntSetting LobbyBackgroundColor{"Network\\Background Color", 0};  // by default the system's
}  // namespace Setting

inline int ReadSetting(TSettingsAccess& access, TIntSetting key) { return access.ReadInt(key.Path, key.Default); }
inline bool ReadSetting(TSettingsAccess& access, TBoolSetting key) { return access.ReadBool(key.Path, key.Default); }
inline std::string ReadSetting(TSettingsAccess& access, TTextSetting key) {
  return access.ReadString(key.Path, std::string(key.Default));
}
// The path as the store's own calls take it.
template <typename T>
QString PathOf(TStoredSetting<T> key) {
  return QString::fromLatin1(key.Path.data(), static_cast<qsizetype>(key.Path.size()));
}
inline void WriteSetting(TSettingsAccess& access, TIntSetting key, int value) { access.WriteInt(key.Path, value); }
inline void WriteSetting(TSettingsAccess& access, TBoolSetting key, bool value) { access.WriteBool(key.Path, value); }
inline void WriteSetting(TSettingsAccess& access, TTextSetting key, const std::string& value) {
  access.WriteString(key.Path, value);
}

// The high-score tables: the computer levels and network games.
inline constexpr std::array<std::string_view, 5> kLevelNames = {"Beginner", "Advanced", "Expert", "NetworkGame",
                                                                "Master"};
// The sound events, in their order; their names are also the stored names.
inline constexpr std::array<std::string_view, 15> kSoundEventNames = {
    "Deal",      "Exit",           "Help (1st)", "Help (2nd)",    "Help (3rd)",
    "Highscore", "Lose Hand",      "Lose Match", "Mixed Canasta", "Natural Canasta",
    "Start",     "Take Huge Pile", "Win Match",  "Win Hand",      "End Turn (network games)"};
// The windows whose text font is stored under their name.
inline constexpr std::array<std::string_view, 2> kFontSections = {"Chat", "Lobby"};

// Every setting the program stores.
std::span<const TSettingKey> SettingKeys();
// The declared setting a path belongs to, matched without regard to case;
// nullptr when the path is not one of them.
const TSettingKey* FindSettingKey(const QString& path);
// Every path of a declared setting; an open range of "#" stops at openLast.
QStringList SettingPaths(const TSettingKey& key, int openLast);

}  // namespace tarvelo

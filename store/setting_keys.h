#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <span>
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

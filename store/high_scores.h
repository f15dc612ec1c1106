#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace tarvelo {

class TRegistryEnhanced;

// The two sets of the hall of fame. Stored as part of the key name: never renumber.
enum THighScoreSet : int { SetHand = 0, SetMatch = 1 };
constexpr int HighScoreSets = 2;

// The levels of the hall of fame, numbered as the computer's levels: the first
// three, the network game's, then the Master's. The names are the store's key names.
constexpr std::array<const char*, 5> HighScoreLevelNames = {"Beginner", "Advanced", "Expert", "NetworkGame", "Master"};
constexpr int HighScoreLevels = static_cast<int>(HighScoreLevelNames.size());
constexpr int NetworkHighScoreLevel = 3;
constexpr int MasterHighScoreLevel = 4;
constexpr int HighScoreRanks = 10;

struct THighScoreEntry {
  std::int32_t Score = 0;
  QString Date;
  QString Name;
  bool Empty() const { return Score == 0 && Name.isEmpty(); }
  bool operator==(const THighScoreEntry&) const = default;
};

using THighScoreTable = std::array<THighScoreEntry, HighScoreRanks>;  // rank 1 first

struct THighScores {
  std::array<std::array<THighScoreTable, HighScoreLevels>, HighScoreSets> Tables{};
  THighScoreTable& Table(THighScoreSet set, int level) { return Tables[set][level]; }
  const THighScoreTable& Table(THighScoreSet set, int level) const { return Tables[set][level]; }
};

// The store key of a level's table: "Expert" for the hand set, "ExpertMatch" for the match set.
QString HighScoreKey(THighScoreSet set, int level);

// All 100 entries; missing values read as empty entries.
THighScores ReadHighScores(const TRegistryEnhanced& store);
// The ten entries of one table, in one write of the file.
bool WriteHighScoreTable(TRegistryEnhanced& store, THighScoreSet set, int level, const THighScoreTable& table);

// Places `score` when it beats the tenth entry: below every entry that is at
// least as high, the entries under it moving one rank down. Returns the rank
// (1..10) whose name and date the caller fills in, or 0 when it was not placed.
int PlaceHighScore(THighScoreTable& table, std::int32_t score);

}  // namespace tarvelo

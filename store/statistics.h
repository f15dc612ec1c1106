#pragma once

#include "engine/settings_access.h"
#include "store/high_scores.h"
#include "store/player_profiles.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string_view>

namespace tarvelo {

class TRegistryEnhanced;

// What the window does for a record; each one not set is left out.
struct TRecordPrompts {
  std::function<void(std::string_view event)> Sound;
  // The name for a new entry; gives `preset` when the input is cancelled.
  std::function<QString(THighScoreSet set, const QString& preset)> AskName;
  std::function<void(THighScoreSet set, int level, int rank)> ShowHallOfFame;
  std::function<void(const QString& message)> WriteFailed;
};

// The network game as far as the records need it: the peer's name while one is
// played, nullopt otherwise. Unset, no network game is ever played.
using TNetworkGameQuery = std::function<std::optional<QString>()>;

// The statistics kept between runs: the player profiles, the hall of fame and
// the match history, read at start and written whenever they change.
class TStatistics {
 public:
  TStatistics(TRegistryEnhanced& store, TSettingsAccess& settings);

  TPlayerProfiles Profiles;
  THighScores HighScores;
  TRecordPrompts Prompts;
  TNetworkGameQuery NetworkGame;
  std::function<int()> ComputerLevel;  // the level in play; unset, the stored one
  std::function<QDateTime()> Now = [] { return QDateTime::currentDateTime(); };

  bool NetworkGameActive() const { return NetworkGame && NetworkGame().has_value(); }
  // The hall of fame's level of the game on the table.
  int GameLevel() const;
  QString PlayerName() const { return Profiles.PlayerName(); }

  // The end of every hand: the hand set. The name is asked at most once per hand end.
  void HandEnded(int margin);
  // The end of a match, after its last hand: the match set, the win ratio, the history.
  void MatchEnded(int playerScore, int opponentScore, const QString& opponentName);
  // A network game given up for a new one: a history line with the totals as
  // they stood. Nobody won it, so no win ratio changes and no match score is entered.
  void MatchAbandoned(int playerScore, int opponentScore, const QString& opponentName);

  // Enters |margin| into the set's table of the game's level; the rank, or 0.
  int RecordHighScore(THighScoreSet set, int margin);
  void RecordMatchResult(int playerScore, int opponentScore, const QString& opponentName);

  bool SaveProfiles();
  void ReplaceProfiles(const TPlayerProfiles& profiles);  // and writes them
  void ResetWinRatio(int index);                          // and writes the profiles
  void ClearHighScores(THighScoreSet set, int level);
  const QStringList& MatchHistory() const { return history_; }

 private:
  QString EntryName(THighScoreSet set, int margin);
  void Failed(bool written);

  TRegistryEnhanced& store_;
  TSettingsAccess& settings_;
  QStringList history_;  // read at start, kept as written
  bool nameAsked_ = false;
  QString askedName_;
};

}  // namespace tarvelo

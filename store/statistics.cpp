#include "store/statistics.h"

#include "store/match_history.h"
#include "store/registry_enhanced.h"
#include "store/setting_keys.h"

#include <QLocale>

#include <cstdlib>
#include <limits>

namespace tarvelo {

TStatistics::TStatistics(TRegistryEnhanced& store, TSettingsAccess& settings)
    : Profiles(ReadProfiles(store)),
      HighScores(ReadHighScores(store)),
      store_(store),
      settings_(settings),
      history_(ReadMatchHistory(store)) {}

namespace {
constexpr int ExpertHighScoreLevel = 2;

// The stored level as the computer reads it: any text but the Beginner's, the
// Advanced's and the Master's is the Expert.
int StoredLevel(TSettingsAccess& settings) {
  const std::string text = ReadSetting(settings, Setting::Level);
  for (int level : {0, 1, MasterHighScoreLevel})
    if (text == HighScoreLevelNames[level]) return level;
  return ExpertHighScoreLevel;
}

// A computer's level has a table of its own; the network's is not one of them.
bool ComputerTable(int level) { return level >= 0 && level < HighScoreLevels && level != NetworkHighScoreLevel; }
}  // namespace

int TStatistics::GameLevel() const {
  if (NetworkGameActive()) return NetworkHighScoreLevel;
  const int level = ComputerLevel ? ComputerLevel() : StoredLevel(settings_);
  return ComputerTable(level) ? level : ExpertHighScoreLevel;
}

void TStatistics::HandEnded(int margin) {
  nameAsked_ = false;
  RecordHighScore(SetHand, margin);
}

void TStatistics::MatchEnded(int playerScore, int opponentScore, const QString& opponentName) {
  RecordHighScore(SetMatch, playerScore - opponentScore);
  RecordMatchResult(playerScore, opponentScore, opponentName);
}

void TStatistics::MatchAbandoned(int playerScore, int opponentScore, const QString& opponentName) {
  const QString when = QLocale().toString(Now(), QLocale::ShortFormat);
  const QString line = AbandonedMatchHistoryLine(when, PlayerName(), opponentName, playerScore, opponentScore);
  Failed(AddMatchHistoryLine(store_, history_, line));
}

QString TStatistics::EntryName(THighScoreSet set, int margin) {
  if (margin <= 0) return NetworkGame ? NetworkGame().value_or(QString()) : QString();
  const QString player = PlayerName();
  if (!ReadSetting(settings_, Setting::ShowHighscores)) return player;
  if (Prompts.Sound) Prompts.Sound("Highscore");
  if (nameAsked_) return askedName_;
  nameAsked_ = true;
  askedName_ = Prompts.AskName ? Prompts.AskName(set, player) : player;
  if (askedName_.isEmpty()) askedName_ = player;
  askedName_ = askedName_.left(MaxNameLength);
  return askedName_;
}

int TStatistics::RecordHighScore(THighScoreSet set, int margin) {
  if (!NetworkGameActive() && margin <= 0) return 0;
  const int level = GameLevel();
  THighScoreTable& table = HighScores.Table(set, level);
  const auto score = static_cast<std::int32_t>(
      std::min<long long>(std::llabs(static_cast<long long>(margin)), std::numeric_limits<std::int32_t>::max()));
  const int rank = PlaceHighScore(table, score);
  if (rank == 0) return 0;
  table[rank - 1].Date = QLocale().toString(Now().date(), QLocale::ShortFormat);
  table[rank - 1].Name = EntryName(set, margin);
  // Stored before it is shown: a program ended while the hall of fame is open keeps the entry.
  Failed(WriteHighScoreTable(store_, set, level, table));
  if (ReadSetting(settings_, Setting::ShowHighscores) && Prompts.ShowHallOfFame)
    Prompts.ShowHallOfFame(set, level, rank);
  return rank;
}

void TStatistics::RecordMatchResult(int playerScore, int opponentScore, const QString& opponentName) {
  // The one place a match is counted: the end of the hand only reports it here.
  if (const TPlayerProfile* current = Profiles.Current()) {
    if (playerScore > opponentScore) AddWin(*current->WinRatio);
    if (playerScore < opponentScore) AddLoss(*current->WinRatio);
  }
  const QString when = QLocale().toString(Now(), QLocale::ShortFormat);
  const QString line = MatchHistoryLine(when, PlayerName(), opponentName, playerScore, opponentScore);
  Failed(AddMatchHistoryLine(store_, history_, line));
  SaveProfiles();
}

bool TStatistics::SaveProfiles() {
  const bool written = WriteProfiles(store_, Profiles);
  Failed(written);
  return written;
}

void TStatistics::ReplaceProfiles(const TPlayerProfiles& profiles) {
  Profiles = profiles;
  SaveProfiles();
}

void TStatistics::ResetWinRatio(int index) {
  if (index < 0 || index >= static_cast<int>(Profiles.List.size())) return;
  *Profiles.List[index].WinRatio = TWinRatio{};
  SaveProfiles();
}

void TStatistics::ClearHighScores(THighScoreSet set, int level) {
  HighScores.Table(set, level) = THighScoreTable{};
  Failed(store_.DeleteKey(HighScoreKey(set, level)));
}

void TStatistics::Failed(bool written) {
  if (!written && Prompts.WriteFailed)
    Prompts.WriteFailed(QStringLiteral("The statistics could not be saved in ") + store_.UserFile() +
                        QStringLiteral("."));
}

}  // namespace tarvelo

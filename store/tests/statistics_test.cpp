#include "store/high_scores.h"
#include "store/match_history.h"
#include "store/tests/statistics_fixture.h"

#include <QLocale>

#include <cstdlib>
#include <optional>
#include <tuple>
#include <vector>

using namespace tarvelo;

namespace {

THighScoreTable TableOf(std::initializer_list<int> scores) {
  THighScoreTable table{};
  int rank = 0;
  for (int score : scores) table[rank++] = {score, "1/1/26", QString("P%1").arg(score)};
  return table;
}

TEST(PlaceHighScore, PlacesBelowEqualScoresAndNotOnAFullTablesEqualTenth) {
  struct Case {
    std::initializer_list<int> table;
    int score;
    int rank;
  } cases[] = {
      {{}, 5, 1},
      {{900, 500, 100}, 500, 3},  // below the equal entry
      {{900, 500, 100}, 600, 2},
      {{900, 500, 100}, 50, 4},
      {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 1, 0},  // equal to the tenth: not entered
      {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 2, 10},
      {{10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 11, 1},
  };
  for (const Case& c : cases) {
    THighScoreTable table = TableOf(c.table);
    const THighScoreTable before = table;
    EXPECT_EQ(PlaceHighScore(table, c.score), c.rank) << c.score;
    if (c.rank == 0) continue;
    EXPECT_EQ(table[c.rank - 1].Score, c.score);
    for (int r = c.rank; r < HighScoreRanks; ++r) EXPECT_EQ(table[r].Score, before[r - 1].Score) << c.score;
  }
}

using Records = TStatisticsTest;

TEST_F(Records, AMarginOfZeroOrLessAgainstTheComputerChangesNothing) {
  int asked = 0;
  Stats->Prompts.AskName = [&](THighScoreSet, const QString& preset) {
    ++asked;
    return preset;
  };
  for (int margin : {0, -350}) Stats->HandEnded(margin);
  EXPECT_TRUE(Stats->HighScores.Table(SetHand, 0)[0].Empty());
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(Store->KeyExists("Beginner"));
}

TEST_F(Records, AHandAndAMatchAtOneHandEndAskTheNameOnceAndAreReadBackAtStart) {
  Settings->WriteString("Settings\\Level", "Advanced");
  std::vector<THighScoreSet> asked;
  std::vector<std::tuple<THighScoreSet, int, int>> shown;
  Stats->Prompts.AskName = [&](THighScoreSet set, const QString&) {
    asked.push_back(set);
    return QString("%1 <b>&Ann");
  };
  Stats->Prompts.ShowHallOfFame = [&](THighScoreSet set, int level, int rank) {
    shown.emplace_back(set, level, rank);
    // Already stored while it is shown.
    EXPECT_NE(Store->ReadValue(HighScoreKey(set, level) + QString("\\Score%1").arg(rank), 0), 0);
  };
  Stats->HandEnded(870);
  Stats->MatchEnded(5120, 3000, "Computer");
  EXPECT_EQ(asked, std::vector<THighScoreSet>{SetHand});
  const std::vector<std::tuple<THighScoreSet, int, int>> expected = {{SetHand, 1, 1}, {SetMatch, 1, 1}};
  EXPECT_EQ(shown, expected);
  Stats->HandEnded(40);  // the next hand end asks again
  EXPECT_EQ(asked.size(), 2u);

  Restart();
  const THighScoreEntry& match = Stats->HighScores.Table(SetMatch, 1)[0];
  EXPECT_EQ(match.Score, 2120);
  EXPECT_EQ(match.Name, "%1 <b>&Ann");
  EXPECT_EQ(match.Date, QLocale().toString(QDate(2026, 3, 14), QLocale::ShortFormat));
  EXPECT_EQ(Stats->HighScores.Table(SetHand, 1)[1].Score, 40);
  EXPECT_EQ(Store->ReadValue("AdvancedMatch\\Score1", 0), 2120);
}

TEST_F(Records, EachComputerLevelEntersItsOwnTablesAndTheMastersAreReadBackAtStart) {
  struct Case {
    const char* stored;
    int level;
    const char* key;
  } cases[] = {
      {"Beginner", 0, "Beginner"},  {"Advanced", 1, "Advanced"},
      {"Expert", 2, "Expert"},      {"Master", MasterHighScoreLevel, "Master"},
      {"Grandmaster", 2, "Expert"},  // an unknown level plays as the Expert
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    Settings->WriteString("Settings\\Level", c.stored);
    EXPECT_EQ(Stats->GameLevel(), c.level);
  }
  Settings->WriteString("Settings\\Level", "Master");
  Stats->HandEnded(700);
  Stats->MatchEnded(5300, 2100, "Computer");
  Restart();
  EXPECT_EQ(Stats->HighScores.Table(SetHand, MasterHighScoreLevel)[0].Score, 700);
  EXPECT_EQ(Stats->HighScores.Table(SetMatch, MasterHighScoreLevel)[0].Score, 3200);
  EXPECT_EQ(Store->ReadValue("MasterMatch\\Score1", 0), 3200);
  for (int level : {0, 1, 2, NetworkHighScoreLevel}) EXPECT_TRUE(Stats->HighScores.Table(SetHand, level)[0].Empty());
}

TEST_F(Records, TheNetworkTableIsChosenByANetworkGameAloneAndAnyOtherGameByTheLevelInPlay) {
  struct Case {
    const char* name;
    bool network;               // a peer holds the second seat
    std::optional<int> inPlay;  // the level of the computer seated, when one is
    const char* stored;
    int table;
  } cases[] = {
      {"a network game after a Master was seated", true, MasterHighScoreLevel, "Master", NetworkHighScoreLevel},
      {"a network game with no computer seated", true, std::nullopt, "Beginner", NetworkHighScoreLevel},
      {"the seated computer's level over the stored one", false, MasterHighScoreLevel, "Beginner",
       MasterHighScoreLevel},
      {"no computer seated: the stored level", false, std::nullopt, "Advanced", 1},
      {"a level in play that is the network table's number", false, NetworkHighScoreLevel, "Beginner", 2},
      {"a stored text that names the network table", false, std::nullopt, "NetworkGame", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Stats->NetworkGame = [&c]() -> std::optional<QString> {
      if (c.network) return QString("Zed");
      return std::nullopt;
    };
    Stats->ComputerLevel = nullptr;
    if (c.inPlay) Stats->ComputerLevel = [&c] { return *c.inPlay; };
    Settings->WriteString("Settings\\Level", c.stored);
    EXPECT_EQ(Stats->GameLevel(), c.table);
  }
}

TEST_F(Records, WithoutShowHighscoresTheProfileNameIsEnteredUnasked) {
  Settings->WriteBool("Settings\\Show Highscores", false);
  Stats->Profiles.List = {TPlayerProfile{"Ann"}};
  Stats->Profiles.CurrentPlayer = 0;
  bool prompted = false;
  Stats->Prompts.AskName = [&](THighScoreSet, const QString& preset) {
    prompted = true;
    return preset;
  };
  Stats->Prompts.ShowHallOfFame = [&](THighScoreSet, int, int) { prompted = true; };
  Stats->HandEnded(100);
  EXPECT_FALSE(prompted);
  EXPECT_EQ(Stats->HighScores.Table(SetHand, 0)[0].Name, "Ann");
}

TEST_F(Records, ALostNetworkHandEntersTheOpponentWithTheAbsoluteMargin) {
  Stats->NetworkGame = [] { return std::optional<QString>("Zed"); };
  EXPECT_EQ(Stats->GameLevel(), NetworkHighScoreLevel);
  EXPECT_EQ(Stats->RecordHighScore(SetHand, -640), 1);
  const THighScoreEntry& entry = Stats->HighScores.Table(SetHand, NetworkHighScoreLevel)[0];
  EXPECT_EQ(entry.Score, 640);
  EXPECT_EQ(entry.Name, "Zed");
  EXPECT_EQ(Store->ReadValue("NetworkGame\\Name1", QString()), "Zed");
}

TEST_F(Records, AMatchCountsOnceAndWritesItsHistoryLine) {
  Stats->Profiles.List = {TPlayerProfile{"Ann"}, TPlayerProfile{"Bob"}};
  Stats->Profiles.CurrentPlayer = 1;
  Stats->MatchEnded(5120, 3000, "Computer");
  Stats->MatchEnded(2000, 5005, "Computer");
  Stats->MatchEnded(5010, 5010, "Computer");
  EXPECT_EQ(Stats->Profiles.List[1].WinRatio->Wins, 1);
  EXPECT_EQ(Stats->Profiles.List[1].WinRatio->Losses, 1);
  const QString when = QLocale().toString(QDateTime(QDate(2026, 3, 14), QTime(15, 9)), QLocale::ShortFormat);
  const QStringList history = Stats->MatchHistory();
  EXPECT_EQ(history[0], when + ": Bob - Computer: 5010 - 5010, winner: Draw");
  EXPECT_EQ(history[1], when + ": Bob - Computer: 2000 - 5005, winner: Computer");
  EXPECT_EQ(history[2], when + ": Bob - Computer: 5120 - 3000, winner: Bob");
  Restart();
  EXPECT_EQ(Stats->Profiles.PlayerName(), "Bob");
  EXPECT_EQ(Stats->Profiles.List[0].WinRatio->Losses, 1);
}

TEST_F(Records, ANetworkMatchEntersTheNetworkTableCountsInTheWinRatioAndNamesThePeer) {
  struct Case {
    const char* name;
    int player, opponent;
    const char* entered;  // the name in the network match table, empty for none
    int wins, losses;
    const char* winner;
  } cases[] = {
      {"won", 5230, 4100, "Ann", 1, 0, "Ann"},
      {"lost: the peer's name with the margin", 3900, 5020, "Zed", 0, 1, "Zed"},
      {"a draw: no margin to enter", 5100, 5100, "", 0, 0, "Draw"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Stats->ClearHighScores(SetMatch, NetworkHighScoreLevel);
    Stats->Profiles.List = {TPlayerProfile{"Ann"}};
    Stats->Profiles.CurrentPlayer = 0;
    Stats->NetworkGame = [] { return std::optional<QString>("Zed"); };
    Stats->ComputerLevel = [] { return 2; };  // the computer's level stays out of a network game
    Stats->MatchEnded(c.player, c.opponent, "Zed");
    Restart();
    const THighScoreEntry& entry = Stats->HighScores.Table(SetMatch, NetworkHighScoreLevel)[0];
    EXPECT_EQ(entry.Name, c.entered);
    EXPECT_EQ(entry.Score, std::abs(c.player - c.opponent));
    EXPECT_TRUE(Stats->HighScores.Table(SetMatch, 2)[0].Empty());
    EXPECT_EQ(Stats->Profiles.List[0].WinRatio->Wins, c.wins);
    EXPECT_EQ(Stats->Profiles.List[0].WinRatio->Losses, c.losses);
    EXPECT_TRUE(Stats->MatchHistory()[0].endsWith(
        QString("Ann - Zed: %1 - %2, winner: %3").arg(c.player).arg(c.opponent).arg(c.winner)))
        << Stats->MatchHistory()[0].toStdString();
  }
}

TEST_F(Records, AnAbandonedMatchIsOnlyAHistoryLine) {
  Stats->Profiles.List = {TPlayerProfile{"Ann"}};
  Stats->Profiles.CurrentPlayer = 0;
  Stats->NetworkGame = [] { return std::optional<QString>("Zed"); };
  Stats->MatchEnded(5230, 4100, "Zed");
  Stats->MatchAbandoned(1200, 2850, "Zed");
  Restart();
  const QString when = QLocale().toString(QDateTime(QDate(2026, 3, 14), QTime(15, 9)), QLocale::ShortFormat);
  EXPECT_EQ(Stats->MatchHistory()[0], when + ": Ann - Zed: 1200 - 2850, abandoned");
  EXPECT_EQ(Stats->MatchHistory()[1], when + ": Ann - Zed: 5230 - 4100, winner: Ann");
  EXPECT_EQ(Stats->Profiles.List[0].WinRatio->Wins, 1);
  EXPECT_EQ(Stats->Profiles.List[0].WinRatio->Losses, 0);
  const THighScoreTable& matches = Stats->HighScores.Table(SetMatch, NetworkHighScoreLevel);
  EXPECT_EQ(matches[0].Score, 1130);
  EXPECT_TRUE(matches[1].Empty());
}

TEST_F(Records, TheHistoryKeepsTheNewestHundred) {
  for (int match = 1; match <= 101; ++match) AddMatchHistoryLine(*Store, QString("match %1").arg(match));
  const QStringList history = ReadMatchHistory(*Store);
  ASSERT_EQ(history.size(), MatchHistoryLines);
  EXPECT_EQ(history.first(), "match 101");
  EXPECT_EQ(history.last(), "match 2");
}

TEST(MatchHistoryLine, TakesNamesAsTheyAre) {
  EXPECT_EQ(MatchHistoryLine("now", "%1 & <i>", "%2", 3, 4), "now: %1 & <i> - %2: 3 - 4, winner: %2");
  EXPECT_EQ(AbandonedMatchHistoryLine("now", "%1 & <i>", "%2", 3, 4), "now: %1 & <i> - %2: 3 - 4, abandoned");
}

TEST_F(Records, ClearingEmptiesOneTableInMemoryAndInTheStore) {
  Stats->HandEnded(300);
  Stats->MatchEnded(5300, 0, "Computer");
  Stats->ClearHighScores(SetHand, 0);
  EXPECT_TRUE(Stats->HighScores.Table(SetHand, 0)[0].Empty());
  EXPECT_FALSE(Store->KeyExists("Beginner"));
  EXPECT_TRUE(Store->KeyExists("BeginnerMatch"));
}

}  // namespace

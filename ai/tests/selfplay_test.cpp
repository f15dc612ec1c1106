#include "ai/computer_settings.h"
#include "ai/selfplay/selfplay_match.h"
#include "ai/selfplay/selfplay_options.h"
#include "ai/selfplay/selfplay_report.h"

#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace tarvelo;

namespace {
TSelfPlayOptions Parse(std::vector<std::string> arguments) { return ParseSelfPlayOptions(arguments); }
}  // namespace

TEST(SelfPlayOptions, DefaultsAreOneGameAdvancedAgainstBeginnerUnderTheDefaultRules) {
  const TSelfPlayOptions o = Parse({});
  EXPECT_EQ(o.Match.Games, 1);
  EXPECT_EQ(o.Match.Levels[SidePlayer], LevelAdvanced);
  EXPECT_EQ(o.Match.Levels[SideOpponent], LevelBeginner);
  EXPECT_EQ(o.Match.Seed, 1u);
  EXPECT_EQ(o.Match.Rules, TRuleSettings{});
  EXPECT_FALSE(o.Json);
  EXPECT_EQ(o.Match.MasterSamples, DefaultSelfPlayMasterSamples);
  EXPECT_EQ(o.Match.Jobs, 1);
}

TEST(SelfPlayOptions, TheMasterThinksByDealsOrByTime) {
  const TSelfPlayOptions bySamples = Parse({"--player", "MASTER", "--master-samples", "12", "--jobs", "2"});
  EXPECT_EQ(bySamples.Match.Levels[SidePlayer], LevelMaster);
  EXPECT_EQ(bySamples.Match.MasterSamples, 12);
  EXPECT_EQ(bySamples.Match.Jobs, 2);
  const TSelfPlayOptions byTime = Parse({"--master-ms", "300"});
  EXPECT_EQ(byTime.Match.MasterSamples, 0);
  EXPECT_EQ(byTime.Match.MasterMilliseconds, 300);
}

TEST(SelfPlayOptions, EveryRuleHasAnOptionAndThePresetComesFirst) {
  const TSelfPlayOptions o = Parse({"--games",
                                    "20",
                                    "--player",
                                    "Beginner",
                                    "--opponent",
                                    "ADVANCED",
                                    "--seed",
                                    "4294967295",
                                    "--json",
                                    "--hoyle",
                                    "--canastas",
                                    "1",
                                    "--cards",
                                    "2",
                                    "--canasta-required",
                                    "on",
                                    "--add-to-canasta",
                                    "off",
                                    "--top-card-counts",
                                    "no",
                                    "--initial-block",
                                    "false",
                                    "--initial-block-for-both",
                                    "0",
                                    "--natural-pair",
                                    "yes",
                                    "--add-existing-meld",
                                    "true",
                                    "--draw-extra",
                                    "off",
                                    "--three-block",
                                    "on",
                                    "--bonus-counts",
                                    "on",
                                    "--wildcard-canasta",
                                    "on"});
  const TRuleSettings& r = o.Match.Rules;
  EXPECT_EQ(o.Match.Games, 20);
  EXPECT_EQ(o.Match.Levels[SidePlayer], LevelBeginner);
  EXPECT_EQ(o.Match.Levels[SideOpponent], LevelAdvanced);
  EXPECT_EQ(o.Match.Seed, 4294967295u);
  EXPECT_TRUE(o.Json);
  EXPECT_EQ(r.NumberOfCanastas, 1);
  EXPECT_EQ(r.NumberOfCards, 2);
  EXPECT_TRUE(r.CanastaRequired);
  EXPECT_FALSE(r.AddToCanasta);
  EXPECT_FALSE(r.TopCardCounts);
  EXPECT_FALSE(r.InitialBlock);
  EXPECT_FALSE(r.InitialBlockForBoth);
  EXPECT_TRUE(r.NaturalPair);
  EXPECT_TRUE(r.AddExistingMeld);
  EXPECT_FALSE(r.DrawExtra);
  EXPECT_TRUE(r.ThreeBlock);
  EXPECT_TRUE(r.BonusCounts);
  EXPECT_TRUE(r.WildcardCanasta);
  EXPECT_EQ(Parse({"--hoyle"}).Match.Rules, HoyleRules());
}

TEST(SelfPlayOptions, ALobbyMatchNamesOneServerOrOnePerSide) {
  const TSelfPlayOptions one = Parse({"--lobby", "127.0.0.1:6667", "--pairs", "3"});
  EXPECT_EQ(one.Lobby, "127.0.0.1:6667");
  EXPECT_EQ(one.Pairs, 3);
  EXPECT_EQ(Parse({"--lobby", "127.0.0.1:6667,127.0.0.1:6669"}).Lobby, "127.0.0.1:6667,127.0.0.1:6669");
  EXPECT_EQ(Parse({}).Pairs, 1);
}

TEST(SelfPlayOptions, AnythingElseIsRefusedWithAMessage) {
  const std::vector<std::vector<std::string>> bad = {
      {"--games"},
      {"--games", "0"},
      {"--games", "ten"},
      {"--games", "5x"},
      {"--player", "pro"},
      {"--opponent", "grand"},
      {"--canastas", "3"},
      {"--cards", "0"},
      {"--master-samples", "0"},
      {"--master-ms", "0"},
      {"--jobs", "0"},
      {"--seed", "-1"},
      {"--seed", "99999999999"},
      {"--natural-pair", "maybe"},
      {"--colour", "green"},
      {"--lobby", "nohost"},
      {"--lobby", ":6667"},
      {"--lobby", "127.0.0.1:0"},
      {"--lobby", "127.0.0.1:6667,elsewhere"},
      {"--pairs", "2"},  // without a lobby
      {"stray"},
  };
  for (const auto& arguments : bad) {
    SCOPED_TRACE(arguments[0] + (arguments.size() > 1 ? " " + arguments[1] : ""));
    EXPECT_THROW(Parse(arguments), std::invalid_argument);
  }
}

namespace {
TMatchSettings Settings(int games, int player, int opponent, std::uint32_t seed, TRuleSettings rules = {}) {
  TMatchSettings s;
  s.Games = games;
  s.Levels = {player, opponent};
  s.Seed = seed;
  s.Rules = rules;
  return s;
}

void ExpectWholeGamesWithoutViolations(const TMatchResults& r, int games) {
  EXPECT_EQ(r.Games, games);
  EXPECT_EQ(r.Abandoned, 0);
  EXPECT_EQ(r.Wins[SidePlayer] + r.Wins[SideOpponent] + r.Draws, games);
  EXPECT_GE(r.Hands, games);
  EXPECT_EQ(r.Violations, 0);
  for (const auto& [kind, v] : r.Kinds) ADD_FAILURE() << v.Count << " x " << kind << ": " << v.Example;
  // A game ends once a seat has passed 4999.
  for (int side = 0; side < SideCount; ++side) EXPECT_GT(r.FinalScoreSum[side], -10000LL * games);
  EXPECT_GT(r.FinalScoreSum[SidePlayer] + r.FinalScoreSum[SideOpponent], 5000LL * games);
}
}  // namespace

TEST(SelfPlay, WholeGamesBetweenTheLevelsKeepEveryCardAndEveryRule) {
  struct Pairing {
    int player, opponent;
  };
  for (const Pairing p : {Pairing{LevelAdvanced, LevelBeginner}, Pairing{LevelBeginner, LevelBeginner},
                          Pairing{LevelAdvanced, LevelAdvanced}, Pairing{LevelExpert, LevelBeginner},
                          Pairing{LevelAdvanced, LevelExpert}, Pairing{LevelExpert, LevelExpert}}) {
    SCOPED_TRACE(LevelText(p.player) + " against " + LevelText(p.opponent));
    ExpectWholeGamesWithoutViolations(PlayMatch(Settings(4, p.player, p.opponent, 11)), 4);
  }
}

TEST(SelfPlay, TheMasterPlaysWholeGamesAndAnyNumberOfJobsPlaysTheSameGames) {
  TMatchSettings s = Settings(3, LevelMaster, LevelExpert, 8);
  s.MasterSamples = 2;
  const TMatchResults one = PlayMatch(s);
  ExpectWholeGamesWithoutViolations(one, 3);
  EXPECT_GT(one.SearchSeconds.size(), 30u);
  EXPECT_EQ(one.SearchSamples, 2 * static_cast<long long>(one.SearchSeconds.size()));
  s.Jobs = 2;
  const TMatchResults two = PlayMatch(s);
  EXPECT_EQ(two.ScoreHash, one.ScoreHash);
  EXPECT_EQ(two.Hands, one.Hands);
  EXPECT_EQ(two.Refused, one.Refused);
}

TEST(SelfPlay, TheHoyleRulesAndTwoCanastasToGoOutPlayThrough) {
  ExpectWholeGamesWithoutViolations(PlayMatch(Settings(4, LevelAdvanced, LevelBeginner, 5, HoyleRules())), 4);
  TRuleSettings strict;
  strict.NumberOfCanastas = 2;
  strict.CanastaRequired = true;
  strict.NumberOfCards = 2;
  strict.ThreeBlock = true;
  strict.AddExistingMeld = true;
  ExpectWholeGamesWithoutViolations(PlayMatch(Settings(4, LevelBeginner, LevelAdvanced, 6, strict)), 4);
  ExpectWholeGamesWithoutViolations(PlayMatch(Settings(4, LevelExpert, LevelAdvanced, 6, strict)), 4);
}

TEST(SelfPlay, TheSameSeedPlaysTheSameGames) {
  const TMatchResults a = PlayMatch(Settings(2, LevelAdvanced, LevelBeginner, 21));
  const TMatchResults b = PlayMatch(Settings(2, LevelAdvanced, LevelBeginner, 21));
  EXPECT_EQ(a.Hands, b.Hands);
  EXPECT_EQ(a.Wins, b.Wins);
  EXPECT_EQ(a.FinalScoreSum, b.FinalScoreSum);
}

TEST(SelfPlay, TheTraceTellsEveryTurnAndHandWithoutChangingThePlay) {
  EXPECT_TRUE(Parse({"--trace"}).Trace);
  std::ostringstream trace;
  TMatchSettings traced = Settings(2, LevelAdvanced, LevelBeginner, 21);
  traced.Trace = &trace;
  const TMatchResults a = PlayMatch(traced);
  const TMatchResults b = PlayMatch(Settings(2, LevelAdvanced, LevelBeginner, 21));
  EXPECT_EQ(a.Hands, b.Hands);
  EXPECT_EQ(a.FinalScoreSum, b.FinalScoreSum);
  std::istringstream lines(trace.str());
  int hands = 0, turns = 0;
  for (std::string line; std::getline(lines, line);) {
    hands += line.rfind("hand ends: ", 0) == 0 ? 1 : 0;
    turns += line.find(" | melds [") != std::string::npos ? 1 : 0;
  }
  EXPECT_EQ(hands, a.Hands);
  EXPECT_GT(turns, 2 * a.Hands);
}

TEST(SelfPlay, TheJsonLineCarriesTheFiguresOfBothSides) {
  TMatchResults r;
  r.Games = 3;
  r.Hands = 17;
  r.Wins = {2, 1};
  r.FinalScoreSum = {15300, 9000};
  r.Seconds = 2;
  r.Violations = 1;
  r.Kinds["a \"b\" fault"] = {1, "example"};
  r.Refused = 2;
  r.RefusedKinds["a step"] = {2, "another"};
  const std::string json = JsonLine(Settings(3, LevelAdvanced, LevelBeginner, 9), r);
  EXPECT_EQ(
      json,
      "{\"games\":3,\"player\":\"Advanced\",\"opponent\":\"Beginner\",\"seed\":9,"
      "\"wins\":{\"player\":2,\"opponent\":1},\"draws\":0,\"hands\":17,\"abandoned\":0,"
      "\"avgFinalScore\":{\"player\":5100.0,\"opponent\":3000.0},\"gamesPerSecond\":1.50,"
      "\"violations\":1,\"violationKinds\":{\"a \\\"b\\\" fault\":1},\"refused\":2,"
      "\"refusedKinds\":{\"a step\":2},\"winShare95\":{\"player\":[0.2077,0.9385],\"opponent\":[0.0615,0.7923]}}");
  const std::string text = SummaryText(Settings(3, LevelAdvanced, LevelBeginner, 9), r);
  EXPECT_NE(text.find("e.g. example"), std::string::npos);
  EXPECT_NE(text.find("e.g. another"), std::string::npos);
  EXPECT_NE(text.find("2 wins (66.7%, 95% interval 20.8-93.9%)"), std::string::npos);
}

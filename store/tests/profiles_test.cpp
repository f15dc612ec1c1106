#include "store/player_profiles.h"
#include "store/profile_edits.h"
#include "store/tests/statistics_fixture.h"
#include "store/win_ratio.h"

#include <climits>

using namespace tarvelo;

namespace {

TEST(ProfileText, SplitsAtTheFirstTwoCommasAndReadsBadCountsAsZero) {
  struct Case {
    const char* text;
    const char* name;
    int wins, losses;
  } cases[] = {
      {"Ann,3,1", "Ann", 3, 1},
      {"Ann,x,3", "Ann", 0, 3},  // only the count that does not convert is 0
      {"Bob", "Bob", 0, 0},
      {"Bob,7", "Bob", 7, 0},
      {"Cy,2,1,9", "Cy", 2, 0},  // the losses part "1,9" is no number
      {"Di,-5,99999999999", "Di", 0, 0},
      {"Ed,2147483647,0", "Ed", INT_MAX, 0},
      {"%1 <b>&,1,1", "%1 <b>&", 1, 1},
  };
  for (const Case& c : cases) {
    const std::optional<TPlayerProfile> profile = ParseProfileText(QString::fromUtf8(c.text));
    ASSERT_TRUE(profile) << c.text;
    EXPECT_EQ(profile->Name, QString::fromUtf8(c.name)) << c.text;
    EXPECT_EQ(profile->WinRatio->Wins, c.wins) << c.text;
    EXPECT_EQ(profile->WinRatio->Losses, c.losses) << c.text;
  }
  EXPECT_FALSE(ParseProfileText(QString()));
  EXPECT_EQ(ParseProfileText(QString(300, u'n'))->Name.size(), MaxNameLength);
}

TEST(WinRatio, RoundsHalvesToEvenAndNeverDividesByZero) {
  struct Case {
    long long wins, losses;
    const char* text;
  } cases[] = {
      {3, 1, "75%"},
      {1, 2, "33%"},
      {0, 0, "?"},
      {1, 7, "12%"},  // 12.5 to the even 12
      {3, 5, "38%"},
      {1, 199, "0%"},
      {1, 1, "50%"},
      {5, 0, "100%"},
      {-1, 1, "0%"},
      {-4, -4, "?"},
      {INT_MAX, INT_MAX, "50%"},
      {INT_MAX, 0, "100%"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RatioText(c.wins, c.losses), QString::fromLatin1(c.text)) << c.wins << " " << c.losses;
}

TEST(WinRatio, ACountAtItsLargestStaysThere) {
  TWinRatio ratio{INT_MAX, INT_MAX};
  AddWin(ratio);
  AddLoss(ratio);
  EXPECT_EQ(ratio.Wins, INT_MAX);
  EXPECT_EQ(ratio.Losses, INT_MAX);
}

using Profiles = TStatisticsTest;

TEST_F(Profiles, AreWrittenCurrentFirstAndReadBackAfterARestart) {
  Store->WriteValue("Player Names\\PlayerName1", QString("Ann,3,1"));
  Store->WriteValue("Player Names\\PlayerName2", QString("Bob,0,2"));
  Store->WriteValue("Player Names\\PlayerName4", QString("Lost,9,9"));  // after a gap: not read
  Restart();
  ASSERT_EQ(Stats->Profiles.List.size(), 2u);
  EXPECT_EQ(Stats->Profiles.CurrentPlayer, 0);
  Stats->Profiles.CurrentPlayer = 1;
  ASSERT_TRUE(Stats->SaveProfiles());
  Restart();
  ASSERT_EQ(Stats->Profiles.List.size(), 2u);
  EXPECT_EQ(Stats->Profiles.PlayerName(), "Bob");
  EXPECT_EQ(Stats->Profiles.List[1].Name, "Ann");
  EXPECT_EQ(Stats->Profiles.List[1].WinRatio->Wins, 3);
  EXPECT_FALSE(Store->ValueExists("Player Names\\PlayerName4"));
}

TEST_F(Profiles, NoProfilesMeansNoCurrentPlayer) {
  EXPECT_EQ(Stats->Profiles.CurrentPlayer, -1);
  EXPECT_EQ(Stats->Profiles.PlayerName(), "Player");
  Stats->RecordMatchResult(10, 5, "Computer");  // nothing to count, the history still grows
  EXPECT_TRUE(Stats->MatchHistory()[0].endsWith("Player - Computer: 10 - 5, winner: Player"));
}

TEST_F(Profiles, TheCurrentPlayerIsFoundByIdentityNotByName) {
  TPlayerProfiles profiles;
  profiles.List = {TPlayerProfile{"Ann"}, TPlayerProfile{"Ann"}};
  profiles.CurrentPlayer = 1;
  Stats->ReplaceProfiles(profiles);
  TProfileEdits edits(Stats->Profiles);
  EXPECT_EQ(edits.CurrentIndex(), 1);
  Stats->ReplaceProfiles(edits.Result());
  Stats->RecordMatchResult(5100, 300, "Computer");
  EXPECT_EQ(Stats->Profiles.List[0].WinRatio->Wins, 0);
  EXPECT_EQ(Stats->Profiles.List[1].WinRatio->Wins, 1);
}

TEST(ProfileEdits, NamesAreCheckedCutAndTheFirstBecomesCurrent) {
  TProfileEdits edits{TPlayerProfiles{}};
  EXPECT_EQ(edits.CurrentName(), "Player");
  EXPECT_EQ(edits.Add(""), TProfileEdits::TNameCheck::Cancelled);
  EXPECT_EQ(edits.Add("A,B"), TProfileEdits::TNameCheck::Comma);
  EXPECT_TRUE(edits.Empty());
  EXPECT_EQ(edits.Add(QString(300, u'x')), TProfileEdits::TNameCheck::Accepted);
  EXPECT_EQ(edits.List()[0].Name.size(), MaxNameLength);
  EXPECT_EQ(edits.CurrentIndex(), 0);
  edits.Add("Bob");
  EXPECT_EQ(edits.CurrentIndex(), 0);  // only the first profile is made current on its own
  EXPECT_EQ(edits.Rename(1, ""), TProfileEdits::TNameCheck::Cancelled);
  EXPECT_EQ(edits.List()[1].Name, "Bob");
  EXPECT_EQ(edits.Rename(1, "Rob"), TProfileEdits::TNameCheck::Accepted);
  EXPECT_EQ(edits.CurrentName(), "Rob");
}

TEST(ProfileEdits, DeletingLeavesTheMainListWholeAndMakesTheFirstCurrent) {
  TPlayerProfiles main;
  main.List = {TPlayerProfile{"Ann"}, TPlayerProfile{"Bob"}, TPlayerProfile{"Cy"}};
  main.List[1].WinRatio->Wins = 4;
  main.CurrentPlayer = 2;
  {
    TProfileEdits edits(main);
    edits.Delete(1);
    EXPECT_EQ(edits.CurrentName(), "Ann");
    edits.Delete(0);
    edits.Delete(0);
    EXPECT_EQ(edits.CurrentIndex(), -1);
    EXPECT_EQ(edits.Result().CurrentPlayer, -1);
  }  // cancelled: the edits go away
  ASSERT_EQ(main.List.size(), 3u);
  EXPECT_EQ(main.List[1].WinRatio->Wins, 4);
  EXPECT_EQ(main.PlayerName(), "Cy");
}

TEST(ProfileEdits, AResetOfStatisticsHoldsEvenWhenTheDialogIsCancelled) {
  TPlayerProfiles main;
  main.List = {TPlayerProfile{"Ann"}};
  *main.List[0].WinRatio = {3, 1};
  TProfileEdits edits(main);
  edits.ResetStats(0);
  EXPECT_EQ(main.List[0].WinRatio->Wins, 0);
  EXPECT_EQ(main.List[0].WinRatio->Losses, 0);
}

}  // namespace

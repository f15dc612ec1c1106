// The end of a network game in two windows, one for each side, with the
// program's own records: the network form of the game-over dialog, the network
// tables of the hall of fame, the win ratio and the match history of both sides.
#include "engine/testing/table_builder.h"
#include "session/testing/fake_peer_seat.h"
#include "ui/dialogs/gameover_dialog.h"
#include "ui/dialogs/hiscores_dialog.h"
#include "ui/testing/artifact_shot.h"
#include "ui/testing/qt_test_app.h"
#include "ui/testing/records_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>
#include <tuple>

using namespace tarvelo;

namespace {

// One side of the match: its own store, profile, records and window, and the
// other side's player in the seat across the table.
struct TSide : TRecordsWindow {
  TSide(const char* player, const char* peer, bool deals) {
    settings.WriteBool("Settings\\Show Highscores", false);
    records.Statistics.Profiles.List = {TPlayerProfile{player}};
    records.Statistics.Profiles.CurrentPlayer = 0;
    Open();
    window->show();
    window->Session().SeatPeer(std::make_unique<TFakePeerSeat>(peer, deals));
  }
  TGame& Game() { return window->Session().MutableGame(); }
  const THighScoreEntry& Best(THighScoreSet set) {
    return records.Statistics.HighScores.Table(set, NetworkHighScoreLevel)[0];
  }
};

// Closes the game-over dialog as a player who does not press OK would (the
// window's close button), noting its texts; questions get Yes, other dialogs OK.
class TGameOverCloser {
 public:
  QStringList Texts;
  int Shown = 0;

  TGameOverCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* over = qobject_cast<TfmGameover*>(modal)) {
        ++Shown;
        for (const QLabel* label : over->findChildren<QLabel*>()) Texts << label->text();
        over->close();
      } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        box->button(QMessageBox::Yes)->click();
      } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->accept();
      }
    });
    timer_.start(5);
  }

 private:
  QTimer timer_;
};

struct NetworkGameOver : ::testing::Test {
  QApplication& app = TestApp();  // before the closer's timer
  TGameOverCloser closer;
  TSide ann{"Ann", "Bob", true};   // the dealer
  TSide bob{"Bob", "Ann", false};  // waits for Ann's deals

  // The last hand of a game Ann wins: Ann goes out with a canasta on her
  // table, and the same hand ends on Bob's table turned around.
  void AnnGoesOut() {
    TTableBuilder(ann.Game()).Build("hand: 5D; melds: 7C 7C 7S 7S 7D 7D 7H; opp: KH KS 4C; pile: 8C").PlayerHasDrawn();
    TTableBuilder(bob.Game()).Build("hand: KH KS 4C; oppmelds: 7C 7C 7S 7S 7D 7D 7H; pile: 8C 5D");
    bob.Game().Table.OpponentMeldValueAtTurnStart = ann.Game().Table.PlayerMeldValueAtTurnStart;
    for (auto [side, own, other] : {std::tuple{&ann, 4950, 3800}, std::tuple{&bob, 3800, 4950}}) {
      TTableState& t = side->Game().Table;
      t.GameInProgress = true;
      t.PlayerScore = own;
      t.OpponentScore = other;
    }
    const TCard last = ann.Game().Table.PlayerHand.Top();
    ann.window->Session().PlayerClick(MouseButton::Right, last.X + 2, last.Y + 2, {});
    // The discard that empties Ann's hand reaches Bob as her move; here the hand simply ends.
    bob.window->Session().Guarded([this] { bob.Game().CheckHandEnd(); });
  }
};

TEST_F(NetworkGameOver, BothSidesRecordTheMatchAgainstEachOtherAndPlayOn) {
  AnnGoesOut();
  EXPECT_EQ(closer.Shown, 2);
  EXPECT_TRUE(closer.Texts.contains("Press OK to continue."));
  EXPECT_FALSE(closer.Texts.contains("Do you want to play another game?"));
  for (TSide* side : {&ann, &bob}) {
    EXPECT_TRUE(side->window->isVisible()) << "the program goes on";
    EXPECT_EQ(side->Game().Table.PlayerScore, 0);
    EXPECT_EQ(side->Game().Table.OpponentScore, 0);
  }
  EXPECT_NE(ann.Game().Table.Phase, PhaseHandOver) << "the dealer dealt the new game's first hand";
  EXPECT_EQ(bob.Game().Table.Phase, PhaseHandOver) << "Bob waits for Ann's deal";

  const QStringList annLine = ann.records.Statistics.MatchHistory()[0].split(": ");
  const QStringList bobLine = bob.records.Statistics.MatchHistory()[0].split(": ");
  ASSERT_GE(annLine.size(), 4);
  ASSERT_GE(bobLine.size(), 4);
  EXPECT_EQ(annLine[annLine.size() - 3], "Ann - Bob");
  EXPECT_EQ(bobLine[bobLine.size() - 3], "Bob - Ann");
  EXPECT_EQ(annLine.last(), "Ann");
  EXPECT_EQ(bobLine.last(), "Ann");
  const QStringList annScores = annLine[annLine.size() - 2].split(", ").first().split(" - ");
  const QStringList bobScores = bobLine[bobLine.size() - 2].split(", ").first().split(" - ");
  EXPECT_EQ(annScores, QStringList({bobScores[1], bobScores[0]})) << "the same final totals, turned around";

  EXPECT_EQ(ann.records.Statistics.Profiles.List[0].WinRatio->Wins, 1);
  EXPECT_EQ(ann.records.Statistics.Profiles.List[0].WinRatio->Losses, 0);
  EXPECT_EQ(bob.records.Statistics.Profiles.List[0].WinRatio->Wins, 0);
  EXPECT_EQ(bob.records.Statistics.Profiles.List[0].WinRatio->Losses, 1);

  // The network tables of both sides name the winner of the hand and of the
  // match with the same margin; the computer's tables stay empty.
  const int margin = annScores[0].toInt() - annScores[1].toInt();
  for (TSide* side : {&ann, &bob}) {
    EXPECT_EQ(side->Best(SetMatch).Name, "Ann");
    EXPECT_EQ(side->Best(SetMatch).Score, margin);
    EXPECT_EQ(side->Best(SetHand).Name, "Ann");
    for (int level : {0, 1, 2, MasterHighScoreLevel})
      EXPECT_TRUE(side->records.Statistics.HighScores.Table(SetMatch, level)[0].Empty()) << level;
  }
  EXPECT_EQ(ann.Best(SetHand).Score, bob.Best(SetHand).Score);

  TfmHighscores match(bob.records.Statistics, NetworkHighScoreLevel, SetMatch, 1);
  SaveArtifactShot(match, "network", "hall-of-fame-network-match");
  TfmHighscores hand(ann.records.Statistics, ann.records.Statistics.GameLevel(), SetHand, 1);
  EXPECT_EQ(hand.Level(), NetworkHighScoreLevel) << "the hall of fame opens on the network game's level";
  SaveArtifactShot(hand, "network", "hall-of-fame-network-hand");
}

TEST_F(NetworkGameOver, AGameGivenUpForANewOneIsInTheHistoryOfBothSidesAndInNoWinRatio) {
  for (auto [side, own, other] : {std::tuple{&ann, 1450, 2210}, std::tuple{&bob, 2210, 1450}}) {
    TTableState& t = side->Game().Table;
    t.GameInProgress = true;
    t.PlayerScore = own;
    t.OpponentScore = other;
  }
  // Ann asks for the new game from the menu and says Yes; Bob agrees when it arrives.
  ann.window->Action("New1")->trigger();
  bob.window->Session().RecordAbandonedNetworkGame();
  EXPECT_TRUE(ann.records.Statistics.MatchHistory()[0].endsWith(": Ann - Bob: 1450 - 2210, abandoned"))
      << ann.records.Statistics.MatchHistory()[0].toStdString();
  EXPECT_TRUE(bob.records.Statistics.MatchHistory()[0].endsWith(": Bob - Ann: 2210 - 1450, abandoned"))
      << bob.records.Statistics.MatchHistory()[0].toStdString();
  for (TSide* side : {&ann, &bob}) {
    EXPECT_EQ(side->records.Statistics.Profiles.List[0].WinRatio->Wins, 0);
    EXPECT_EQ(side->records.Statistics.Profiles.List[0].WinRatio->Losses, 0);
    EXPECT_TRUE(side->Best(SetMatch).Empty());
  }
}

}  // namespace

// What the screen shows while and after cards move: the window's picture on
// the screen must be what a full paint of the table gives, so that no card,
// strip or counter is left behind by a partial repaint; and a move of many
// cards at once animates in a bounded number of frames.
#include "engine/card_area.h"
#include "engine/memory_settings.h"
#include "engine/testing/table_builder.h"
#include "ui/table_view.h"
#include "ui/testing/qt_test_app.h"
#include "ui/testing/table_window.h"
#include "ui/tvlmain.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>
#include <string>

using namespace tarvelo;

namespace {
struct TableRepaint : ::testing::Test {
  TableRepaint() { TestApp(); }

  // A window with the computer seated, a dealt hand and nothing left to run, then `table` on it.
  void Start(const std::string& table, bool cardMovement) {
    settings.WriteString("Settings\\Resolution", "0,0,640x480");
    settings.WriteBool("Settings\\Card Movement", cardMovement);
    settings.WriteInt("Settings\\Delay", 0);
    window = tables.Open(settings);
    window->Session().SeatComputer();
    window->show();
    window->EndStartUp();
    Settle();
    TTableBuilder(Game()).Build(table).PlayerHasDrawn();
    Game().Table.DiscardSpread = false;
    Game().Table.PileFrozen = false;
    Game().Rules.NumberOfCanastas = 2;
    Game().Rules.NaturalPair = false;
    window->View()->repaint();
  }
  TGame& Game() { return window->Session().MutableGame(); }
  const TLayout& Layout() { return Game().Layout; }
  // Runs what waits in the event loop until the computer has finished its turn.
  void Settle() {
    for (int i = 0; i < 1000 && (i < 10 || Game().Table.OpponentToMove); ++i) QCoreApplication::processEvents();
  }
  // The table as the screen shows it now, and as a full paint draws it.
  QImage OnScreen() const {
    const QPoint origin = window->View()->mapTo(window.get(), QPoint(0, 0));
    const QSize size = window->View()->size();
    return QGuiApplication::primaryScreen()
        ->grabWindow(window->winId(), origin.x(), origin.y(), size.width(), size.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }
  QImage Painted() const { return window->View()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  void ClickCard(MouseButton button, const TCard& card, ShiftState shift = {}) {
    window->Session().PlayerClick(button, card.X + 5, card.Y + 5, shift);
  }

  TMemorySettings settings;
  TTableWindows tables;
  std::unique_ptr<TfmTvlMain> window;
};
}  // namespace

TEST_F(TableRepaint, TheComputersDiscardShowsTheWholePileAndItsCounter) {
  for (const bool spread : {false, true}) {
    SCOPED_TRACE(spread ? "fanned" : "closed");
    Start("hand: 5H 5S TD; opp: 4S 6C 9H JD KS; pile: 5D 7C 8H 9S; stock: 6H", false);
    Game().Table.DiscardSpread = spread;
    Game().Table.PileFrozen = true;  // the counter in brackets: "[4]"
    Game().Table.OpponentToMove = true;
    window->View()->repaint();  // the pile fanned out
    window->Session().PlayComputerTurn();
    Settle();
    ASSERT_EQ(Game().Table.DiscardPile.Count, 5);
    EXPECT_TRUE(OnScreen() == Painted());
  }
}

TEST_F(TableRepaint, TheTableIsRepaintedBeforeABoxOpens) {
  // Shift lays both kings; one card is left without the canastas to go out.
  Start("hand: KC KC 4D; melds: AH AS AD KH KS KD; pile: 8C", false);
  bool boxSeen = false, sameAsPainted = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    boxSeen = true;
    sameAsPainted = OnScreen() == Painted();
    box->accept();
  });
  const TCardArea& hand = Game().Table.PlayerHand;
  ClickCard(MouseButton::Left, hand.At(FindFirst(hand, [](const TCard& c) { return c.Rank == RankKing; })),
            ShiftState{true, false, false});
  ASSERT_TRUE(boxSeen);
  EXPECT_TRUE(sameAsPainted);
}

TEST_F(TableRepaint, TakingAHugePileAnimatesInABoundedNumberOfFrames) {
  // The rest of the pile: every card of fours to kings but nines, twice.
  std::string rest;
  for (const char* rank : {"4", "5", "6", "7", "8", "T", "J", "Q", "K"})
    for (const char* suit : {"S", "C", "D"}) rest += std::string(rank) + suit + " ";
  rest += "4H 5H 6H 7H 8H TH JH QH KH ";
  rest += rest;  // the second pack
  struct Case {
    std::string pile;
    int cards, minFrames, maxFrames;
  };
  const int single = AnimationSteps(10);
  const Case cases[] = {
      {"9D", 1, single, single},   // one card moves as it always has
      {rest + "9D", 73, 73, 125},  // every card moves, in about a second and a half of frames
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cards);
    Start("hand: 9C 9C AS; melds: 9H 9S 9D; pile: " + c.pile, true);
    TTableBuilder(Game()).PlayerToDraw();
    window->View()->repaint();
    const int handBefore = Game().Table.PlayerHand.Count;
    const int framesBefore = window->View()->MoveFramesShown();
    window->Session().PlayerClick(MouseButton::Left, Layout().LeftMargin + 5, Layout().DiscardY + 5, {});
    ASSERT_EQ(Game().Table.PlayerHand.Count, handBefore + c.cards - 1);
    const int frames = window->View()->MoveFramesShown() - framesBefore;
    EXPECT_GE(frames, c.minFrames);
    EXPECT_LE(frames, c.maxFrames);
  }
}

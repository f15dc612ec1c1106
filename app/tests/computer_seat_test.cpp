#include "app/computer_seat.h"

#include "engine/invariants.h"
#include "engine/memory_settings.h"
#include "ui/testing/qt_test_app.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {
struct ComputerSeat : ::testing::Test {
  ComputerSeat() {
    TestApp();
    settings.WriteString("Settings\\Level", "Expert");
    settings.WriteInt("Settings\\Aggression", 0);
    settings.WriteInt("Settings\\Delay", 0);
    settings.WriteBool("Settings\\Card Movement", false);
    settings.WriteBool("Settings\\Show Turns", false);
  }
  TMemorySettings settings;
  bool gameOver = false;
  TGameOverInfo final;

  std::unique_ptr<TfmTvlMain> Start() {
    TWindowHooks hooks;
    hooks.RecordMatch = [this](const TGameOverInfo& info) {
      gameOver = true;
      final = info;
    };
    return std::make_unique<TfmTvlMain>(settings, QStringList{}, hooks);
  }
};

// The player's side as a player who never melds: it draws and throws its newest card,
// and ends the hand once the stock is gone.
void PlayerDrawsAndDiscards(TGame& game) {
  TTableState& t = game.Table;
  const TLayout& l = game.Layout;
  if (t.StockExhausted) {
    game.EndHand();
    return;
  }
  game.PlayerClick(MouseButton::Left, l.LeftMargin + 5, l.StockY + 5, {});
  if (!t.HasDrawn || t.PlayerHand.Empty()) return;
  const TCard& card = t.PlayerHand.Top();
  game.PlayerClick(MouseButton::Right, card.X + 2, card.Y + 2, {});
}
}  // namespace

TEST_F(ComputerSeat, TheStoredLevelAndAggressivenessAreInForceFromTheStart) {
  const auto window = Start();
  TComputerPlayer computer(window->Game);
  SeatComputer(*window, computer);
  EXPECT_EQ(computer.Settings.computerLevel, LevelExpert);
  EXPECT_EQ(computer.Settings.aggressiveness, 0);
}

TEST_F(ComputerSeat, AGameAgainstTheExpertPlaysToItsEnd) {
  const auto window = Start();
  TComputerPlayer computer(window->Game);
  SeatComputer(*window, computer);
  // The hands' score boxes are closed as they come; the game-over box is declined.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [this] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
      gameOver ? dialog->reject() : dialog->accept();
  });
  closer.start(5);
  window->show();
  window->EndStartUp();
  TGame& game = window->Game;
  int playerTurns = 0;
  for (int spins = 0; !gameOver && spins < 200000; ++spins) {
    QApplication::processEvents();
    ASSERT_EQ(CheckCardConservation(game.Table), "");
    if (game.Table.OpponentToMove || game.Table.Phase != PhaseDraw) continue;
    PlayerDrawsAndDiscards(game);
    ++playerTurns;
  }
  ASSERT_TRUE(gameOver) << "after " << playerTurns << " turns of the player";
  // A player who never melds cannot reach the end score: the Expert got there.
  EXPECT_GT(final.OpponentScore, 4999);
  EXPECT_FALSE(final.PlayerWon);
  EXPECT_EQ(computer.Settings.computerLevel, LevelExpert);
}

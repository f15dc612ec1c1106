// The program as main() wires it: a session with the computer seated, and its window.
#include "ai/computer_player.h"
#include "app/tests/quick_expert_settings.h"
#include "engine/invariants.h"
#include "engine/memory_settings.h"
#include "session/testing/never_melding_player.h"
#include "ui/testing/qt_test_app.h"
#include "ui/testing/table_window.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {
struct ComputerSeat : ::testing::Test {
  ComputerSeat() {
    TestApp();
    WriteQuickExpertSettings(settings);
  }
  TMemorySettings settings;
  bool gameOver = false;
  TGameOverInfo final;
  TTableWindows tables;

  std::unique_ptr<TfmTvlMain> Start() {
    TSessionHooks records;
    records.RecordMatch = [this](const TGameOverInfo& info) {
      gameOver = true;
      final = info;
    };
    auto window = tables.Open(settings, {}, {}, records);
    window->Session().SeatComputer();
    return window;
  }
};
}  // namespace

TEST_F(ComputerSeat, AGameAgainstTheExpertPlaysToItsEnd) {
  const auto window = Start();
  // The hands' score boxes are closed as they come; the game-over box is declined.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [this] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
      gameOver ? dialog->reject() : dialog->accept();
  });
  closer.start(5);
  window->show();
  window->EndStartUp();
  TSession& session = window->Session();
  const TGame& game = session.Game();
  int playerTurns = 0;
  for (int spins = 0; !gameOver && spins < 200000; ++spins) {
    QApplication::processEvents();
    ASSERT_EQ(CheckCardConservation(game.Table), "");
    if (game.Table.OpponentToMove || game.Table.Phase != PhaseDraw) continue;
    PlayerDrawsAndDiscards(session);
    ++playerTurns;
  }
  ASSERT_TRUE(gameOver) << "after " << playerTurns << " turns of the player";
  // A player who never melds cannot reach the end score: the Expert got there.
  EXPECT_GT(final.OpponentScore, 4999);
  EXPECT_FALSE(final.PlayerWon);
  EXPECT_EQ(session.Computer()->Settings.computerLevel, LevelExpert);
}

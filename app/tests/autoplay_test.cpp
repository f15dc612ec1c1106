// With TARVELO_AUTOPLAY a computer level plays the player's seat of a program.
#include "app/autoplay.h"

#include "app/tests/program_fixture.h"
#include "lobby/testing/wait_until.h"

#include <gtest/gtest.h>

using namespace tarvelo;

TEST_F(Programs, AutoplayPlaysThePlayersTurnsAndAWrongLevelIsNone) {
  QTemporaryDir home;
  const auto program = Make(home);
  Start(*program);
  const TTableState& t = FirstGame(*program);
  qputenv("TARVELO_AUTOPLAY", "grandmaster");
  EXPECT_EQ(AutoplayFromEnvironment(program->Session()), nullptr);
  qputenv("TARVELO_AUTOPLAY", "beginner:0");
  const auto autoplay = AutoplayFromEnvironment(program->Session());
  qunsetenv("TARVELO_AUTOPLAY");
  ASSERT_NE(autoplay, nullptr);
  const int stock = t.Stock.Count;
  // The player's turns and the computer's follow each other without a click.
  EXPECT_TRUE(WaitUntil([&] { return t.Stock.Count <= stock - 4 || t.Phase == PhaseHandOver; }));
}

#include "ai/tests/ai_fixture.h"

#include <string>
#include <vector>

using namespace tarvelo;

using ComputerMoves = ComputerTest;

TEST_F(ComputerMoves, RedThreesAreLaidDownInTheSeatsOrderWithTwoPausesEach) {
  struct Case {
    bool fromEnd;
    const char* melds;
  };
  const Case cases[] = {{false, "3H 3D"}, {true, "3D 3H"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fromEnd);
    Lay("opp: 7S 3H 8S 3D");
    host.Delay = 450;
    host.Pauses.clear();
    computer.Moves.LayDownRedThrees(c.fromEnd);
    EXPECT_EQ(Melds(), c.melds);
    EXPECT_EQ(Hand(), "7S 8S");
    EXPECT_EQ(t.OpponentMeldValue, 0);  // red threes score apart from the melds
    EXPECT_EQ(host.Pauses, std::vector<int>(4, 450));
  }
}

TEST_F(ComputerMoves, RedThreesOutOfTurnStayInTheHandAndTheRefusalIsHeard) {
  Lay("opp: 7S 3H 8S 3D");
  t.OpponentToMove = false;
  std::vector<std::string> refused;
  computer.MoveSkipped = [&](const std::string& what) { refused.push_back(what); };
  computer.Moves.LayDownRedThrees(false);
  EXPECT_EQ(Hand(), "7S 3H 8S 3D");
  EXPECT_EQ(Melds(), "");
  EXPECT_EQ(refused, std::vector<std::string>{"refused meld"});
}

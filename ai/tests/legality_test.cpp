#include "ai/tests/ai_fixture.h"
#include "engine/meld_checks.h"

using namespace tarvelo;

using Legality = ComputerTest;

namespace {
// A pile take that the Beginner's rules prescribe and the player's checks refuse:
// against 125 points the first meld uses the whole hand without a canasta.
constexpr const char* EmptyingTake = "opp: 9S 7C 7C TH TD 7D 9D TS 5D 5H 2H 7S 9C 7D 2C; pile: 7H";
}  // namespace

TEST_F(Legality, AStepThatBreaksTheRulesIsNotMadeAndTheTurnGoesOnWithoutIt) {
  game.Rules.TopCardCounts = false;
  game.Rules.NaturalPair = false;
  t.OpponentScore = 3000;
  Lay(EmptyingTake);
  computer.CheckLegality = true;
  std::vector<std::string> skipped;
  computer.MoveSkipped = [&](const std::string& what) { skipped.push_back(what); };
  computer.playComputerTurn();
  ASSERT_EQ(skipped.size(), 1u);
  EXPECT_EQ(skipped[0], "taking the pile: the hand was emptied without the canastas to go out");
  // The pile stayed; the computer drew instead, melded what it could and discarded.
  EXPECT_EQ(t.DiscardPile.Count, 2);
  EXPECT_EQ(CardName(t.DiscardPile.Cards[0]), "7H");
  EXPECT_FALSE(t.OpponentHand.Empty());
  EXPECT_EQ(StepMeldFault(game, Seat::Opponent, 125), "");
  // The refused take was tried out unseen: the pile's top card was never shown moving.
  for (const auto& [from, to] : host.Animations) EXPECT_NE(CardName(from), "7H");
}

TEST_F(Legality, WithoutTheChecksTheStepIsMadeAsPrescribed) {
  game.Rules.TopCardCounts = false;
  game.Rules.NaturalPair = false;
  t.OpponentScore = 3000;
  Lay(EmptyingTake);
  computer.playComputerTurn();
  EXPECT_EQ(Hand(), "");
  EXPECT_EQ(StepMeldFault(game, Seat::Opponent, 125), "the hand was emptied without the canastas to go out");
}

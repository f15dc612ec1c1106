#include "engine/testing/random_play.h"

#include "engine/moves.h"

#include <array>
#include <gtest/gtest.h>

using namespace tarvelo;

// Hands played by random moves of every kind, most of them refused, with card
// indices, columns and counts in and out of range, as a careless or hostile
// sender could make them: every one is judged by Refusal and made by Apply, and
// the table stays whole. A move of the seat that is not on turn is always refused.
namespace {

class TRandomMover {
 public:
  explicit TRandomMover(std::uint32_t seed) : random_(seed) {}

  // The random moves made, by kind.
  std::array<int, static_cast<int>(TMoveKind::EndHand) + 1> Applied{};

  void Act(TGame& game) {
    const int roll = random_.Int(100);
    if (roll < 45) {
      const TMove move = AnyMove(game);
      if (TryMove(game, Seat::Player, move)) ++Applied[static_cast<int>(move.Kind)];
    } else if (roll < 55)
      RefusedAcross(game);
    else if (roll < 90)
      MoveOn(game);
    else if (roll < 95)
      game.UndoMeld();
    else if (roll < 99)
      game.UndoAll();
    else
      game.ApplyLayout(ComputeLayout(random_.Int(WindowSizeCount)));  // the window changes size
  }

 private:
  TMove AnyMove(const TGame& game) {
    const int handCount = game.Table.PlayerHand.Count;
    TMove move;
    move.Kind = static_cast<TMoveKind>(random_.Int(static_cast<int>(TMoveKind::EndHand) + 1));
    move.Card = random_.Int(handCount + 4) - 2;
    move.Column = random_.Int(ColumnCount + 3) - 1;
    move.Count = random_.Int(10) - 1;
    return move;
  }

  // The opponent is never on turn while the player acts: its moves change nothing.
  void RefusedAcross(TGame& game) {
    const std::string before = NamesOf(game.Table);
    EXPECT_FALSE(TryMove(game, Seat::Opponent, AnyMove(game)));
    EXPECT_EQ(NamesOf(game.Table), before);
  }

  // What moves a hand along: draw, then discard a card.
  void MoveOn(TGame& game) {
    const TTableState& t = game.Table;
    if (!t.HasDrawn) {
      TryMove(game, Seat::Player, {.Kind = TMoveKind::Draw});
    } else if (!t.PlayerHand.Empty()) {
      TryMove(game, Seat::Player, {.Kind = TMoveKind::Discard, .Card = random_.Int(t.PlayerHand.Count)});
    }
  }

  // Every card of the table, area by area, to see that a refused move moved none.
  static std::string NamesOf(const TTableState& t) {
    std::string names;
    for (const TCardArea* area :
         {&t.Stock, &t.DiscardPile, &t.PlayerHand, &t.PlayerMelds, &t.OpponentHand, &t.OpponentMelds}) {
      for (const TCard& card : area->Live()) names += std::to_string(card.Id) + ',';
      names += '|';
    }
    return names;
  }

  TRandomSource random_;
};

struct RandomMoves : ::testing::TestWithParam<int> {};

TEST_P(RandomMoves, EveryMoveKeepsTheTableWhole) {
  const int size = GetParam();
  constexpr int kHands = 400;
  TRandomMover mover(91 + size);
  const int played = PlayRandomHands(size, kHands, 77 + size, [&](TGame& game) { mover.Act(game); });
  // Most hands end by play; the rest were stuck in a random muddle of melds.
  EXPECT_GT(played, kHands * 3 / 4);
  // The random moves reach Apply, not only the refusals.
  for (TMoveKind kind : {TMoveKind::Draw, TMoveKind::TakePile, TMoveKind::Meld, TMoveKind::MeldWildcard,
                         TMoveKind::TakeBack, TMoveKind::Discard})
    EXPECT_GT(mover.Applied[static_cast<int>(kind)], 0) << static_cast<int>(kind);
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, RandomMoves, ::testing::Range(0, WindowSizeCount));

}  // namespace

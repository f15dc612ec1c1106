#include "engine/testing/random_play.h"

#include "session/input_translation.h"

#include <gtest/gtest.h>
#include <memory>

using namespace tarvelo;

// Hands played by random clicks and keys anywhere on the table, made into moves
// as the window's are, with the stub opponent answering, under random rules and
// at every window size (the engine's own test plays random moves).
namespace {

class TRandomPlayer {
 public:
  TRandomPlayer(TGame& game, std::uint32_t seed) : game_(game), random_(seed) {}

  void Act() {
    const int roll = random_.Int(100);
    if (roll < 35)
      ClickOnCard();
    else if (roll < 50)
      Click(random_.Int(game_.Layout.ClientWidth + 40) - 20, random_.Int(800) - 20);
    else if (roll < 65)
      PressKey();
    else if (roll < 85)
      MoveOn();
    else if (roll < 92)
      game_.UndoMeld();
    else if (roll < 95)
      game_.UndoAll();
    else if (roll < 99)
      game_.EndHand();
    else
      game_.ApplyLayout(ComputeLayout(random_.Int(WindowSizeCount)));  // the window changes size
  }

 private:
  bool Chance(int percent) { return random_.Int(100) < percent; }

  void Click(int x, int y) {
    const MouseButton button = Chance(60) ? MouseButton::Left : MouseButton::Right;
    const ShiftState shift{Chance(15), Chance(15), Chance(5)};
    input_.Click(button, x, y, shift);
  }

  // A point on a card that is really there, edges included: random points seldom hit one.
  void ClickOnCard() {
    const TLayout& l = game_.Layout;
    const TTableState& t = game_.Table;
    const int dx = random_.Int(l.CardWidth + 1), dy = random_.Int(l.CardHeight + 1);
    const int area = random_.Int(4);
    if (area == 0) return Click(l.LeftMargin + dx, l.StockY + dy);
    if (area == 1) return Click(l.LeftMargin + dx, l.DiscardY + dy);
    const TCardArea& cards = area == 2 ? t.PlayerHand : t.PlayerMelds;
    if (cards.Empty()) return Click(l.LeftMargin + dx, l.PlayerHandY + dy);
    const TCard& card = cards.Cards[random_.Int(cards.Count)];
    Click(card.X + dx, card.Y + random_.Int(StackStep + 1));
  }

  void PressKey() {
    static const int keys[] = {'2', '3', '4', '5', '6', '7',       '8',   '9',   '0',   'J',   'Q',    'K',
                               'A', 'W', 'w', 'X', ' ', KeyEscape, KeyF6, KeyF7, KeyF8, KeyF9, KeyF10, KeyF11};
    const int key = Chance(90) ? keys[random_.Int(std::size(keys))] : random_.Int(1 << 20) - (1 << 19);
    input_.Key(key, ShiftState{Chance(10), Chance(20), Chance(5)});
  }

  // What moves a hand along: draw, then try to discard a card.
  void MoveOn() {
    const TTableState& t = game_.Table;
    const TLayout& l = game_.Layout;
    if (!t.HasDrawn) return input_.Click(MouseButton::Left, l.LeftMargin + 1, l.StockY + 1, {});
    if (t.PlayerHand.Empty()) return;
    const TCard& card = t.PlayerHand.Cards[random_.Int(t.PlayerHand.Count)];
    for (int i = 0; i <= game_.RightClicks; ++i) input_.Click(MouseButton::Right, card.X + 1, card.Y + 1, {});
  }

  TGame& game_;
  TInputTranslation input_{game_};
  TRandomSource random_;
};

struct RandomPlay : ::testing::TestWithParam<int> {};

TEST_P(RandomPlay, EveryActionKeepsTheTableWhole) {
  const int size = GetParam();
  constexpr int kHands = 600;
  std::unique_ptr<TRandomPlayer> player;
  const int played = PlayRandomHands(size, kHands, 77 + size, [&](TGame& game) {
    if (!player) player = std::make_unique<TRandomPlayer>(game, 91 + size);
    player->Act();
  });
  // Most hands end by play; the rest were stuck in a random muddle of melds.
  EXPECT_GT(played, kHands * 3 / 4);
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, RandomPlay, ::testing::Range(0, WindowSizeCount));

}  // namespace

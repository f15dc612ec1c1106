#include "engine/game.h"
#include "engine/invariants.h"
#include "engine/random_source.h"
#include "engine/silent_host.h"
#include "engine/testing/stub_opponent.h"
#include "session/input_translation.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

using namespace tarvelo;

// Hands played by random clicks and keys anywhere on the table, made into moves
// as the window's are, with the stub opponent answering, under random rules and
// at every window size. After every action the table must hold each of the 108
// cards exactly once, in place.
namespace {

class TRandomPlayHost : public TDeferredTurns<TSilentHost> {
 public:
  using TDeferredTurns::TDeferredTurns;
  int HandsScored = 0;
  int Warnings = 0;
  bool UndoEnabled = false;
  void ShowHandResults(const THandResults&) override { ++HandsScored; }
  void Warning(const std::string&) override { ++Warnings; }  // a failed undo of a pile take
  void SetUndoEnabled(bool enabled) override { UndoEnabled = enabled; }
};

class TRandomPlayer {
 public:
  TRandomPlayer(TGame& game, std::uint32_t seed) : game_(game), random_(seed) {}

  void RandomRules() {
    TRuleSettings& r = game_.Rules;
    for (bool* rule :
         {&r.CanastaRequired, &r.AddToCanasta, &r.TopCardCounts, &r.InitialBlock, &r.InitialBlockForBoth,
          &r.NaturalPair, &r.AddExistingMeld, &r.DrawExtra, &r.ThreeBlock, &r.BonusCounts, &r.WildcardCanasta})
      *rule = Chance(50);
    r.NumberOfCanastas = 1 + random_.Int(2);
    r.NumberOfCards = 1 + random_.Int(2);
    game_.RightClicks = random_.Int(2);
  }

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

// Where a card of the hand or the player's melds must lie: in its column, the
// open columns stacked 12 pixels apart from the base row with the anchor on the
// last card, a closed canasta as one pile.
std::string CheckPlacement(const TGame& game) {
  const TTableState& t = game.Table;
  const TLayout& l = game.Layout;
  for (const bool melds : {false, true}) {
    const TCardArea& area = melds ? t.PlayerMelds : t.PlayerHand;
    const int base = melds ? l.PlayerMeldY : l.PlayerHandY;
    const std::string name = melds ? "meld" : "hand";
    std::array<int, ColumnCount> n{};
    for (int i = 0; i < area.Count; ++i) {
      const TCard& card = area.Cards[i];
      const int c = melds ? game.ColumnOf(card.X) : card.Rank;
      ++n[c];
      const bool closed = melds && t.PlayerCanastas.Kind[c] != NoCanasta;
      const bool stacked = closed ? card.Y == base + StackStep
                                  : card.Y > base && card.Y <= area.Columns[c].Y && (card.Y - base) % StackStep == 0;
      if (card.X != l.ColumnX(c) || !stacked) return name + " card out of place in column " + std::to_string(c);
    }
    for (int c = 0; c < ColumnCount; ++c) {
      const bool closed = melds && t.PlayerCanastas.Kind[c] != NoCanasta;
      if (closed && n[c] < 7) return "a canasta of fewer than seven cards in column " + std::to_string(c);
      const int expected = base + StackStep * (closed ? 1 : n[c]);
      if (area.Columns[c].Y != expected)
        return name + " column " + std::to_string(c) + " has its anchor at " + std::to_string(area.Columns[c].Y) +
               " instead of " + std::to_string(expected);
    }
  }
  return "";
}

struct RandomPlay : ::testing::TestWithParam<int> {};

TEST_P(RandomPlay, EveryActionKeepsTheTableWhole) {
  const int size = GetParam();
  constexpr int kHands = 600;
  TRandomPlayHost host(1000 + size);
  TGame game(host);
  TRandomPlayer player(game, 77 + size);
  int abandoned = 0;
  long actions = 0;
  for (int hand = 0; hand < kHands; ++hand) {
    // The narrowest table leaves no gap between the columns: inclusive edges meet.
    const int width = hand % 5 == 0 ? 14 * WindowSizes[size].CardWidth : WindowSizes[size].Width;
    game.Layout = ComputeLayout(size, width);
    game.ResetAnchors();
    player.RandomRules();
    const int scored = host.HandsScored;
    game.DealHand(false);
    host.RunOpponentTurns(game);
    int step = 0;
    for (; host.HandsScored == scored && step < 1500; ++step, ++actions) {
      SCOPED_TRACE("hand " + std::to_string(hand) + ", action " + std::to_string(step));
      try {
        player.Act();
        host.RunOpponentTurns(game);
      } catch (const TRangeFault& fault) {
        FAIL() << "range fault: " << fault.what();
      }
      const TTableState& t = game.Table;
      ASSERT_EQ(CheckCardConservation(t), "");
      ASSERT_LE(t.pickupMemory.Count, MaxCards);
      ASSERT_LT(t.Phase, PhaseCount);
      ASSERT_FALSE(t.OpponentToMove);  // the turn always comes back
      ASSERT_EQ(host.UndoEnabled, !game.UndoStack.empty());
      ASSERT_EQ(host.Warnings, 0);
      ASSERT_EQ(CheckPlacement(game), "");
    }
    if (host.HandsScored == scored) ++abandoned;
  }
  // Most hands end by play; the rest were stuck in a random muddle of melds.
  EXPECT_LT(abandoned, kHands / 4);
  RecordProperty("actions", std::to_string(actions));
  RecordProperty("abandoned", std::to_string(abandoned));
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, RandomPlay, ::testing::Range(0, WindowSizeCount));

}  // namespace

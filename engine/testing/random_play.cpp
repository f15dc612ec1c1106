#include "engine/testing/random_play.h"

#include "engine/invariants.h"

#include <array>
#include <gtest/gtest.h>

namespace tarvelo {

void RandomRules(TGame& game, TRandomSource& random) {
  TRuleSettings& r = game.Rules;
  for (bool* rule :
       {&r.CanastaRequired, &r.AddToCanasta, &r.TopCardCounts, &r.InitialBlock, &r.InitialBlockForBoth, &r.NaturalPair,
        &r.AddExistingMeld, &r.DrawExtra, &r.ThreeBlock, &r.BonusCounts, &r.WildcardCanasta})
    *rule = random.Int(100) < 50;
  r.NumberOfCanastas = 1 + random.Int(2);
  r.NumberOfCards = 1 + random.Int(2);
  game.RightClicks = random.Int(2);
}

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

namespace {
// The table after one action, as it must always be; an empty text when it is.
std::string TableFault(const TGame& game, const TRandomPlayHost& host) {
  const TTableState& t = game.Table;
  if (std::string fault = CheckCardConservation(t); !fault.empty()) return fault;
  if (t.pickupMemory.Count > MaxCards) return "the pick-up memory overflows";
  if (t.Phase >= PhaseCount) return "a phase out of range";
  if (t.OpponentToMove) return "the turn did not come back";
  if (host.UndoEnabled == game.UndoStack.empty()) return "the undo item disagrees with the undo stack";
  if (host.Warnings != 0) return "a warning was shown";
  return CheckPlacement(game);
}
}  // namespace

int PlayRandomHands(int size, int hands, std::uint32_t seed, const std::function<void(TGame&)>& act) {
  TRandomPlayHost host(1000 + size);
  TGame game(host);
  TRandomSource random(seed);
  int played = 0;
  for (int hand = 0; hand < hands; ++hand) {
    // The narrowest table leaves no gap between the columns: inclusive edges meet.
    const int width = hand % 5 == 0 ? 14 * WindowSizes[size].CardWidth : WindowSizes[size].Width;
    game.Layout = ComputeLayout(size, width);
    game.ResetAnchors();
    RandomRules(game, random);
    const int scored = host.HandsScored;
    game.DealHand(false);
    host.RunOpponentTurns(game);
    for (int step = 0; host.HandsScored == scored && step < 1500; ++step) {
      try {
        act(game);
        host.RunOpponentTurns(game);
      } catch (const TRangeFault& fault) {
        ADD_FAILURE() << "hand " << hand << ", action " << step << ": range fault: " << fault.what();
        return played;
      }
      if (const std::string fault = TableFault(game, host); !fault.empty()) {
        ADD_FAILURE() << "hand " << hand << ", action " << step << ": " << fault;
        return played;
      }
    }
    if (host.HandsScored != scored) ++played;
  }
  return played;
}

}  // namespace tarvelo

#include "ai/selfplay/turn_check.h"

#include "engine/invariants.h"
#include "engine/meld_checks.h"
#include "engine/seat_rules.h"

namespace tarvelo {

TTurnStart RecordTurnStart(const TGame& game) {
  const TTableState& t = game.Table;
  TTurnStart start;
  start.MeldValue = game.MeldValueOf(Seat::Opponent, true);
  start.Minimum = TGame::InitialMeldFor(t.OpponentScore);
  start.DiscardCount = t.DiscardPile.Count;
  if (!t.DiscardPile.Empty()) start.PileTop = t.DiscardPile.Top();
  return start;
}

namespace {
// The pile's top card of the turn start now lies in the melds of the seat that played.
bool TookThePile(const TGame& game, const TTurnStart& start) {
  if (start.DiscardCount == 0) return false;
  const TTableState& t = game.Table;
  if (t.DiscardPile.Count >= start.DiscardCount) return false;
  return FindFirst(t.OpponentMelds,
                   [&](const TCard& c) { return c.Id == start.PileTop.Id && c.Deck == start.PileTop.Deck; }) >= 0;
}
}  // namespace

std::vector<std::string> CheckFinishedTurn(const TGame& game, const TTurnStart& start) {
  std::vector<std::string> faults;
  if (std::string lost = CheckCardConservation(game.Table); !lost.empty()) faults.push_back("cards: " + lost);

  int minimum = start.Minimum;
  // A first meld made with the pile must, without the top card counting, reach the raised minimum.
  if (start.MeldValue == 0 && TookThePile(game, start)) minimum += TopCardRaise(game.Rules, start.PileTop);
  const bool handEmpty = game.Table.OpponentHand.Empty();
  if (std::string fault = MeldFault(game, Seat::Opponent, {.Minimum = minimum, .GoingOut = handEmpty}); !fault.empty())
    faults.push_back(fault);
  if (handEmpty && !HasCanastasToGoOut(game, Seat::Opponent))
    faults.push_back("the hand was emptied without the canastas to go out");
  return faults;
}

}  // namespace tarvelo

#include "engine/seat_rules.h"

#include "engine/game.h"
#include "engine/meld_checks.h"

namespace tarvelo {

const TCardArea& HandOf(const TTableState& table, Seat seat) {
  return seat == Seat::Player ? table.PlayerHand : table.OpponentHand;
}

bool HasCanastasToGoOut(const TGame& game, Seat seat) {
  return game.Table.CanastasOf(seat).Count >= game.Rules.NumberOfCanastas;
}

namespace {
// The top card may be laid onto the seat's melds, whatever the pile holds beneath it.
bool TopFitsMelds(const TGame& game, Seat seat, const TColumnCounts& n, int r) {
  const TRuleSettings& rules = game.Rules;
  const int k = n[MeldCounts(seat) + r];  // cards already melded in the top card's column
  const int h = n[HandCounts(seat) + r];  // naturals of its rank in hand
  const int w = n[HandCounts(seat) + RankJoker] + n[HandCounts(seat) + RankTwo];
  if (h >= 2) return k >= 7 ? rules.AddToCanasta : true;
  if (game.IsPileFrozen(seat)) return false;
  if (k >= 3) return !rules.AddExistingMeld && (k < 7 || rules.AddToCanasta);
  return !rules.NaturalPair && h == 1 && w > 0;
}
}  // namespace

bool MayTakePile(const TGame& game, Seat seat, bool allowForced) {
  const TTableState& t = game.Table;
  if (t.DiscardPile.Empty()) return false;
  const TColumnCounts n = CountedColumns(t);
  const int r = t.DiscardPile.Top().Rank;
  bool ok = TopFitsMelds(game, seat, n, r);
  if (allowForced && t.StockExhausted && IsForcedToTake(game, seat)) ok = true;
  ok = ok && r >= RankFour;  // a wildcard or a three on top is never taken
  // A new meld from the pile must leave cards to go on with.
  const int handCount = HandOf(t, seat).Count;
  const int mustExceed = HasCanastasToGoOut(game, seat) ? 0 : 3;
  if (n[MeldCounts(seat) + r] == 0 && handCount + t.DiscardPile.Count <= mustExceed) ok = false;
  if (t.DiscardPile.Count == 1 && handCount == 1) ok = false;
  return ok;
}

bool IsForcedToTake(const TGame& game, Seat seat) {
  const TTableState& t = game.Table;
  if (t.DiscardPile.Empty() || t.PileFrozen) return false;
  const int r = t.DiscardPile.Top().Rank;
  if (r < RankFour || (t.DiscardPile.Count == 1 && HandOf(t, seat).Count == 1)) return false;
  const int k = CountedColumns(t)[MeldCounts(seat) + r];
  return (k >= 3 && k <= 6) || (game.Rules.AddToCanasta && (k == 7 || k == 8));
}

int TopCardRaise(const TRuleSettings& rules, const TCard& top) { return rules.TopCardCounts ? 0 : top.Value; }

bool PileRestToCome(const TTableState& t, Seat seat) {
  const bool taking = seat == Seat::Player ? t.TopCardPending : t.OpponentTakeOpen;
  return taking && !t.DiscardPile.Empty();
}

bool MayPassDiscard(const TGame& game, Seat seat) {
  return HandOf(game.Table, seat).Count < 2 && !HasCanastasToGoOut(game, seat);
}

bool MayMeldBlackThrees(const TGame& game, Seat seat) {
  const TTableState& t = game.Table;
  if (seat == Seat::Player && t.MayMeldBlackThrees) return true;  // once allowed, for the rest of the turn
  const int threes = CountedColumns(t)[HandCounts(seat) + RankThree];
  const int hand = HandOf(t, seat).Count;
  // Those already laid while going out count with the ones still to come.
  int laid = 0;
  for (const TCard& c : t.MeldsOf(seat).Live()) laid += IsBlackThree(c) ? 1 : 0;
  return HasCanastasToGoOut(game, seat) && threes + laid > 2 && (hand == threes || hand == threes + 1);
}

std::string TurnEndFault(const TGame& game, Seat seat, int leaving) {
  const TTableState& t = game.Table;
  const int minimum = seat == Seat::Player ? t.InitialMeldMinimum : TGame::InitialMeldFor(t.OpponentScore);
  const TMeldJudgement finishedTurn{.Minimum = minimum, .GoingOut = HandOf(t, seat).Count - leaving == 0};
  std::string fault = MeldFault(game, seat, finishedTurn);
  if (fault.empty() && seat == Seat::Player && t.TopCardPending) fault = TopCardFault;
  // A peer's pile take is made good by its own message before the turn may end.
  if (fault.empty() && seat == Seat::Opponent && t.PendingPhase == PhaseTakePile && t.OpponentTakeOpen)
    fault = TopCardFault;
  return fault;
}

}  // namespace tarvelo

#include "engine/peer_moves.h"

#include "engine/game.h"
#include "engine/meld_checks.h"
#include "engine/seat_moves.h"
#include "engine/seat_rules.h"
#include "engine/silent_host.h"

#include <algorithm>

namespace tarvelo {

namespace {
constexpr Seat Peer = Seat::Opponent;

bool TakeOpen(const TTableState& t) { return t.PendingPhase == PhaseTakePile && t.OpponentTakeOpen; }

// The first meld of a hand that took the pile is held to the top card's points as well.
int PeerMinimum(const TGame& game) {
  const TTableState& t = game.Table;
  return TGame::InitialMeldFor(t.OpponentScore) + (TakeOpen(t) ? TopCardRaise(game.Rules, t.PileTopCard) : 0);
}

TRefusal RestOfPileRefusal(const TGame& game) {
  const TTableState& t = game.Table;
  if (!TakeOpen(t)) return TRefusal::Silent("no pile take is open");
  if (!t.OpponentTakeConditional) return {};
  const TPileTakeDemand demand{.Rank = t.PileTakeRank,
                               .Conditional = true,
                               .NeedsHand = t.PileTakeNeedsHand,
                               .ColumnBase = t.PileTakeColumnBase,
                               .NaturalBase = t.PileTakeHandBase};
  std::string fault = PileTakeFault(game, Peer, demand);
  if (fault.empty()) fault = MeldFault(game, Peer, {.Minimum = PeerMinimum(game)});
  return fault.empty() ? TRefusal::None() : TRefusal::Shown(ErrorDiscardNotPossible, std::move(fault));
}

// Laid this turn: more of that card in the column than when the turn's draw
// or pile take was made good, the top card of a take still open aside.
bool LaidThisTurn(const TTableState& t, const TCard& card) {
  auto same = [&](const TCard& c) { return c.Id == card.Id && c.Column == card.Column; };
  const auto now = std::count_if(t.OpponentMelds.Live().begin(), t.OpponentMelds.Live().end(), same);
  auto before = std::count_if(t.UndoPlayerMelds.Live().begin(), t.UndoPlayerMelds.Live().end(), same);
  if (TakeOpen(t) && same(t.PileTopCard)) ++before;
  return now > before;
}

TRefusal TakeBackRefusal(const TGame& game, const TMove& move) {
  const TTableState& t = game.Table;
  if (!HasDrawn(t, Peer) || move.Card < 0 || move.Card >= t.OpponentMelds.Count) return TRefusal::Silent();
  const TCard& card = t.OpponentMelds.Cards[move.Card];
  if (card.Column != move.Column || !LaidThisTurn(t, card)) return TRefusal::Silent("not laid this turn");
  return {};
}

// The cards a step moves, without what follows from them.
void LayStep(TGame& game, const TMove& move);

// A step that empties the hand goes out: it is tried on a copy of the game and
// the melds it leaves are judged as a finished turn.
TRefusal GoingOutRefusal(const TGame& game, const TMove& move) {
  TSilentHost host;
  host.Network = true;
  TGame trial(host);
  static_cast<TGameValues&>(trial) = game;
  trial.Rehearsing = true;
  LayStep(trial, move);
  const TTableState& t = trial.Table;
  if (!t.OpponentHand.Empty() || t.OpponentTakeOpen) return {};
  std::string fault = TurnEndFault(trial, Peer, 0);
  if (fault.empty() && !HasCanastasToGoOut(trial, Peer)) fault = "the hand was emptied without the canastas to go out";
  return fault.empty() ? TRefusal::None() : TRefusal::Shown(ErrorDiscardNotPossible, std::move(fault));
}

// Passing ends the turn: one that this table would not let pass ends it wrongly.
TRefusal PassRefusal(const TGame& game) {
  const TTableState& t = game.Table;
  if (!HasDrawn(t, Peer)) return TRefusal::Silent();
  if (TakeOpen(t)) return TRefusal::Shown(ErrorDiscardNotPossible, TopCardFault);
  if (!MayPassDiscard(game, Peer)) return TRefusal::Shown(ErrorDiscardNotPossible, "the seat could discard");
  return {};
}

bool MayEmptyHand(const TGame& game, const TMove& move) {
  const TTableState& t = game.Table;
  switch (move.Kind) {
    case TMoveKind::Meld:
    case TMoveKind::MeldWildcard:
      return t.OpponentHand.Count <= 1;
    case TMoveKind::TakePileRest:
      return t.DiscardPile.Empty() && t.OpponentHand.Empty();
    default:
      return false;
  }
}
}  // namespace

TRefusal PeerStepRefusal(const TGame& game, const TMove& move) {
  TRefusal refusal;
  switch (move.Kind) {
    case TMoveKind::TakePileRest:
      refusal = RestOfPileRefusal(game);
      break;
    case TMoveKind::GiveBackPile:
      refusal = TakeOpen(game.Table) ? TRefusal::None() : TRefusal::Silent("no pile take is open");
      break;
    case TMoveKind::TakeBack:
      refusal = TakeBackRefusal(game, move);
      break;
    case TMoveKind::Meld:
    case TMoveKind::MeldWildcard:
      // One card at a time, as the messages name them.
      refusal = move.Count != 1 ? TRefusal::Silent() : SeatMoveRefusal(game, Peer, move);
      break;
    case TMoveKind::PassDiscard:
      refusal = PassRefusal(game);
      break;
    default:
      refusal = SeatMoveRefusal(game, Peer, move);
  }
  if (!refusal && MayEmptyHand(game, move)) refusal = GoingOutRefusal(game, move);
  return refusal;
}

namespace {
void DrawStep(TGame& game, TSeatMoves& seat) {
  TTableState& t = game.Table;
  if (!seat.DrawOneCard()) return;
  t.StockDraws = 0;
  t.PendingPhase = PhaseMeld;
  game.SaveTurnSnapshot(Seat::Opponent);
}

// The top card goes into the melds first, as the peer's own side laid it; a
// take that the exhausted stock alone forces leaves the rest of the pile.
void TakePileStep(TGame& game, TSeatMoves& seat) {
  TTableState& t = game.Table;
  const bool onlyForced = !MayTakePile(game, Peer, false);
  const bool frozen = game.IsPileFrozen(Peer);
  if (t.DiscardPile.Count > 12 && !game.Rehearsing) game.Host.PlaySound("Take Huge Pile");
  game.SaveTurnSnapshot(Seat::Opponent);
  const int rank = t.DiscardPile.Top().Rank;
  const int columnBefore = CountedColumns(t)[CountOpponentMelds + rank];
  const auto naturalsBefore = std::count_if(t.OpponentMelds.Live().begin(), t.OpponentMelds.Live().end(),
                                            [rank](const TCard& c) { return c.Rank == rank; });
  t.PileTopCard = seat.LayPileTopInMelds();
  if (onlyForced) {
    t.PendingPhase = PhaseMeld;
    game.SaveTurnSnapshot(Seat::Opponent);
    return;
  }
  t.PendingPhase = PhaseTakePile;
  t.OpponentTakeOpen = true;
  t.OpponentTakeConditional = game.PileTakeIsConditional(frozen, columnBefore);
  t.PileTakeRank = static_cast<std::uint8_t>(rank);
  t.PileTakeColumnBase = columnBefore;
  t.PileTakeHandBase = static_cast<int>(naturalsBefore);
  t.PileTakeNeedsHand = frozen || game.Rules.NaturalPair;
}

void CloseTake(TTableState& t, std::uint8_t phase) {
  t.OpponentTakeOpen = false;
  t.OpponentTakeConditional = false;
  t.PendingPhase = phase;
}

void RestOfPileStep(TGame& game, TSeatMoves& seat) {
  seat.TakeRestOfPileLayingRedThrees();
  CloseTake(game.Table, PhaseMeld);
  // The melds made for the take can no longer be taken back.
  game.SaveTurnSnapshot(Seat::Opponent);
}

// Undone, the take leaves the table as it was before it; given back, it costs 50 points.
void UndoTake(TGame& game, int charge) {
  game.RestoreTurnSnapshot(Seat::Opponent);
  game.Table.OpponentScore -= charge;
  CloseTake(game.Table, PhaseDraw);
  game.RepaintPile();
  game.Host.Repaint();
}

void LayStep(TGame& game, const TMove& move) {
  TSeatMoves seat(game, Peer);
  switch (move.Kind) {
    case TMoveKind::Draw:
      DrawStep(game, seat);
      break;
    case TMoveKind::TakePile:
      TakePileStep(game, seat);
      break;
    case TMoveKind::TakePileRest:
      RestOfPileStep(game, seat);
      break;
    case TMoveKind::GiveBackPile:
      UndoTake(game, 50);
      break;
    case TMoveKind::Meld:
      seat.MeldFromHand(move.Card);
      break;
    case TMoveKind::MeldWildcard:
      seat.MeldWildcard(move.Column, move.Card);
      break;
    case TMoveKind::TakeBack:
      seat.TakeBackFromMelds(move.Card);
      break;
    default:
      break;  // the moves that end a turn or a hand
  }
}

// An emptied hand that has nothing more to come from the pile went out: the
// step was judged as a finished turn before it was made.
void FinishIfOut(TGame& game, TSeatMoves& seat) {
  const TTableState& t = game.Table;
  if (t.OpponentHand.Empty() && !t.OpponentTakeOpen) seat.FinishTurn();
}

void EndTurnStep(TGame& game, const TMove& move) {
  TSeatMoves seat(game, Peer);
  if (!game.Rehearsing) game.Host.PlaySound("End Turn (network games)");
  if (move.Kind == TMoveKind::Discard)
    seat.Discard(seat.RemoveFromHand(move.Card));
  else
    seat.Discard(seat.TakeRedThreeFromMelds(move.Card));
  seat.FinishTurn();
}
}  // namespace

void ApplyPeerStep(TGame& game, const TMove& move) {
  TTableState& t = game.Table;
  switch (move.Kind) {
    case TMoveKind::Discard:
    case TMoveKind::DiscardRedThree:
      EndTurnStep(game, move);
      return;
    case TMoveKind::PassDiscard:
      game.Host.Information(game.Host.PeerName() + " passes the discard.");
      TSeatMoves(game, Peer).FinishTurn();
      return;
    case TMoveKind::EndHand:
      t.EndHandRequested = true;
      game.CheckHandEnd();
      return;
    default:
      break;
  }
  LayStep(game, move);
  TSeatMoves seat(game, Peer);
  FinishIfOut(game, seat);
}

void SettlePeerTurn(TGame& game) {
  TTableState& t = game.Table;
  if (!t.OpponentToMove || t.Phase == PhaseHandOver) return;
  while (t.StockDraws > 0 && !HasDrawn(t, Peer) && !t.Stock.Empty()) LayStep(game, {.Kind = TMoveKind::Draw});
  if (TakeOpen(t)) return UndoTake(game, 0);
  if (!HasDrawn(t, Peer) || MeldFault(game, Peer, {.Minimum = PeerMinimum(game)}).empty()) return;
  game.RestoreTurnSnapshot(Seat::Opponent);
  game.RepaintPile();
  game.Host.Repaint();
}

}  // namespace tarvelo

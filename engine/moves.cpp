#include "engine/moves.h"

#include "engine/game.h"
#include "engine/meld_checks.h"
#include "engine/peer_moves.h"
#include "engine/seat_moves.h"
#include "engine/seat_rules.h"

namespace tarvelo {

namespace {
bool SeatOnTurn(const TGame& game, Seat seat) {
  const TTableState& t = game.Table;
  return t.Phase != PhaseHandOver && t.OpponentToMove == (seat == Seat::Opponent);
}

}  // namespace

// The seat's turn record: the player's is kept on the table; the opponent's
// phase is PendingPhase, which its draw or pile take moves on to melding (a
// peer's take not yet made good is PhaseTakePile).
bool HasDrawn(const TTableState& t, Seat seat) {
  return seat == Seat::Player ? t.HasDrawn : t.PendingPhase == PhaseMeld || t.PendingPhase == PhaseTakePile;
}

namespace {
bool MayDraw(const TTableState& t, Seat seat) { return seat == Seat::Player ? t.MayDraw : !HasDrawn(t, seat); }
bool PileTakeOpen(const TTableState& t, Seat seat) { return seat == Seat::Player && t.PileTakeOpen; }

int WildcardsInHand(const TColumnCounts& n, Seat seat) {
  return n[HandCounts(seat) + RankJoker] + n[HandCounts(seat) + RankTwo];
}

TRefusal DrawRefusal(const TGame& game, Seat seat) {
  if (game.Table.Stock.Empty()) return TRefusal::Silent();
  if (HasDrawn(game.Table, seat)) return TRefusal::Shown(ErrorAlreadyDrawn);
  return {};
}

TRefusal TakePileRefusal(const TGame& game, Seat seat) {
  const TTableState& t = game.Table;
  // A click on the pile while a conditional take is open gives it back instead.
  if (!MayDraw(t, seat)) return PileTakeOpen(t, seat) ? TRefusal::Silent() : TRefusal::Shown(ErrorAlreadyDrawn);
  if (t.StockDraws > 0) return TRefusal::Silent("the draw has begun");
  if (MayTakePile(game, seat, true)) return {};
  const bool oneOnOne = t.DiscardPile.Count == 1 && HandOf(t, seat).Count == 1;
  return TRefusal::Shown(oneOnOne ? ErrorOneCardPileOneCardHand : ErrorPileTopNotMeldable);
}

TRefusal MeldRefusal(const TGame& game, Seat seat, const TMove& move) {
  const TCardArea& hand = HandOf(game.Table, seat);
  if (move.Card < 0 || move.Card >= hand.Count) return TRefusal::Silent();
  if (!HasDrawn(game.Table, seat)) return TRefusal::Shown(ErrorMeldBeforeDraw);
  if (move.Count < 1) return TRefusal::Silent();
  const TCard& card = hand.Cards[move.Card];
  const int inHand = CountedColumns(game.Table)[HandCounts(seat) + card.Rank];
  if (move.Count > inHand) return TRefusal::Silent();
  if (IsBlackThree(card) && !MayMeldBlackThrees(game, seat)) return TRefusal::Shown(ErrorBlackThreesLast);
  return {};
}

TRefusal WildcardRefusal(const TGame& game, Seat seat, const TMove& move) {
  const TTableState& t = game.Table;
  const TCardArea& hand = HandOf(t, seat);
  if (move.Column < 0 || move.Column >= ColumnCount) return TRefusal::Silent();
  if (move.Card >= hand.Count || (move.Card >= 0 && !IsWildcard(hand.Cards[move.Card]))) return TRefusal::Silent();
  if (!HasDrawn(t, seat)) return TRefusal::Shown(ErrorMeldBeforeDraw);
  const TColumnCounts n = CountedColumns(t);
  const int size = n[MeldCounts(seat) + move.Column];
  if (move.Column == RankTwo) {
    if (!game.Rules.WildcardCanasta) return TRefusal::Shown(ErrorWildcardCanastaNotAllowed);
    if (WildcardsInHand(n, seat) + size < 7) return TRefusal::Shown(ErrorWildcardCanastaShort);
  }
  if (move.Count < 1) return TRefusal::Silent();
  if (WildcardsInHand(n, seat) < move.Count) return TRefusal::Silent("no wildcard left in the hand");
  // A last card may only go onto the table when it completes a canasta, or
  // when the rest of a pile taken is still to come into the hand.
  if (hand.Count < 2 && !HasCanastasToGoOut(game, seat) && size != 6 && !PileRestToCome(t, seat))
    return TRefusal::Silent("the last card goes onto the table only to complete a canasta");
  return {};
}

TRefusal DiscardRefusal(const TGame& game, Seat seat, const TMove& move) {
  const TTableState& t = game.Table;
  const TCardArea& hand = HandOf(t, seat);
  if (move.Card < 0 || move.Card >= hand.Count) return TRefusal::Silent();
  if (!HasDrawn(t, seat)) return TRefusal::Shown(ErrorDiscardBeforeDraw);
  if (std::string fault = TurnEndFault(game, seat, 1); !fault.empty())
    return TRefusal::Shown(ErrorDiscardNotPossible, std::move(fault));
  // Discarding the last card is going out, and going out needs the canastas;
  // an empty hand would otherwise sit out the rest of the hand.
  if (hand.Count == 1 && !HasCanastasToGoOut(game, seat))
    return TRefusal::Shown(ErrorDiscardNotPossible, game.Rules.NumberOfCanastas > 1 ? "you need two Canastas to go out"
                                                                                    : "you need a Canasta to go out");
  // A red three in the hand is laid down, never discarded, unless it blocks the pile.
  if (IsRedThree(hand.Cards[move.Card]) && !game.Rules.ThreeBlock)
    return TRefusal::Shown(ErrorDiscardNotPossible, t.DiscardReason);
  return {};
}

TRefusal RedThreeRefusal(const TGame& game, Seat seat, const TMove& move) {
  const TTableState& t = game.Table;
  const TCardArea& melds = t.MeldsOf(seat);
  if (!HasDrawn(t, seat) || !game.Rules.ThreeBlock) return TRefusal::Silent();
  // Only a red three leaves the melds this way; black threes lie there only when going out.
  if (move.Card < 0 || move.Card >= melds.Count || !IsRedThree(melds.Cards[move.Card])) return TRefusal::Silent();
  if (std::string fault = TurnEndFault(game, seat, 0); !fault.empty())
    return TRefusal::Shown(ErrorDiscardNotPossible, std::move(fault));
  return {};
}

TRefusal EndHandRefusal(const TGame& game, Seat seat) {
  const TTableState& t = game.Table;
  // The button is there only while the stock is exhausted and usable only before the draw.
  if (!t.StockExhausted || !MayDraw(t, seat) || (seat == Seat::Player && t.Phase != PhaseDraw))
    return TRefusal::Silent();
  if (IsForcedToTake(game, seat))
    return TRefusal::Boxed(
        "You cannot end this hand now, because you must \n\rmeld the top card of the pile. (You are 'forced').");
  return {};
}
}  // namespace

TRefusal Refusal(const TGame& game, Seat seat, const TMove& move) {
  if (!SeatOnTurn(game, seat)) return TRefusal::Silent();
  if (seat == Seat::Opponent && move.Stepwise) return PeerStepRefusal(game, move);
  return SeatMoveRefusal(game, seat, move);
}

TRefusal SeatMoveRefusal(const TGame& game, Seat seat, const TMove& move) {
  const TTableState& t = game.Table;
  switch (move.Kind) {
    case TMoveKind::Draw:
      return DrawRefusal(game, seat);
    case TMoveKind::TakePile:
      return TakePileRefusal(game, seat);
    case TMoveKind::GiveBackPile:
      return PileTakeOpen(t, seat) && !t.MayDraw ? TRefusal::None() : TRefusal::Silent();
    case TMoveKind::TakePileRest:
      // The player's rest comes by itself once the take is made good.
      return seat == Seat::Opponent && t.OpponentTakeOpen ? TRefusal::None() : TRefusal::Silent();
    case TMoveKind::Meld:
      return MeldRefusal(game, seat, move);
    case TMoveKind::MeldWildcard:
      return WildcardRefusal(game, seat, move);
    case TMoveKind::TakeBack:
      return seat == Seat::Opponent || game.UndoStack.empty() || game.Host.AnimationBusy() ? TRefusal::Silent()
                                                                                           : TRefusal::None();
    case TMoveKind::Discard:
      return DiscardRefusal(game, seat, move);
    case TMoveKind::DiscardRedThree:
      return RedThreeRefusal(game, seat, move);
    case TMoveKind::PassDiscard:
      // A pile take not yet made good is made good or given back first: passing would keep its top card.
      if (seat == Seat::Player && t.TopCardPending) return TRefusal::Silent(TopCardFault);
      return HasDrawn(t, seat) && MayPassDiscard(game, seat) ? TRefusal::None() : TRefusal::Silent();
    case TMoveKind::EndHand:
      return EndHandRefusal(game, seat);
  }
  return TRefusal::Silent();
}

namespace {
void ApplyForPlayer(TGame& game, const TMove& move) {
  switch (move.Kind) {
    case TMoveKind::Draw:
      game.DrawFromStock();
      break;
    case TMoveKind::TakePile:
      game.TakePile();
      break;
    case TMoveKind::TakePileRest:
      break;  // refused: it follows the take by itself
    case TMoveKind::GiveBackPile:
      game.GiveBackPile();
      break;
    case TMoveKind::Meld:
      game.MeldNaturals(move.Card, move.Count);
      break;
    case TMoveKind::MeldWildcard:
      game.AddWildcards(move.Column, move.Count, move.Card);
      break;
    case TMoveKind::TakeBack:
      game.TakeBackLastMeld();
      break;
    case TMoveKind::Discard:
      game.DiscardFromHand(move.Card);
      break;
    case TMoveKind::DiscardRedThree:
      game.DiscardRedThree(move.Card);
      break;
    case TMoveKind::PassDiscard:
      game.PassTurn();
      break;
    case TMoveKind::EndHand:
      game.EndHandNow();
      break;
  }
}

// The opponent's cards move through its seat moves; a discard or a pass ends
// its turn, and the hand when it is over.
void ApplyForOpponent(TGame& game, const TMove& move) {
  TSeatMoves seat(game, Seat::Opponent);
  TTableState& t = game.Table;
  switch (move.Kind) {
    case TMoveKind::Draw:
      seat.DrawFromStock();
      t.PendingPhase = PhaseMeld;
      break;
    case TMoveKind::TakePile:
      seat.TakePileTop(move.Count == 1);
      t.PendingPhase = PhaseMeld;
      t.OpponentTakeOpen = true;
      break;
    case TMoveKind::TakePileRest:
      seat.TakeRestOfPile();
      t.OpponentTakeOpen = false;
      break;
    case TMoveKind::Meld:
      if (move.Count == 1)
        seat.MeldFromHand(move.Card);
      else
        seat.MeldNaturals(t.OpponentHand.Cards[move.Card].Rank, move.Count);
      break;
    case TMoveKind::MeldWildcard:
      for (int i = 0; i < move.Count; ++i) seat.MeldWildcard(move.Column, i == 0 ? move.Card : -1);
      break;
    case TMoveKind::Discard:
      seat.Discard(seat.RemoveFromHand(move.Card));
      seat.FinishTurn();
      break;
    case TMoveKind::DiscardRedThree:
      seat.Discard(seat.TakeRedThreeFromMelds(move.Card));
      seat.FinishTurn();
      break;
    case TMoveKind::PassDiscard:
      game.Host.Information(game.Host.NetworkGameActive() ? game.Host.PeerName() + " passes the discard."
                                                          : "The computer passes the discard.");
      seat.FinishTurn();
      break;
    case TMoveKind::GiveBackPile:
    case TMoveKind::TakeBack:
    case TMoveKind::EndHand:
      break;  // refused: the player's own
  }
}
}  // namespace

void Apply(TGame& game, Seat seat, const TMove& move) {
  if (seat == Seat::Player)
    ApplyForPlayer(game, move);
  else if (move.Stepwise)
    ApplyPeerStep(game, move);
  else
    ApplyForOpponent(game, move);
}

bool TryMove(TGame& game, Seat seat, const TMove& move) {
  const TRefusal refusal = Refusal(game, seat, move);
  if (!refusal) {
    Apply(game, seat, move);
    return true;
  }
  if (refusal.Error != StatusPhase) {
    if (refusal.Error == ErrorDiscardNotPossible) game.Table.DiscardReason = refusal.Reason;
    game.ShowStatus(refusal.Error);
  } else if (refusal.InBox) {
    game.Host.Information(refusal.Reason);
  }
  return false;
}

}  // namespace tarvelo

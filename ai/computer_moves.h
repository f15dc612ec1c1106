#pragma once

#include "engine/game.h"
#include "engine/moves.h"
#include "engine/seat_moves.h"

#include <functional>
#include <string>

namespace tarvelo {

// The computer's hands on its cards: every card it lays, draws, takes or
// discards, and its pass, is a move of its seat, judged by Refusal and made by
// Apply as any seat's move is. A move the rules refuse is not made, and Refused
// hears of it.
class TComputerMoves {
 public:
  using TRefused = std::function<void(const std::string&)>;
  // refused: hears each move the rules refuse (it may be empty).
  TComputerMoves(TGame& game, const TRefused& refused) : game_(game), refused_(refused) {}

  TCardArea& Hand() const { return seat_.Hand(); }
  bool Make(const TMove& move);

  void DrawFromStock() { Make({.Kind = TMoveKind::Draw}); }
  // The pile's top card into the hand (thaw: its freeze lifted first); the card as it lies there.
  TCard TakePileTop(bool thaw);
  void TakeRestOfPile() { Make({.Kind = TMoveKind::TakePileRest}); }
  bool MeldFromHand(int index) { return Make({.Kind = TMoveKind::Meld, .Card = index}); }
  // `count` cards of a rank from the end of the hand, so that a top card just taken is laid first.
  void MeldNaturals(int rank, int count);
  // A joker, else a two, onto the meld of that column; without one a meld error is reported.
  void MeldWildcard(int column);
  // Every red three of the hand into the melds, from the end of the hand or from its start.
  void LayDownRedThrees(bool fromEnd);

  // Not moves of their own: a turn that ends without a discard or a pass (out
  // by melding, nothing to discard) shown and handed over.
  void RepaintTurnEnd() { seat_.RepaintTurnEnd(); }
  void EndTurn() { seat_.EndTurn(); }
  void HandTurnBack() { seat_.HandTurnBack(); }
  void Pause() { seat_.Pause(); }

 private:
  TGame& game_;
  const TRefused& refused_;
  TSeatMoves seat_{game_, Seat::Opponent};
};

}  // namespace tarvelo

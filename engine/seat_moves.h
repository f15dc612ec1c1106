#pragma once

#include "engine/game.h"

namespace tarvelo {

// The card moves of a seat's turn, for either seat: cards into and out of its
// hand, from the hand into its meld columns, from the stock and the pile, onto
// the pile, and the turn handed over. What to move is the seat's own choice;
// these say only how cards move.
//
// The player's seat keeps its hand in rank columns and stacks its melds
// downward; the opponent's seat keeps its hand in one row at the top and
// stacks its melds upward, its moves pause so that they can be followed, and
// its meld value is kept as it melds (the player's is counted from its melds).
// Nothing is shown while the game is rehearsing a step.
class TSeatMoves {
 public:
  TSeatMoves(TGame& game, Seat seat) : game_(game), seat_(seat) {}

  Seat SeatOf() const { return seat_; }
  TCardArea& Hand() const;

  void AddToHand(TCard card, bool animate);
  TCard RemoveFromHand(int index);
  void MeldFromHand(int index);
  // Lays `count` cards of a rank from the hand, from its end, so that a top
  // card just taken is laid first.
  void MeldNaturals(int rank, int count);
  // Lays the wildcard at `index` of the hand, or a joker, else a two, onto the meld of that column.
  void MeldWildcard(int column, int index = -1);
  // The turn's cards from the stock; under DrawExtra a red three is replaced
  // while the stock lasts. Red threes drawn stay in the hand until the seat
  // melds them.
  void DrawFromStock();
  // thaw: the pile's freeze is lifted, with a pause, before the top card comes.
  TCard TakePileTop(bool thaw);
  void TakeRestOfPile();

  // A peer's moves arrive one step at a time, as the other side made them on
  // its own player's seat: one card drawn, the pile's top card laid into the
  // melds, red threes laid out as they come.
  // One card of the turn's draw; true once the draw is complete.
  bool DrawOneCard();
  // The pile's top card into the melds, its column judged for a canasta.
  TCard LayPileTopInMelds();
  // The rest of the pile into the hand, its red threes laid out.
  void TakeRestOfPileLayingRedThrees();
  // A card laid this turn taken back into the hand: a canasta it leaves short
  // is opened again, as the player's own undo does.
  void TakeBackFromMelds(int index);
  // Takes a red three back out of the melds to be discarded; the red threes
  // after it close up.
  TCard TakeRedThreeFromMelds(int index);
  // Lays a card that has left the hand (or the melds) onto the pile; a
  // wildcard or a red three freezes it.
  void Discard(const TCard& from);
  // Shows the pile and the opponent's row as they are at the end of a turn.
  void RepaintTurnEnd();
  // The hand ends here, or the turn passes to the other seat.
  void EndTurn();
  // The table shown as the turn leaves it, then EndTurn.
  void FinishTurn();
  void HandTurnBack();

  void Pause();

 private:
  TCardArea& Melds() const { return game_.Table.MeldsOf(seat_); }
  int MeldCountOf(int column) const;
  bool Player() const { return seat_ == Seat::Player; }
  int FindInHand(int rank) const;
  // A meld column grown to seven cards may have become a canasta.
  void CheckCanastaAfterMeld(int column);
  // A card that has left the hand or the pile laid face up into its rank's meld column.
  TCard LayInRankColumn(const TCard& from);

  TGame& game_;
  const Seat seat_;
};

}  // namespace tarvelo

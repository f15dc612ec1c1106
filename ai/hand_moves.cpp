// How many cards of a rank every level lays, and where its wildcards lie; the
// cards themselves move through the seat's moves (engine/seat_moves.h).
#include "ai/computer_player.h"

#include <algorithm>

namespace tarvelo {

int TComputerPlayer::findInHand(int rank) const {
  return FindFirst(Game.Table.OpponentHand, [rank](const TCard& c) { return c.Rank == rank; });
}

int TComputerPlayer::CardsToLay(int rank, int limit) {
  recountTallies();
  const int n = limit == 0 ? Tally.ownHand[rank] : std::min(limit, Tally.ownHand[rank]);
  // As for the player's own melding of a whole rank: short of the canastas to go
  // out, a card stays in the hand for the discard. While the pile is being
  // taken, the rest of it is still to come into the hand.
  const TTableState& t = Game.Table;
  const int coming = turn_.TakingPile ? t.DiscardPile.Count : 0;
  return n == t.OpponentHand.Count + coming && !HasCanastasNeeded() ? n - 1 : n;
}

void TComputerPlayer::meldNaturals(int rank, int limit) {
  Moves.MeldNaturals(rank, CardsToLay(rank, limit));
  recountTallies();
  if (Tally.ownMeld[rank] == 2 && rank >= RankFour) Moves.MeldWildcard(rank);
}

int TComputerPlayer::wildcardsInMeld(int rank) const {
  int n = 0;
  for (const TCard& c : Game.Table.OpponentMelds.Live())
    if (IsWildcard(c) && c.Column == rank) ++n;
  return n;
}

}  // namespace tarvelo

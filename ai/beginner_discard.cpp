// The Beginner level's choice of the card to discard.
#include "ai/computer_player.h"

namespace tarvelo {

int TComputerPlayer::beginnerChooseDiscard() {
  const TCardArea& hand = Game.Table.OpponentHand;
  recountTallies();
  bool feedsPlayer = false;  // the player has five or six of a rank the computer holds
  for (int r = RankFour; r <= RankAce; ++r)
    feedsPlayer = feedsPlayer || (Tally.ownHand[r] > 0 && (Tally.oppMeld[r] == 5 || Tally.oppMeld[r] == 6));
  const bool onlyWildcardsAndThrees = FindFirst(hand, [](const TCard& c) { return c.Rank > RankThree; }) < 0;
  if ((feedsPlayer && Tally.WildcardsInHand() > 0 && !PileFrozenForComputer()) || onlyWildcardsAndThrees) {
    for (const int index : {FindFirst(hand, IsBlackThree), findInHand(RankTwo), findInHand(RankJoker)})
      if (index >= 0) return index;
  }
  if (hand.Empty()) {
    // The turn never asks with an empty hand; should it, the game goes on without a discard.
    Game.Host.Warning("No card left to discard.");
    return -1;
  }
  const int candidate = BeginnerSafeRank();
  const bool single = candidate != 0 && Tally.ownHand[candidate] == 1;
  const int blackThree = FindFirst(hand, IsBlackThree);
  if ((!single || hand.Count - BlackThreesInHand() == 1) && blackThree >= 0) return blackThree;
  return candidate != 0 ? findInHand(candidate) : 0;
}

int TComputerPlayer::BeginnerSafeRank() const {
  // The fewest cards first; among them the ranks the player has melded least, then those it has closed.
  for (int i = 1; i <= 9; ++i) {
    for (const int limit : {2, 3, 4, 5})
      for (int r = RankFour; r <= RankAce; ++r)
        if (Tally.ownHand[r] == i && Tally.oppMeld[r] <= limit) return r;
    for (int r = RankFour; r <= RankAce; ++r)
      if (Tally.ownHand[r] == i && Tally.oppMeld[r] >= 7) return r;
  }
  return 0;
}

}  // namespace tarvelo

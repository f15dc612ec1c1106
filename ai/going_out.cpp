// Laying naturals within a budget and finishing the hand: the steps with
// which a level that has the canastas it needs empties its hand.
#include "ai/computer_player.h"

namespace tarvelo {

void TComputerPlayer::LayNaturalsWithin(int budget, bool keepOneBack) {
  for (int r = RankAce; r >= RankFour; --r) {
    recountTallies();
    const int n = Tally.ownHand[r];
    const bool qualifies = (Tally.ownMeld[r] > 0 && n >= 1) || n >= 3;
    if (!qualifies || n > budget) continue;
    const int lay = keepOneBack && n == budget ? n - 1 : n;
    // A card kept back must not leave a new meld of two: then the rank stays in the hand.
    if (lay < 3 && Tally.ownMeld[r] == 0) continue;
    budget -= n;
    Guarded("laying naturals", [&] {
      for (int i = 0; i < lay; ++i) Moves.MeldFromHand(findInHand(r));
    });
  }
}

int TComputerPlayer::BlackThreesInHand() const {
  int n = 0;
  for (const TCard& c : Game.Table.OpponentHand.Live()) n += IsBlackThree(c) ? 1 : 0;
  return n;
}

int TComputerPlayer::PairsInHand() const {
  int pairs = 0;
  for (int r = RankFour; r <= RankAce; ++r) pairs += Tally.ownHand[r] == 2 ? 1 : 0;
  return pairs;
}

void TComputerPlayer::finishGoingOut() {
  recountTallies();
  const int b3 = BlackThreesInHand();
  const int pairs = PairsInHand();
  const int spare = Tally.WildcardsInHand() - pairs;
  int rest = Game.Table.OpponentHand.Count - 3 * pairs - spare;
  if (b3 >= 3) rest -= b3;
  if (spare < 0 || rest > 1) return;
  for (int r = RankAce; r >= RankFour; --r) {
    recountTallies();
    if (Tally.ownHand[r] == 2) meldNaturals(r, 0);  // a new meld gets its wildcard
  }
  HandOutWildcards(spare);
  // The black threes go down last, and only when at most the discard is left besides them.
  if (b3 >= 3 && Game.Table.OpponentHand.Count - b3 <= 1) LayBlackThrees();
}

void TComputerPlayer::LayBlackThrees() {
  const TCardArea& hand = Game.Table.OpponentHand;
  for (int i = FindFirst(hand, IsBlackThree); i >= 0; i = FindFirst(hand, IsBlackThree))
    if (!Moves.MeldFromHand(i)) return;  // refused: the threes stay in the hand
}

void TComputerPlayer::HandOutWildcards(int count) {
  recountTallies();
  const TCanastaInfo& canastas = Game.Table.OpponentCanastas;
  // Each open meld takes as many as keep its wildcards no more than its naturals.
  for (int r = RankFour; r <= RankAce && count > 0; ++r) {
    if (canastas.Kind[r] != NoCanasta || Tally.ownMeld[r] >= 7) continue;
    const int wild = wildcardsInMeld(r);
    for (int room = Tally.ownMeld[r] - 2 * wild; room > 0 && count > 0 && HasWildcardInHand(); --room, --count)
      Guarded("a spare wildcard", [&] { Moves.MeldWildcard(r); });
  }
  // The rest go on the lowest canasta that can still take a wildcard; without one they stay in the hand.
  for (; count > 0 && HasWildcardInHand(); --count) {
    const int canasta = LowestCanastaTakingWildcard();
    if (canasta == 0) return;
    Guarded("a spare wildcard", [&] { Moves.MeldWildcard(canasta); });
  }
}

bool TComputerPlayer::HasWildcardInHand() const {
  return FindFirst(Game.Table.OpponentHand, [](const TCard& c) { return IsWildcard(c); }) >= 0;
}

int TComputerPlayer::LowestCanastaTakingWildcard() {
  recountTallies();
  for (int r = RankFour; r <= RankAce; ++r)
    if (Game.Table.OpponentCanastas.Kind[r] != NoCanasta && Tally.ownMeld[r] > 2 * wildcardsInMeld(r)) return r;
  return 0;
}

}  // namespace tarvelo

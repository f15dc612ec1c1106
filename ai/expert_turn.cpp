// The Expert level: its turn, the values each turn starts from, and what it
// lays right after taking the pile.
#include "ai/computer_player.h"

namespace tarvelo {

void TComputerPlayer::expertTurn() { PlayTurn(ExpertLevelSteps()); }

void TComputerPlayer::ExpertSetUp() {
  const TTableState& t = Game.Table;
  const int stock = t.Stock.Count;
  // The emptier the stock, the likelier a bold turn; with no stock left every turn is one.
  const int r = stock > 0 ? Game.Host.RandomInt(stock) : 0;
  aggressiveTurn = Aggressiveness() * 0.6 + 10 > r;
  if (t.DiscardPile.Count == 1) {
    // A fresh pile: blocking goes on only with black threes to block with.
    if (BlackThreesInHand() < 2) threeBlocking = false;
    shedRank = 0;
  }
  const int unseen = stock + t.DiscardPile.Count;
  opponentHoldsMajority =
      unseen <= 61 && t.PlayerHand.Count + t.PlayerMelds.Count >= (77 - unseen) / 2 + 21 && !HasMelded();
}

void TComputerPlayer::ExpertMeldTakenCard(const TCard& top) { expertTakeMeld(top.Rank); }

void TComputerPlayer::expertTakeMeld(int topRank) {
  recountTallies();
  if (Tally.ownMeld[topRank] < 3) {
    if (!HasMelded()) {
      // The top card makes the pair a triple: the wildcard planned for it is not needed.
      if (Tally.ownHand[topRank] == 2) --plannedWildcards;
      meldNaturals(topRank, 0);
      completeInitialMeld();
    } else {
      meldNaturals(topRank, 3);
    }
  } else {
    const bool pairNeeded = PileFrozenForComputer() || (Game.Rules.NaturalPair && Game.Rules.AddExistingMeld);
    meldNaturals(topRank, pairNeeded ? 3 : 1);
  }
  canastaProspect = false;
}

void TComputerPlayer::ExpertLayExhaustedTop(int rank) { meldNaturals(rank, 1); }

}  // namespace tarvelo

// The Beginner level: takes the pile only for an obvious gain, melds as soon
// as it can and goes out as soon as it has the canastas it needs.
#include "ai/computer_player.h"

#include <optional>

namespace tarvelo {

void TComputerPlayer::beginnerTurn() {
  PlayTurn({nullptr, true, &TComputerPlayer::beginnerPileDecision, &TComputerPlayer::BeginnerMeldTakenCard,
            &TComputerPlayer::LayRankOf, &TComputerPlayer::BeginnerMeldStep, &TComputerPlayer::beginnerChooseDiscard});
}

void TComputerPlayer::BeginnerMeldTakenCard(const TCard& top) {
  layRankFromHand(top);
  beginnerCompleteInitialMeld();
}

void TComputerPlayer::BeginnerMeldStep() {
  Moves.LayDownRedThrees(false);
  if (!HasMelded() && beginnerInitialMeldEstimate().Reachable)
    Guarded("the first meld", [this] { beginnerCompleteInitialMeld(); });
  if (HasMelded()) advancedBuildCanastas();
  if (!HasCanastasNeeded()) return;
  beginnerLayNaturals();
  Guarded("going out", [this] { beginnerFinishGoingOut(); });
}

void TComputerPlayer::layRankFromHand(const TCard& card) {
  const int r = card.Rank;
  for (int n = CardsToLay(r, 0); n > 0; --n) Moves.MeldFromHand(findInHand(r));
  recountTallies();
  if (Tally.ownMeld[r] == 2 && r >= RankFour) Moves.MeldWildcard(r);
}

void TComputerPlayer::LayRankOf(int rank) {
  const int index = findInHand(rank);
  if (index >= 0) layRankFromHand(Game.Table.OpponentHand.Cards[index]);
}

bool TComputerPlayer::beginnerPileDecision() {
  const TTableState& t = Game.Table;
  const std::optional<TCard> top = PileTopToTry();
  if (!top) return false;
  const int r = top->Rank;
  const THandProbe probe(*this, *top);
  if (!HasCanastasNeeded()) {
    // Short of canastas it takes the pile only when some rank could become one with it.
    int wildcardsForMeld = 0;
    if (!HasMelded() && !WildcardsToReachTarget(wildcardsForMeld)) return false;
    return CanastaHuntQualifies(r, wildcardsForMeld);
  }
  return Tally.ownHand[r] >= 3 || (Tally.ownMeld[r] >= 3 && t.DiscardPile.Count >= 3);
}

bool TComputerPlayer::WildcardsToReachTarget(int& wildcards) {
  recountTallies();
  int points = 0, naturals = 0;
  for (int r = RankFour; r <= RankAce; ++r) {
    if (Tally.ownHand[r] < 3) continue;
    points += RankValue(r) * Tally.ownHand[r];
    naturals += Tally.ownHand[r];
  }
  // Jokers first; the triples carry no more wildcards than naturals, and a card
  // must remain once the rest of the pile has come into the hand.
  int jokers = Tally.ownHand[RankJoker], twos = Tally.ownHand[RankTwo];
  for (wildcards = 0; points < initialMeldTarget && wildcards < naturals && jokers + twos > 0; ++wildcards)
    points += jokers > 0 ? (--jokers, 50) : (--twos, 20);
  const TTableState& t = Game.Table;
  return points >= initialMeldTarget && naturals + wildcards < t.OpponentHand.Count + t.DiscardPile.Count - 1;
}

TMeldEstimate TComputerPlayer::beginnerInitialMeldEstimate() {
  const TMeldPoints m = InitialMeldPoints();
  return {m.Points >= initialMeldTarget && m.Cards < Game.Table.OpponentHand.Count, m.PairsPadded};
}

void TComputerPlayer::beginnerCompleteInitialMeld() {
  LayFirstMeld(beginnerInitialMeldEstimate().PairsPadded, &TComputerPlayer::LayRankOf);
  PadFirstMeld();
}

void TComputerPlayer::PadFirstMeld() {
  // The pile decision counts the wildcards that lift the natural melds to the
  // target: short of it, they go onto the melds, each as long as its naturals outnumber its wildcards.
  for (int r = RankAce; r >= RankFour; --r) {
    recountTallies();
    const int room = Tally.ownMeld[r] - 2 * wildcardsInMeld(r);
    for (int i = 0; i < room && Game.Table.OpponentMeldValue < initialMeldTarget && HasWildcardInHand(); ++i)
      Moves.MeldWildcard(r);
  }
}

void TComputerPlayer::beginnerLayNaturals() {
  const int hand = Game.Table.OpponentHand.Count;
  LayNaturalsWithin(HasCanastasNeeded() ? hand : hand - 6, true);
}

void TComputerPlayer::beginnerFinishGoingOut() {
  recountTallies();
  const int pairs = PairsInHand();
  const int spare = Tally.WildcardsInHand() - pairs;
  const int rest = Game.Table.OpponentHand.Count - 3 * pairs - spare;
  if (spare < 0 || rest > 1) return;
  for (int r = RankAce; r >= RankFour; --r) {
    recountTallies();
    if (Tally.ownHand[r] == 2) LayRankOf(r);  // the pair and a wildcard
  }
  // One card always stays to be discarded.
  HandOutWildcards(spare + rest - 1);
}

}  // namespace tarvelo

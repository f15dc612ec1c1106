// The Expert's building blocks for melding: the first meld after a take,
// natural canastas, canastas completed with wildcards, naturals within a
// budget, and the counts that say whether going out is near and worth it.
#include "ai/computer_player.h"

#include <algorithm>
#include <array>

namespace tarvelo {

void TComputerPlayer::completeInitialMeld() {
  const TTableState& t = Game.Table;
  auto reached = [&] { return t.OpponentMeldValue >= initialMeldTarget; };
  std::array<bool, ColumnCount> triple{};
  for (int r = RankAce; r >= RankFour && !reached(); --r) {
    recountTallies();
    if (Tally.ownHand[r] < 3) continue;
    triple[r] = true;
    meldNaturals(r, 3);
  }
  for (int r = RankAce; r >= RankFour && !reached(); --r)
    if (triple[r]) meldNaturals(r, 0);
  if (wildcardPlan == 2) {
    int pairsLaid = 0;
    for (int r = RankAce; r >= RankFour && !reached() && pairsLaid < plannedWildcards; --r) {
      recountTallies();
      if (Tally.ownHand[r] != 2) continue;
      meldNaturals(r, 0);  // padded with a wildcard
      ++pairsLaid;
    }
  }
  AddWildcardsTowardTarget();
}

void TComputerPlayer::AddWildcardsTowardTarget() {
  const TTableState& t = Game.Table;
  recountTallies();
  // Melds that the pile's own cards will lengthen take their wildcards first.
  for (int size = 8; size >= 3; --size) {
    for (int r = RankAce; r >= RankFour; --r) {
      if (Tally.ownMeld[r] < 3 || Tally.ownMeld[r] + Tally.discardCount[r] != size) continue;
      for (int added = 0; added < 4 && t.OpponentMeldValue < initialMeldTarget && HasWildcardInHand(); ++added) {
        // A meld never holds more wildcards than naturals.
        if (2 * wildcardsInMeld(r) >= Tally.ownMeld[r]) break;
        Moves.MeldWildcard(r);
        recountTallies();
      }
    }
  }
}

void TComputerPlayer::layNaturalCanastas() {
  for (int r = RankFour; r <= RankAce; ++r) {
    recountTallies();
    if (Tally.ownHand[r] == 0 || Tally.ownHand[r] + Tally.ownMeld[r] < 7 || wildcardsInMeld(r) > 0) continue;
    // Before the first meld a canasta is laid only when it reaches the target on its own.
    if (HasMelded() || 7 * RankValue(r) >= initialMeldTarget) Guarded("a natural canasta", [&] { meldNaturals(r, 0); });
  }
}

bool TComputerPlayer::WantsWildcardsForCanastas() {
  const TTableState& t = Game.Table;
  const int canastas = t.OpponentCanastas.Count;
  return aggressiveTurn || canastas < Game.Rules.NumberOfCanastas || canastas < t.PlayerCanastas.Count ||
         Tally.WildcardsInHand() > 5 || looseCards().ReadyToGoOut;
}

void TComputerPlayer::buildCanastas() {
  recountTallies();
  std::array<int, ColumnCount> need;
  need.fill(-1);
  for (int r = RankAce; r >= RankFour; --r) {
    const int have = Tally.ownHand[r] + Tally.ownMeld[r];
    if (have + Tally.WildcardsInHand() < 7 || have < 4 || Tally.ownMeld[r] > 6) continue;
    const int n = std::max(0, 7 - have);
    if (n <= 3 - wildcardsInMeld(r)) need[r] = n;
  }
  for (int i = 0; i <= 3; ++i) {
    for (int r = RankAce; r >= RankFour; --r) {
      if (need[r] != i) continue;
      recountTallies();
      if (Tally.WildcardsInHand() < i || Game.Table.OpponentHand.Count < Tally.ownHand[r] + i) continue;
      Guarded("a canasta with wildcards", [&] {
        meldNaturals(r, 0);
        recountTallies();
        for (int k = 0; k < i && Tally.ownMeld[r] < 7; ++k) Moves.MeldWildcard(r);
      });
    }
    // Without a reason to, only canastas that need no wildcard are completed.
    recountTallies();
    if (!WantsWildcardsForCanastas()) return;
  }
}

void TComputerPlayer::layNaturals(bool keepTwo) {
  const int hand = Game.Table.OpponentHand.Count;
  const int needed = Game.Rules.NumberOfCanastas;
  int budget = hand;
  if (!HasCanastasNeeded())
    budget = hand - 6 * needed - 2;
  else if (keepTwo)
    budget = hand - 2;
  LayNaturalsWithin(budget);
}

void TComputerPlayer::FinishGoingOutStep() {
  layNaturals(false);
  Guarded("going out", [this] { finishGoingOut(); });
}

TReachableCanastas TComputerPlayer::reachableCanastas() {
  recountTallies();
  int wild = Tally.WildcardsInHand();
  TReachableCanastas reach{Game.Table.OpponentCanastas.Count, wild};
  for (int size = 8; size >= 4; --size) {
    for (int r = RankFour; r <= RankAce; ++r) {
      if (Tally.ownHand[r] + Tally.ownMeld[r] != size || Tally.ownMeld[r] >= 7) continue;
      const int missing = std::max(0, 7 - size);
      if (wild < missing) continue;
      wild -= missing;
      ++reach.Count;
      reach.CardsUsed += Tally.ownHand[r];
    }
  }
  return reach;
}

namespace {
int SeatValue(int score, int canastas, const TCardArea& melds) {
  int value = score + 300 * canastas;
  for (const TCard& c : melds.Live()) value += c.Value;
  return value;
}
}  // namespace

bool TComputerPlayer::goingOutPays() const {
  const TTableState& t = Game.Table;
  const int player = SeatValue(t.PlayerScore, t.PlayerCanastas.Count, t.PlayerMelds);
  const int computer = SeatValue(t.OpponentScore, t.OpponentCanastas.Count, t.OpponentMelds);
  return player < computer || player < 5000;
}

void TComputerPlayer::tryGoOutAggressively() {
  if (!aggressiveTurn) return;
  recountTallies();
  const int needed = Game.Rules.NumberOfCanastas;
  int wild = Tally.WildcardsInHand(), canastas = Game.Table.OpponentCanastas.Count, singles = 0;
  bool fine = true;
  for (int size = 8; size >= 1 && fine; --size) {
    for (int r = RankFour; r <= RankAce && fine; ++r) {
      if (Tally.ownHand[r] + Tally.ownMeld[r] != size) continue;
      // A canasta already counted is not counted again.
      if (canastas < needed && size >= 4 && Tally.ownMeld[r] < 7 && wild >= 7 - size) {
        wild -= std::max(0, 7 - size);
        ++canastas;
      } else if (size == 2) {
        if (wild == 0)
          fine = false;
        else
          --wild;
      } else if (size == 1) {
        ++singles;
      }
    }
  }
  const int b3 = BlackThreesInHand();
  const bool threesFit = b3 == 0 || b3 >= 3 || (b3 == 1 && singles == 1);
  if (canastas < needed || !fine || singles >= 2 || !threesFit) return;
  buildCanastas();
  FinishGoingOutStep();
}

}  // namespace tarvelo

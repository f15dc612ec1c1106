// The Expert's meld step: it holds cards back, lays natural canastas, builds
// canastas with wildcards when the game calls for it, and goes out only when
// the counts say it can and that going out pays.
#include "ai/computer_player.h"

namespace tarvelo {

namespace {
bool OnlyRedThrees(const TCardArea& melds) {
  for (const TCard& c : melds.Live())
    if (!IsRedThree(c)) return false;
  return true;
}
}  // namespace

void TComputerPlayer::expertMeldStep() {
  Moves.LayDownRedThrees(true);
  layNaturalCanastas();
  tryGoOutAggressively();
  ExpertEndgameBuilding();
  if (Game.Rules.NumberOfCanastas == 2) ExpertTwoCanastaBuilding();
  if (HasCanastasNeeded() || !Game.Rules.CanastaRequired) ExpertGoOutStep();
  if (Game.Table.Stock.Count <= 3 * Game.Rules.NumberOfCanastas + 68 && BlackThreesInHand() >= 2) threeBlocking = true;
}

void TComputerPlayer::ExpertEndgameBuilding() {
  const TTableState& t = Game.Table;
  const int needed = Game.Rules.NumberOfCanastas;
  const int playerCanastas = t.PlayerCanastas.Count;
  const bool playerNearOut = playerCanastas >= needed && t.PlayerHand.Count < 10;
  const bool playerSlow = playerCanastas == 0 && needed == 1 && t.Stock.Count < 55 && t.PlayerMelds.Count <= 4;
  if (t.Stock.Count >= 6 && (opponentHoldsMajority || !(playerNearOut || playerSlow))) return;
  buildCanastas();
  if (HasCanastasNeeded()) FinishGoingOutStep();
}

void TComputerPlayer::ExpertTwoCanastaBuilding() {
  const TTableState& t = Game.Table;
  const TReachableCanastas reach = reachableCanastas();
  // What the canastas would leave of the hand as it is now.
  const int left = t.OpponentHand.Count - reach.CardsUsed;
  if ((reach.Count > 1 && left != 2) || t.Stock.Count < 5) buildCanastas();
  if (left < 2 && reach.Count > 1) FinishGoingOutStep();
}

bool TComputerPlayer::GoingOutConsidered() const {
  const TTableState& t = Game.Table;
  const int needed = Game.Rules.NumberOfCanastas;
  const int f = PileFrozenForComputer() ? 0 : 1;
  const int own = t.OpponentMelds.Count * f + t.OpponentHand.Count;
  const int player = t.PlayerHand.Count + t.PlayerMelds.Count;
  if (aggressiveTurn) return t.PlayerCanastas.Count >= needed - 1 || player >= 35 || own <= 14;
  return player >= 35 || own <= 6 || (t.PlayerCanastas.Count >= needed && t.PlayerHand.Count <= 3);
}

void TComputerPlayer::ExpertGoOutStep() {
  const TTableState& t = Game.Table;
  const int needed = Game.Rules.NumberOfCanastas;
  const bool playerOut = t.PlayerCanastas.Count >= needed;
  if (!HasCanastasNeeded()) {
    // Only with canastas not required: lay what can go before the player ends the hand.
    const int cards = t.OpponentHand.Count + t.OpponentMelds.Count;
    if (playerOut && t.PlayerHand.Count < 5 && !opponentHoldsMajority &&
        cards >= 7 * (needed - t.OpponentCanastas.Count) + 10 && HasMelded())
      layNaturals(true);
    return;
  }
  if (GoingOutConsidered() && looseCards().ReadyToGoOut && goingOutPays()) {
    layNaturals(false);
    buildCanastas();
    Guarded("going out", [this] { finishGoingOut(); });
    return;
  }
  const bool hurry = t.PlayerHand.Count < 6 || t.Stock.Count < 5 ||
                     (t.Stock.Count < 60 && OnlyRedThrees(t.PlayerMelds) && aggressiveTurn);
  if (!hurry) return;
  buildCanastas();
  if (t.Stock.Count < 5 || (t.PlayerHand.Count <= 5 && playerOut)) layNaturals(true);
}

}  // namespace tarvelo

// Laying steps judged as the player's own turn is judged: a step that would
// leave melds the player could not leave is undone, and the turn goes on
// without it.
#include "computer_player.h"
#include "meld_legality.h"

namespace tarvelo {

int TComputerPlayer::turnMinimum() const {
  const int minimum = TGame::InitialMeldFor(Game.Table.OpponentScore);
  // A first meld made with the pile: without the top card counting, the minimum rises by its value.
  if (tookPile_ && meldValueAtTurnStart_ == 0 && !Game.Rules.TopCardCounts) return minimum + takenTop_.Value;
  return minimum;
}

TComputerPlayer::TSeatSnapshot TComputerPlayer::takeSnapshot() const {
  const TTableState& t = Game.Table;
  return {t.OpponentHand, t.OpponentMelds,    t.DiscardPile, t.OpponentCanastas,
          t.OpponentMeldValue, t.PileFrozen, tookPile_,    takenTop_};
}

void TComputerPlayer::restoreSnapshot(const TSeatSnapshot& s) {
  TTableState& t = Game.Table;
  t.OpponentHand = s.hand;
  t.OpponentMelds = s.melds;
  t.DiscardPile = s.pile;
  t.OpponentCanastas = s.canastas;
  t.OpponentMeldValue = s.meldValue;
  t.PileFrozen = s.frozen;
  tookPile_ = s.tookPile;
  takenTop_ = s.takenTop;
  Game.Host.Repaint();
}

bool TComputerPlayer::guarded(const char* what, const std::function<void()>& step,
                              const std::function<std::string()>& takeFault) {
  if (!CheckLegality) {
    step();
    return true;
  }
  const bool legalBefore = ComputerMeldFault(Game, turnMinimum()).empty();
  const TSeatSnapshot before = takeSnapshot();
  step();
  std::string fault = ComputerMeldFault(Game, turnMinimum());
  if (fault.empty() && takeFault) fault = takeFault();
  // Only a step that breaks what held before is undone.
  if (fault.empty() || !legalBefore) return true;
  restoreSnapshot(before);
  if (MoveSkipped) MoveSkipped(std::string(what) + ": " + fault);
  return false;
}

TPileTakeDemand TComputerPlayer::pileTakeDemand(const TCard& top) {
  recountTallies();
  TPileTakeDemand d;
  d.rank = top.Rank;
  const bool frozen = pileFrozenForComputer();
  d.columnBase = tally.ownMeld[d.rank];
  d.naturalBase = tally.ownMeldNatural[d.rank];
  d.conditional = frozen || d.columnBase < 1 || (Game.Rules.NaturalPair && Game.Rules.AddExistingMeld);
  d.needsHand = frozen || Game.Rules.NaturalPair;
  return d;
}

}  // namespace tarvelo

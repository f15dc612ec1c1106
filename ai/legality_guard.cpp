// Laying steps judged as the player's own turn is judged: a step that would
// leave melds the player could not leave is tried out unseen and not made,
// and the turn goes on without it.
#include "ai/computer_player.h"
#include "engine/meld_checks.h"
#include "engine/seat_rules.h"

namespace tarvelo {

int TComputerPlayer::TurnMinimum() const {
  const int minimum = TGame::InitialMeldFor(Game.Table.OpponentScore);
  // A first meld made with the pile: without the top card counting, the minimum rises by its value.
  if (turn_.TookPile && turn_.MeldValueAtTurnStart == 0) return minimum + TopCardRaise(Game.Rules, turn_.TakenTop);
  return minimum;
}

// Puts back the table and the turn's own memory when a trial of a step ends, however it ends.
class TComputerPlayer::TRehearsal {
 public:
  explicit TRehearsal(TComputerPlayer& computer)
      : computer_(computer), table_(computer.Game.Table), memory_(computer), turn_(computer.turn_) {
    computer.Game.Rehearsing = true;
  }
  ~TRehearsal() {
    TComputerPlayer& c = computer_;
    c.Game.Rehearsing = false;
    c.Game.Table = table_;
    static_cast<TStrategyMemory&>(c) = memory_;
    c.turn_ = turn_;
    c.recountTallies();
  }
  TRehearsal(const TRehearsal&) = delete;
  TRehearsal& operator=(const TRehearsal&) = delete;

 private:
  TComputerPlayer& computer_;
  const TTableState table_;
  const TStrategyMemory memory_;
  const TTurnProgress turn_;
};

bool TComputerPlayer::Guarded(const char* what, const std::function<void()>& step,
                              const std::function<std::string()>& takeFault) {
  if (!CheckLegality) {
    step();
    return true;
  }
  const std::string fault = Rehearse(step, takeFault);
  if (!fault.empty()) {
    if (MoveSkipped) MoveSkipped(std::string(what) + ": " + fault);
    return false;
  }
  step();
  return true;
}

std::string TComputerPlayer::Rehearse(const std::function<void()>& step,
                                      const std::function<std::string()>& takeFault) {
  // Only a step that breaks what held before is refused.
  if (!StepMeldFault(Game, Seat::Opponent, TurnMinimum()).empty()) return {};
  // The step is tried on the table unseen, and the table put back whatever it left.
  const TRehearsal rehearsal(*this);
  step();
  std::string fault = StepMeldFault(Game, Seat::Opponent, TurnMinimum());
  if (fault.empty() && takeFault) fault = takeFault();
  return fault;
}

TPileTakeDemand TComputerPlayer::PileTakeDemand(const TCard& top) {
  recountTallies();
  TPileTakeDemand d;
  d.Rank = top.Rank;
  const bool frozen = PileFrozenForComputer();
  d.ColumnBase = Tally.ownMeld[d.Rank];
  d.NaturalBase = Tally.ownMeldNatural[d.Rank];
  d.Conditional = frozen || d.ColumnBase < 1 || (Game.Rules.NaturalPair && Game.Rules.AddExistingMeld);
  d.NeedsHand = frozen || Game.Rules.NaturalPair;
  return d;
}

}  // namespace tarvelo

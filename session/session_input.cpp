// The session's input: the window's clicks, keys and menu commands, the
// computer's turns, and the guard every engine call runs under.
#include "engine/card_area.h"
#include "engine/rule_changes.h"
#include "session/session.h"
#include "store/saved_game_table.h"

namespace tarvelo {

void TSession::Guarded(const std::function<void()>& action) {
  const TIdleQueue::TBusy busy(events_);
  try {
    action();
  } catch (const TRangeFault& fault) {
    // A broken invariant is a program fault: report it and keep the program running.
    Warning(std::string("An internal error stopped this move: ") + fault.what());
  }
  emit tableChanged();
}

void TSession::Post(std::function<void()> event) { events_.Post(std::move(event)); }

void TSession::PlayComputerTurn() {
  if (seat_) seat_->PlayComputerTurn();
}

void TSession::PlayerClick(MouseButton button, int x, int y, ShiftState shift) {
  Guarded([&] { input_.Click(button, x, y, shift); });
}

void TSession::PlayerKey(int key, ShiftState shift) {
  Guarded([&] { input_.Key(key, shift); });
}

void TSession::NewGame() {
  const std::optional<TAbandonedGame> underWay = NetworkGameUnderWay();
  Guarded([this] { game_.NewGame(); });
  // The engine asked before giving the game up: it was, when its totals are gone.
  const TTableState& t = game_.Table;
  const bool givenUp = !t.GameInProgress && t.PlayerScore == 0 && t.OpponentScore == 0;
  if (underWay && givenUp && Hooks.RecordAbandonedMatch) Hooks.RecordAbandonedMatch(*underWay);
}

void TSession::UndoMeld() {
  Guarded([this] { game_.UndoMeld(); });
}

void TSession::UndoAll() {
  Guarded([this] { game_.UndoAll(); });
}

void TSession::EndHand() {
  Guarded([this] { game_.EndHand(); });
}

void TSession::ToggleOpponentCards() { game_.ToggleOpponentCards(); }

void TSession::DealFirstHand() {
  game_.ChooseFirstDrawer();
  Guarded([this] { game_.DealHand(true); });
}

void TSession::ApplyLayout(const TLayout& layout) { game_.ApplyLayout(layout); }
void TSession::ResetAnchors() { game_.ResetAnchors(); }

void TSession::ApplyRules(const TRuleSettings& rules) {
  StoreRules(*this, rules);
  ApplyRuleChange(game_, rules);
}

bool TSession::MeldsValid() { return game_.ValidateMelds(); }

void TSession::PutSavedGame(const TSavedGame& saved) {
  {
    const TIdleQueue::TBusy busy(events_);
    PutSavedGameOnTable(game_, saved);
  }
  // A table saved after its hand was scored (older versions wrote one when a
  // game ended) waits for a deal that nothing would start: the next hand comes
  // now, or a new game when that hand ended the game.
  const TTableState& t = game_.Table;
  if (t.Phase != PhaseHandOver) return;
  // The loaded game ended there: a new one, with no game under way given up.
  if (t.PlayerScore > 4999 || t.OpponentScore > 4999)
    Guarded([this] { game_.NewGame(); });
  else
    Guarded([this] { game_.DealHand(false); });
}

}  // namespace tarvelo

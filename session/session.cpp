// The session as the engine's host: the display's calls go to the window, the
// second seat's to whoever holds it, the records to their hooks.
#include "session/session.h"

#include "session/computer_seat.h"
#include "store/setting_keys.h"

#include <chrono>

namespace tarvelo {

namespace {
std::uint32_t ClockSeed() {
  return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}
}  // namespace

TSession::TSession(TSettingsAccess& settings, TSessionHooks hooks, std::optional<std::uint32_t> seed, QObject* parent)
    : QObject(parent),
      Hooks(std::move(hooks)),
      settings_(settings),
      random_(seed ? *seed : ClockSeed()),
      events_([this](const TIdleQueue::TEvent& event) { Guarded(event); }) {
  ReadSettings();
}

TSession::~TSession() = default;

void TSession::SetDisplay(TTableDisplay* display) { display_ = display ? display : &unseen_; }

void TSession::ReadSettings() {
  ReadMouseOption();
  game_.LoadRules();
}

void TSession::ReadMouseOption() {
  game_.RightClicks = ReadSetting(*this, Setting::MouseOptions) == Setting::MouseOptions.Default ? 0 : 1;
}

void TSession::ShowStatusText(const std::string& text, bool isError) { display_->ShowStatusText(text, isError); }
void TSession::SetEndHandButton(bool visible, bool enabled) { display_->SetEndHandButton(visible, enabled); }
void TSession::SetUndoEnabled(bool enabled) { display_->SetUndoEnabled(enabled); }
void TSession::SetRulesHint(const std::string& hint) { display_->SetRulesHint(hint); }
void TSession::SetBusy(bool busy) { display_->SetBusy(busy); }
void TSession::ShowWhoseTurn(const std::string& text) { display_->ShowWhoseTurn(text); }
void TSession::QuitApplication() { display_->QuitApplication(); }
void TSession::PlaySound(std::string_view event) { display_->PlaySound(event); }
int TSession::ComputerMeldDelay() const { return display_->ComputerMeldDelay(); }
bool TSession::AnimationBusy() const { return display_->AnimationBusy(); }
void TSession::GroupCardMoves(int cards) { display_->GroupCardMoves(cards); }
void TSession::RepaintRect(int x, int y, int width, int height) { display_->RepaintRect(x, y, width, height); }
void TSession::Repaint() { display_->Repaint(); }

// Boxes, pauses and animations run an event loop of their own: nothing from
// outside may reach the game while they are shown.
void TSession::Information(const std::string& text) {
  const TIdleQueue::TBusy busy(events_);
  display_->Information(text);
}

void TSession::Warning(const std::string& text) {
  const TIdleQueue::TBusy busy(events_);
  display_->Warning(text);
}

bool TSession::Question(const std::string& text) {
  const TIdleQueue::TBusy busy(events_);
  return display_->Question(text);
}

void TSession::ShowHandResults(const THandResults& results) {
  const TIdleQueue::TBusy busy(events_);
  display_->ShowHandResults(results);
}

// A network game goes on after its last hand however the dialog was closed:
// the peer's table goes on too, and the player leaves the match only by the
// network menu or by quitting.
bool TSession::AskPlayAnotherGame(const TGameOverInfo& info) {
  const TIdleQueue::TBusy busy(events_);
  const bool another = display_->AskPlayAnotherGame(info);
  return another || NetworkGameActive();
}

void TSession::Pause(int milliseconds) {
  const TIdleQueue::TBusy busy(events_);
  display_->Pause(milliseconds);
}

void TSession::AnimateCard(const TCard& from, const TCard& to) {
  const TIdleQueue::TBusy busy(events_);
  display_->AnimateCard(from, to);
}

void TSession::SeatComputer() { seat_ = std::make_unique<TComputerSeat>(game_, settings_, events_); }

const TComputerPlayer* TSession::Computer() const {
  const auto* seat = dynamic_cast<const TComputerSeat*>(seat_.get());
  return seat ? &seat->Computer() : nullptr;
}

// Before anyone is seated the table is the local side's, and nobody plays across it.
bool TSession::NetworkGameActive() const { return seat_ && seat_->NetworkGameActive(); }
std::string TSession::PeerName() const { return seat_ ? seat_->PeerName() : std::string(); }
bool TSession::LocalSideDeals() const { return !seat_ || seat_->LocalSideDeals(); }

void TSession::PostNetworkDispatch() {
  if (seat_) seat_->PostNetworkDispatch();
}

void TSession::RecordHandScore(int difference) {
  if (Hooks.RecordHandScore) Hooks.RecordHandScore(difference);
}

void TSession::RecordMatch(const TGameOverInfo& info) {
  if (Hooks.RecordMatch) Hooks.RecordMatch(info);
}

// A game is under way from the first draw of its first hand, or once one of its hands was scored.
std::optional<TAbandonedGame> TSession::NetworkGameUnderWay() const {
  const TTableState& t = game_.Table;
  if (!NetworkGameActive() || (!t.GameInProgress && t.PlayerScore == 0 && t.OpponentScore == 0)) return std::nullopt;
  return TAbandonedGame{PeerName(), t.PlayerScore, t.OpponentScore};
}

void TSession::RecordAbandonedNetworkGame() {
  const std::optional<TAbandonedGame> game = NetworkGameUnderWay();
  if (game && Hooks.RecordAbandonedMatch) Hooks.RecordAbandonedMatch(*game);
}

void TSession::DeleteAutoSave() {
  if (Hooks.DeleteAutoSave) Hooks.DeleteAutoSave();
}

std::string TSession::PlayerName() const {
  const std::string name = Hooks.PlayerName ? Hooks.PlayerName() : std::string();
  return name.empty() ? "Player" : name;
}

}  // namespace tarvelo

#pragma once

#include "engine/game.h"
#include "engine/random_source.h"
#include "engine/silent_display.h"
#include "session/idle_queue.h"
#include "session/input_translation.h"
#include "store/saved_game_format.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tarvelo {

class TComputerPlayer;

// A network game given up for a new one before it ended: the totals as they stood.
struct TAbandonedGame {
  std::string OpponentName;  // the peer's
  std::int32_t PlayerScore = 0;
  std::int32_t OpponentScore = 0;
  bool operator==(const TAbandonedGame&) const = default;
};

// Where the records of hands and matches go; each one not set does nothing.
struct TSessionHooks {
  std::function<void(int difference)> RecordHandScore;
  std::function<void(const TGameOverInfo&)> RecordMatch;
  std::function<void(const TAbandonedGame&)> RecordAbandonedMatch;
  std::function<std::string()> PlayerName;  // the current profile's name
  std::function<void()> DeleteAutoSave;
};

// One run of the table: owns the game and the process's random source, and is
// the engine's host. The display role goes to the window, the records to the
// hooks, the settings to the store; the second seat is passed on to whoever
// sits across the table. The window's input reaches the game only through the
// calls below, and what arrives from outside waits until the engine is idle.
class TSession : public QObject, public TableHost {
  Q_OBJECT
 public:
  // seed: the random source's; without one it is taken from the clock.
  explicit TSession(TSettingsAccess& settings, TSessionHooks hooks = {}, std::optional<std::uint32_t> seed = {},
                    QObject* parent = nullptr);
  ~TSession() override;

  TSessionHooks Hooks;
  // The display of the table; null leaves the table unseen.
  void SetDisplay(TTableDisplay* display);
  TSettingsAccess& Settings() { return settings_; }
  const TGame& Game() const { return game_; }
  // For tests that lay a table.
  TGame& MutableGame() { return game_; }
  // Stored settings of the table: the mouse option and the rules.
  void ReadSettings();
  // Discarding by one or two right clicks.
  void ReadMouseOption();

  // --- The seat across the table
  // The computer takes the seat: its stored level and aggressiveness come into
  // force now and between games.
  void SeatComputer();
  // Someone else takes the seat: the peer of a network game (or a test's fake).
  void SeatPeer(std::unique_ptr<TSecondSeat> seat) { seat_ = std::move(seat); }
  // The computer in the seat across the table; null while it holds none.
  const TComputerPlayer* Computer() const;
  // Where the network game listens to the table while it runs: it attaches the
  // observer that passes the player's moves on to the peer, and detaches it
  // (null) when the game ends. Nothing listens otherwise.
  void SetGameObserver(TGameObserver* observer) { game_.SetObserver(observer); }

  // --- Input from the table and the menus
  void PlayerClick(MouseButton button, int x, int y, ShiftState shift);
  void PlayerKey(int key, ShiftState shift);
  // "&New": in a network game under way the player is asked first, and the game
  // given up is recorded.
  void NewGame();
  void UndoMeld();
  void UndoAll();
  void EndHand();
  void ToggleOpponentCards();
  // The first hand of the run: who draws first is drawn once, then the deal.
  void DealFirstHand();
  void ApplyLayout(const TLayout& layout);
  void ResetAnchors();
  // Confirmed rules are stored and put into force.
  void ApplyRules(const TRuleSettings& rules);
  // The melds as they lie could be saved (checking them notes the reason they could not).
  bool MeldsValid();
  // A saved game in place of the one on the table; one whose hand was already
  // scored goes on with a deal.
  void PutSavedGame(const TSavedGame& saved);
  // Runs an action as one engine call: a broken invariant is reported and the program goes on.
  void Guarded(const std::function<void()>& action);
  // Something from outside for the engine: it runs once the engine is idle.
  void Post(std::function<void()> event);
  int EventsWaiting() const { return events_.Waiting(); }

  // --- TableHost: the display
  void ShowStatusText(const std::string& text, bool isError) override;
  void SetEndHandButton(bool visible, bool enabled) override;
  void SetUndoEnabled(bool enabled) override;
  void SetRulesHint(const std::string& hint) override;
  void SetBusy(bool busy) override;
  void Information(const std::string& text) override;
  void Warning(const std::string& text) override;
  bool Question(const std::string& text) override;
  void ShowWhoseTurn(const std::string& text) override;
  void ShowHandResults(const THandResults& results) override;
  bool AskPlayAnotherGame(const TGameOverInfo& info) override;
  void QuitApplication() override;
  void PlaySound(std::string_view event) override;
  void Pause(int milliseconds) override;
  int ComputerMeldDelay() const override;
  void AnimateCard(const TCard& from, const TCard& to) override;
  bool AnimationBusy() const override;
  void GroupCardMoves(int cards) override;
  void RepaintRect(int x, int y, int width, int height) override;
  void Repaint() override;

  // --- TableHost: the second seat, passed on to whoever holds it
  bool NetworkGameActive() const override;
  std::string PeerName() const override;
  void PostNetworkDispatch() override;
  bool LocalSideDeals() const override;
  // The turn passes across the table: the seat's holder plays it.
  void PlayComputerTurn() override;

  // A network game under way is given up for a new game the peer asked for: its
  // totals are recorded, before they are cleared. (The player's own "&New"
  // records through NewGame.) Nothing is recorded outside a network game or
  // when no game is under way.
  void RecordAbandonedNetworkGame();

  // --- TableHost: the records
  void RecordHandScore(int difference) override;
  void RecordMatch(const TGameOverInfo& info) override;
  void DeleteAutoSave() override;
  std::string PlayerName() const override;

  // --- TableHost: the store and the random source
  int ReadInt(std::string_view path, int defaultValue) override { return settings_.ReadInt(path, defaultValue); }
  bool ReadBool(std::string_view path, bool defaultValue) override { return settings_.ReadBool(path, defaultValue); }
  std::string ReadString(std::string_view path, const std::string& defaultValue) override {
    return settings_.ReadString(path, defaultValue);
  }
  void WriteInt(std::string_view path, int value) override { settings_.WriteInt(path, value); }
  void WriteBool(std::string_view path, bool value) override { settings_.WriteBool(path, value); }
  void WriteString(std::string_view path, const std::string& value) override { settings_.WriteString(path, value); }
  int RandomInt(int n) override { return random_.Int(n); }
  double RandomReal() override { return random_.Real(); }

 signals:
  // An engine call ended: the numbers around the table may have changed.
  void tableChanged();

 private:
  // The totals of a network game under way; none outside a network game or
  // when no game is under way.
  std::optional<TAbandonedGame> NetworkGameUnderWay() const;

  TSettingsAccess& settings_;
  TSilentDisplay unseen_;
  TTableDisplay* display_ = &unseen_;
  TRandomSource random_;
  TGame game_{*this};
  TInputTranslation input_{game_};  // the window's clicks and keys made into moves
  TIdleQueue events_;
  std::unique_ptr<TSecondSeat> seat_;  // the seat across the table; none before seating
};

}  // namespace tarvelo

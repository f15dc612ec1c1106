#pragma once

#include "engine/hit_test.h"
#include "engine/moves.h"

#include <cstdint>
#include <optional>

namespace tarvelo {

class TGame;

enum class MouseButton { Left, Right };
struct ShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
};

// Keys of the table: printable keys are their upper-case ASCII codes.
enum TableKey : int {
  KeyEscape = 27,
  KeyF6 = 0x1006,
  KeyF7 = 0x1007,
  KeyF8 = 0x1008,
  KeyF9 = 0x1009,
  KeyF10 = 0x100A,
  KeyF11 = 0x100B
};

// The move a left click on a target asks for, by the keys held; none for a
// target that asks for nothing.
std::optional<TMove> LeftClickMove(const TGame& game, const THit& hit, ShiftState shift);

// The player's clicks and keys, made into the player's moves and handed to the
// engine (TryMove), which judges them as it judges the computer's and the
// peer's. Besides moves, the input shows the keyboard phases, starts the game
// with its first click on the stock, the pile or a natural, closes the fanned
// pile, and shows the opponent's cards on Ctrl+F11.
class TInputTranslation {
 public:
  explicit TInputTranslation(TGame& game) : game_(game) {}

  void Click(MouseButton button, int x, int y, ShiftState shift);
  void Key(int key, ShiftState shift);

 private:
  void ClickOn(MouseButton button, const THit& hit, ShiftState shift);
  void KeyPhaseKey(int key, ShiftState shift);
  // Right-click counting: true once the clicks ask for the discard.
  bool DiscardClickCounted(int index);
  void ForgetDiscardClicks();

  TGame& game_;
  // The right clicks counted towards a discard with the double right click
  // option. They live here, with the input, and not on the table: only clicks
  // count them, and neither the rules, a saved game nor the peer ever reads
  // them. They name a hand card by index, so they start afresh whenever the
  // engine reports that the hand's indices shifted (TTableState::HandShifts);
  // a card that only looks the same (a meld taken back) is not enough.
  int discardClickCard_ = -1;
  int discardClicks_ = 0;
  std::uint32_t handShifts_ = 0;
};

}  // namespace tarvelo

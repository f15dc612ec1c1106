#pragma once

#include "engine/tests/turn_fixture.h"
#include "session/input_translation.h"

namespace tarvelo {

// A player's turn driven as the window drives it: clicks at the cards' table
// positions and keys, made into the player's moves by the input translation.
struct InputTest : TurnTest {
  TInputTranslation input{game};

  void Click(MouseButton button, int x, int y, ShiftState shift = {}) { input.Click(button, x, y, shift); }
  void Key(int key, ShiftState shift = {}) { input.Key(key, shift); }
  void ClickStock(MouseButton button = MouseButton::Left) { Click(button, l.LeftMargin + 5, l.StockY + 5); }
  void ClickPile(MouseButton button = MouseButton::Left) { Click(button, l.LeftMargin + 5, l.DiscardY + 5); }
  // Clicks the last hand card of that name (the one drawn on top of its column).
  void ClickHand(const char* name, MouseButton button = MouseButton::Left, ShiftState shift = {}) {
    const int i = HandIndex(name);
    ASSERT_GE(i, 0) << name << " is not in the hand";
    Click(button, t.PlayerHand.Cards[i].X + 2, t.PlayerHand.Cards[i].Y + 2, shift);
  }
  void RightClickHand(const char* name) { ClickHand(name, MouseButton::Right); }
  // Clicks the first card of a meld column.
  void ClickMeld(int column, MouseButton button = MouseButton::Left, ShiftState shift = {}) {
    Click(button, l.ColumnX(column) + 2, l.PlayerMeldY + StackStep + 2, shift);
  }
};

constexpr ShiftState WithShift{true, false, false};
constexpr ShiftState WithCtrl{false, true, false};

}  // namespace tarvelo

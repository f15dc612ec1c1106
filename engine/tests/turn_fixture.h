#pragma once

#include "engine/game.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/recording_observer.h"
#include "engine/testing/stub_opponent.h"
#include "engine/testing/table_builder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvelo {

// A card's short name as the table builder spells it: "KH", "7D", "JK".
inline std::string NameOf(const TCard& card) {
  if (card.Id == JokerId) return "JK";
  const int rankIndex = (card.Id - 1) % 13, suit = (card.Id - 1) / 13;
  return std::string(1, "23456789TJQKA"[rankIndex]) + "SCDH"[suit];
}

// The names of an area's cards in area order, separated by spaces.
inline std::string NamesOf(const TCardArea& area) {
  std::string names;
  for (const TCard& c : area.Live()) names += (names.empty() ? "" : " ") + NameOf(c);
  return names;
}

// A player's turn on a table laid by the builder, driven through the engine's
// own entry points: clicks at the cards' table positions and keys; what the
// game reports is recorded.
struct TurnTest : ::testing::Test {
  TDeferredTurns<TRecordingHost> host;
  TRecordingObserver reports;
  TGame game{host};
  TTableBuilder builder{game};
  TTableState& t = game.Table;
  const TLayout& l = game.Layout;

  TurnTest() {
    t.PileFrozen = false;
    game.SetObserver(&reports);
  }

  void ToDraw(const char* table) { builder.Build(table).PlayerToDraw(); }
  void Drawn(const char* table) { builder.Build(table).PlayerHasDrawn(); }

  void ClickStock(MouseButton button = MouseButton::Left) {
    game.PlayerClick(button, l.LeftMargin + 5, l.StockY + 5, {});
  }
  void ClickPile(MouseButton button = MouseButton::Left) {
    game.PlayerClick(button, l.LeftMargin + 5, l.DiscardY + 5, {});
  }
  // Clicks the last hand card of that name (the one drawn on top of its column).
  void ClickHand(const char* name, MouseButton button = MouseButton::Left, ShiftState shift = {}) {
    const int i = FindLast(t.PlayerHand, [&](const TCard& c) { return NameOf(c) == name; });
    ASSERT_GE(i, 0) << name << " is not in the hand";
    game.PlayerClick(button, t.PlayerHand.Cards[i].X + 2, t.PlayerHand.Cards[i].Y + 2, shift);
  }
  void RightClickHand(const char* name) { ClickHand(name, MouseButton::Right); }
  // Clicks the first card of a meld column.
  void ClickMeld(int column, MouseButton button = MouseButton::Left, ShiftState shift = {}) {
    game.PlayerClick(button, l.ColumnX(column) + 2, l.PlayerMeldY + StackStep + 2, shift);
  }
  int MeldColumnSize(int column) {
    game.CountColumns();
    return t.ColumnCounts[CountPlayerMelds + column];
  }
  std::string LastStatus() const { return host.StatusLines.empty() ? "" : host.LastStatus().Text; }
  bool ErrorShown() const { return !host.StatusLines.empty() && host.LastStatus().IsError; }
  std::vector<TMoveKind> MoveKinds() const { return reports.MoveKinds(); }
  // The newest step of a move the game reported; a failure when there is none.
  TMoveReport LastMove() const {
    const std::vector<TMoveReport> moves = reports.Moves();
    if (moves.empty()) {
      ADD_FAILURE() << "no move was reported";
      return {};
    }
    return moves.back();
  }
};

constexpr ShiftState WithShift{true, false, false};
constexpr ShiftState WithCtrl{false, true, false};

}  // namespace tarvelo

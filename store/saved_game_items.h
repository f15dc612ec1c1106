#pragma once

#include "engine/game_state.h"

#include <array>
#include <cstdint>
#include <limits>
#include <type_traits>

// The order and ranges of the saved-game file's items, shared by its writer
// and reader. The order is the file format: never reorder.
namespace tarvelo {

struct TAreaRecord {
  TCardArea TTableState::*Area;
  bool Long;  // with the 14 column anchors
  const char* Name;
};
constexpr std::array<TAreaRecord, 9> AreaRecords = {{
    {&TTableState::Stock, false, "stock"},
    {&TTableState::OpponentHand, false, "opponent's hand"},
    {&TTableState::DiscardPile, false, "discard pile"},
    {&TTableState::UndoDiscardPile, false, "undo discard pile"},
    {&TTableState::OpponentMelds, true, "opponent's melds"},
    {&TTableState::PlayerHand, true, "player's hand"},
    {&TTableState::PlayerMelds, true, "player's melds"},
    {&TTableState::UndoPlayerHand, true, "undo player's hand"},
    {&TTableState::UndoPlayerMelds, true, "undo player's melds"},
}};

constexpr std::array<TCanastaInfo TTableState::*, 3> CanastaRecords = {
    &TTableState::PlayerCanastas, &TTableState::OpponentCanastas, &TTableState::UndoPlayerCanastas};

// Bounds that no real game comes near. They keep a forged file from loading
// numbers that later arithmetic of the table would overflow.
constexpr std::int32_t MaxCoordinate = 1'000'000;  // pixels, either sign
constexpr std::int32_t MaxPoints = 10'000'000;     // scores and meld values, either sign

// One item of the last line: how it is taken from and put into the table,
// and the values a file may hold.
struct TTurnItem {
  const char* Name;
  std::int32_t (*Get)(const TTableState&);
  void (*Set)(TTableState&, std::int32_t);
  std::int32_t Min, Max;
};

// A flag is written as 0 or 1 and read as set for anything but 0.
template <auto Field>
constexpr TTurnItem Flag(const char* name) {
  return {name, [](const TTableState& t) -> std::int32_t { return t.*Field ? 1 : 0; },
          [](TTableState& t, std::int32_t v) { t.*Field = v != 0; }, std::numeric_limits<std::int32_t>::min(),
          std::numeric_limits<std::int32_t>::max()};
}

template <auto Field>
constexpr TTurnItem Number(const char* name, std::int32_t min, std::int32_t max) {
  return {name, [](const TTableState& t) -> std::int32_t { return t.*Field; },
          [](TTableState& t, std::int32_t v) { t.*Field = static_cast<std::remove_cvref_t<decltype(t.*Field)>>(v); },
          min, max};
}

constexpr std::array<TTurnItem, 17> TurnItems = {{
    Flag<&TTableState::PileFrozen>("PileFrozen"),
    Flag<&TTableState::HasDrawn>("HasDrawn"),
    Flag<&TTableState::PileTakeOpen>("PileTakeOpen"),
    Flag<&TTableState::TopCardPending>("TopCardPending"),
    Flag<&TTableState::MayMeldBlackThrees>("MayMeldBlackThrees"),
    Flag<&TTableState::GameInProgress>("GameInProgress"),
    Flag<&TTableState::OpponentCardsShown>("OpponentCardsShown"),
    Number<&TTableState::PileTakeColumnBase>("PileTakeColumnBase", 0, MaxCards),
    Number<&TTableState::PileTakeHandBase>("PileTakeHandBase", 0, MaxCards),
    Flag<&TTableState::PileTakeNeedsHand>("PileTakeNeedsHand"),
    Number<&TTableState::CardOverlap>("CardOverlap", 0, 255),
    Number<&TTableState::OpponentMeldValue>("OpponentMeldValue", -MaxPoints, MaxPoints),
    Number<&TTableState::OpponentScore>("OpponentScore", -MaxPoints, MaxPoints),
    Number<&TTableState::PlayerScore>("PlayerScore", -MaxPoints, MaxPoints),
    Number<&TTableState::InitialMeldMinimum>("InitialMeldMinimum", -MaxPoints, MaxPoints),
    Number<&TTableState::Phase>("Phase", 0, PhaseCount - 1),
    Number<&TTableState::PendingPhase>("PendingPhase", 0, PhaseCount - 1),
}};

}  // namespace tarvelo

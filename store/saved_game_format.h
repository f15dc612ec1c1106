#pragma once

#include "engine/game_state.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tarvelo {

// The saved-game file, a text of 13 lines ended by CR LF (the last one by
// nothing). Every item is a decimal integer followed by one space:
//
//   line 1      "TarveloSavedGame " 415 size-index <Stock record>
//   lines 2-9   OpponentHand, DiscardPile, UndoDiscardPile (short records),
//               OpponentMelds, PlayerHand, PlayerMelds, UndoPlayerHand,
//               UndoPlayerMelds (long records)
//   lines 10-12 PlayerCanastas, OpponentCanastas, UndoPlayerCanastas:
//               Count Kind[1..13] Naturals[1..13]
//   line 13     the 17 turn items, in the order of TurnItems (saved_game_items.h)
//
//   short record: seed count { K/(Id+1) K/(Rank+1) X Y Value FaceUp Deck K%(Id+1) K%(Rank+1) } per card
//   long record:  the same, then the 14 column anchors as X Y
//
// K = seed + 399 masks each record's ids and ranks; since K >= 399 and the
// divisors are at most 56, (K - remainder) / quotient gives the divisor back.
constexpr std::string_view SavedGameMagic = "TarveloSavedGame";
constexpr int SavedGameFormat = 415;  // written into every file: never renumber
constexpr int MaskBase = 399;         // K = seed + 399: never change
constexpr int SavedGameLines = 13;

// Draws the mask seed of one record, 0..999.
using TSeedSource = std::function<int()>;
// A seed from the millisecond tick count and a uniform real in [0, 1):
// |tick * random| rounded (halves to even), modulo 1000.
int MaskSeed(std::int64_t tickMs, double random);

// The whole file for a table laid out for window size `sizeIndex`.
std::string WriteSavedGame(const TTableState& table, int sizeIndex, const TSeedSource& seeds);

// Why a file was not read. Version: another format number. Input: the text
// ends early or an item is no number. Range: an item is out of range or the
// cards do not make a table.
enum class TReadFault { None, NotSavedGame, Version, Input, Range };

struct TSavedGame {
  int SizeIndex = 0;  // the window size the card positions were laid out for
  TTableState Table;
};

struct TReadResult {
  TReadFault Fault = TReadFault::None;
  std::string Detail;  // where and what, for a fault
  int Format = 0;      // the format number, once read
  TSavedGame Game;
};

// Reads a whole file. The table read is `base` with every field of the file
// replaced; nothing of it is valid unless Fault is None.
TReadResult ReadSavedGame(std::string_view text, const TTableState& base);

}  // namespace tarvelo

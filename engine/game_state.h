#pragma once

#include "engine/card_area.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvelo {

// Turn phases; stored in saved games: never renumber.
enum TPhase : std::uint8_t {
  PhaseDraw = 0,
  PhaseMeld = 1,
  PhaseMeldDouble = 2,  // PhaseMeld when two right clicks discard
  PhaseTakePile = 3,
  PhaseSecondDraw = 4,
  PhaseKeyMeld = 5,
  PhaseKeyDiscard = 6,
  PhaseKeyWildcard = 7,
  PhaseOpponent = 8,
  PhaseHandOver = 9
};
constexpr int PhaseCount = 10;

enum class Seat { Player, Opponent };

// What the status line shows: the phase, or one of the player's errors (red,
// bold, with a beep), kept in LastError. The numbers are the texts' own: never renumber.
enum TStatusError : std::uint8_t {
  StatusPhase = 0,
  ErrorMeldBeforeDraw = 1,
  ErrorDiscardBeforeDraw = 2,
  ErrorAlreadyDrawn = 3,
  ErrorDiscardNotPossible = 4,  // followed by the reason of the failed meld check
  ErrorPileTopNotMeldable = 5,
  ErrorBlackThreesLast = 6,
  ErrorWildcardCanastaShort = 7,
  ErrorWildcardCanastaNotAllowed = 8,
  ErrorOneCardPileOneCardHand = 9
};
constexpr int StatusErrorCount = 10;

// Canasta kinds per column; stored in saved games: never renumber.
enum CanastaKind : std::uint8_t { NoCanasta = 0, MixedCanasta = 1, NaturalCanasta = 2, WildcardCanasta = 3 };

struct TCanastaInfo {
  std::int32_t Count = 0;
  std::array<std::uint8_t, ColumnCount> Kind{};
  std::array<std::uint8_t, ColumnCount> Naturals{};  // naturals in the column when closed
  bool operator==(const TCanastaInfo&) const = default;
};

// Counters recomputed by CountColumns: offsets of the four blocks of 14.
constexpr int CountPlayerMelds = 0;     // cards per column of PlayerMelds
constexpr int CountPlayerHand = 14;     // cards per rank of PlayerHand
constexpr int CountOpponentHand = 28;   // cards per rank of OpponentHand
constexpr int CountOpponentMelds = 42;  // cards per column of OpponentMelds
constexpr int ColumnCountsSize = 56;
using TColumnCounts = std::array<std::int32_t, ColumnCountsSize>;

// Who went out; stored in saved games: never renumber.
enum WentOut : std::int32_t { PlayerWentOut = 0, OpponentWentOut = 1, NobodyWentOut = 2 };

// The single game state of the table.
struct TTableState {
  TCardArea Stock;
  TCardArea DiscardPile;
  TCardArea OpponentHand;
  TCardArea UndoDiscardPile;
  TCardArea PlayerHand;
  TCardArea OpponentMelds;
  TCardArea PlayerMelds;
  TCardArea UndoPlayerHand;
  TCardArea UndoPlayerMelds;
  TCanastaInfo PlayerCanastas;
  TCanastaInfo OpponentCanastas;
  TCanastaInfo UndoPlayerCanastas;

  TColumnCounts ColumnCounts{};
  // Cards the opponent has seen enter the player's hand.
  TCardArea pickupMemory;

  std::int32_t PlayerScore = 0;
  std::int32_t OpponentScore = 0;
  std::int32_t OpponentMeldValue = 0;
  std::int32_t PlayerMeldValueAtTurnStart = 0;
  std::int32_t OpponentMeldValueAtTurnStart = 0;
  std::int32_t WhoWentOut = NobodyWentOut;
  std::int32_t InitialMeldMinimum = 50;
  bool PlayerDrawsFirst = true;
  bool GameInProgress = false;
  bool OpponentToMove = false;
  bool StockExhausted = false;
  bool EndHandRequested = false;
  bool PileFrozen = false;
  bool MayDraw = false;
  bool HasDrawn = false;
  std::uint8_t StockDraws = 0;
  bool TopCardPending = false;
  // The opponent has taken the pile's top card into its hand and the rest is still to come.
  bool OpponentTakeOpen = false;
  bool PileTakeOpen = false;
  TCard PileTopCard;
  std::int32_t PileTakeColumnBase = 0;
  std::int32_t PileTakeHandBase = 0;
  bool PileTakeNeedsHand = false;
  // A peer's pile take still open must be made good by the demand of the
  // PileTake fields before the rest of the pile may follow.
  bool OpponentTakeConditional = false;
  std::uint8_t PileTakeRank = 0;
  bool MayMeldBlackThrees = false;
  std::uint8_t Phase = PhaseHandOver;
  std::uint8_t PendingPhase = PhaseDraw;
  bool DiscardSpread = false;
  bool LoadedHand = false;
  bool NetworkHand = false;
  std::uint8_t LastError = 0;
  std::string DiscardReason;
  // Counts the times the indices of the player's hand shifted (a draw, a take,
  // a meld, an undone take, a table put in place): the input names a hand card
  // by index across clicks and starts afresh when this moves on.
  std::uint32_t HandShifts = 0;
  bool OpponentCardsShown = false;
  std::uint8_t CardOverlap = 10;

  const TCardArea& MeldsOf(Seat seat) const { return seat == Seat::Player ? PlayerMelds : OpponentMelds; }
  TCardArea& MeldsOf(Seat seat) { return seat == Seat::Player ? PlayerMelds : OpponentMelds; }
  const TCanastaInfo& CanastasOf(Seat seat) const { return seat == Seat::Player ? PlayerCanastas : OpponentCanastas; }
  TCanastaInfo& CanastasOf(Seat seat) { return seat == Seat::Player ? PlayerCanastas : OpponentCanastas; }
};

// The counters of ColumnCounts as the cards lie now.
TColumnCounts CountedColumns(const TTableState& table);

}  // namespace tarvelo

#pragma once

#include "engine/card.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarvelo::protocol {

// A card of a loaded game on the wire: its id and its pack.
struct TWireCard {
  CardId Id = 0;
  std::uint8_t Deck = 0;
  bool operator==(const TWireCard&) const = default;
};

// A card of an area sent with its meld columns: a wildcard carries the column
// it lies in, any other card lies in its rank's.
struct TPlacedWireCard {
  TWireCard Card;
  std::optional<std::uint8_t> Column;
  bool operator==(const TPlacedWireCard&) const = default;
};

// A seat's canastas: how many, and per column (two .. ace) the kind of each
// and the naturals in it when it closed.
struct TWireCanastas {
  int Count = 0;
  std::array<std::uint8_t, 13> Kind{};
  std::array<std::uint8_t, 13> Naturals{};
  bool operator==(const TWireCanastas&) const = default;
};

// "LOADGAME": the whole table of a game the peer loaded, every area as the
// peer holds it (its own seat is the receiver's opponent). The areas of the
// peer's pending take-back are sent too, though nobody reads them.
struct TLoadGameMessage {
  std::vector<TWireCard> Stock;
  std::vector<TWireCard> OpponentHand;
  std::vector<TWireCard> DiscardPile;
  std::vector<TWireCard> UndoDiscardPile;
  std::vector<TPlacedWireCard> OpponentMelds;
  std::vector<TPlacedWireCard> PlayerHand;
  std::vector<TPlacedWireCard> PlayerMelds;
  std::vector<TPlacedWireCard> UndoPlayerHand;
  std::vector<TPlacedWireCard> UndoPlayerMelds;
  TWireCanastas PlayerCanastas;
  TWireCanastas OpponentCanastas;
  TWireCanastas UndoPlayerCanastas;
  bool PileFrozen = false;
  int Phase = 0;
  int PendingPhase = 0;
  int MeldValue = 0;
  int PlayerScore = 0;
  int OpponentScore = 0;
  bool operator==(const TLoadGameMessage&) const = default;
};

}  // namespace tarvelo::protocol

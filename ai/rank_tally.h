#pragma once

#include "engine/game.h"

#include <array>

namespace tarvelo {

// What the computer counts per rank slot (0 joker, 1 two, 2 three .. 13 ace)
// before each decision, from public information only: its own hand and melds,
// the player's melds, the discard pile and the cards it saw the player take.
struct TRankTally {
  using TPerRank = std::array<int, ColumnCount>;
  TPerRank ownHand{};         // cards of the rank in the computer's hand
  TPerRank ownMeld{};         // cards in the computer's meld of the rank, wildcards included
  TPerRank ownMeldNatural{};  // cards of the rank anywhere in the computer's meld area
  TPerRank oppMeld{};         // cards in the player's meld of the rank
  TPerRank oppMeldNatural{};  // cards of the rank anywhere in the player's meld area
  TPerRank discardCount{};    // cards of the rank in the discard pile
  TPerRank oppTaken{};        // cards of the rank in the pickup memory

  int WildcardsInHand() const { return ownHand[RankJoker] + ownHand[RankTwo]; }
};

TRankTally CountRanks(const TGame& game);

// Points of a card of this rank slot; a three counts as the black three it must be in a hand.
int RankValue(int rank);

}  // namespace tarvelo

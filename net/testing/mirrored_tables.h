#pragma once

#include "engine/game.h"
#include "engine/table_mirror.h"
#include "engine/testing/recording_host.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace tarvelo {

// The cards of an area by identity, in order: where they lie is each side's own layout.
inline std::vector<std::pair<int, int>> CardsOf(const TCardArea& area) {
  std::vector<std::pair<int, int>> cards;
  for (const TCard& card : area.Live()) cards.emplace_back(card.Id, card.Deck);
  return cards;
}

// The two tables of a network game hold the same cards on the same seats: the
// receiver's table is the dealer's turned around, and one side is on turn.
inline void ExpectMirrored(const TGame& dealer, const TGame& receiver) {
  TRecordingHost host;
  TGame turned(host);
  static_cast<TGameValues&>(turned) = dealer;
  TurnTableAround(turned);
  const TTableState &t = turned.Table, &r = receiver.Table;
  EXPECT_EQ(CardsOf(r.PlayerHand), CardsOf(t.PlayerHand));
  EXPECT_EQ(CardsOf(r.OpponentHand), CardsOf(t.OpponentHand));
  EXPECT_EQ(CardsOf(r.PlayerMelds), CardsOf(t.PlayerMelds));
  EXPECT_EQ(CardsOf(r.OpponentMelds), CardsOf(t.OpponentMelds));
  EXPECT_EQ(CardsOf(r.Stock), CardsOf(t.Stock));
  EXPECT_EQ(CardsOf(r.DiscardPile), CardsOf(t.DiscardPile));
  EXPECT_EQ(r.PileFrozen, t.PileFrozen);
  EXPECT_EQ(r.PlayerScore, t.PlayerScore);
  EXPECT_EQ(r.OpponentScore, t.OpponentScore);
  EXPECT_NE(r.OpponentToMove, dealer.Table.OpponentToMove) << "one side is on turn";
}

// After a seat's moves replayed on the other side, the receiver holds what the
// sender's table holds, turned around.
inline void ExpectSameTableTurnedAround(const TGame& sender, const TGame& receiver) {
  EXPECT_EQ(MirrorDifference(sender, receiver), "");
}

}  // namespace tarvelo

#pragma once

#include "engine/game.h"
#include "engine/table_mirror.h"
#include "engine/testing/recording_host.h"

#include <algorithm>
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

// The ids of an area's cards: in order, or sorted where each side keeps its
// own order (a hand), and a card named by id may be the other pack's.
inline std::vector<int> IdsOf(const TCardArea& area, bool sorted = false) {
  std::vector<int> ids;
  for (const TCard& card : area.Live()) ids.push_back(card.Id);
  if (sorted) std::sort(ids.begin(), ids.end());
  return ids;
}
inline std::vector<std::pair<int, int>> MeldsByColumn(const TCardArea& melds) {
  std::vector<std::pair<int, int>> cards;
  for (const TCard& card : melds.Live()) cards.emplace_back(card.Column, card.Id);
  std::sort(cards.begin(), cards.end());
  return cards;
}
inline int ValueWithoutRedThrees(const TCardArea& melds) {
  int value = 0;
  for (const TCard& card : melds.Live()) value += IsRedThree(card) ? 0 : card.Value;
  return value;
}

// After a seat's moves replayed on the other side, the receiver holds what the
// sender's table holds, turned around: the same cards in every area, the same
// canastas, freeze and totals.
inline void ExpectSameTableTurnedAround(const TGame& sender, const TGame& receiver) {
  const TTableState &s = sender.Table, &r = receiver.Table;
  EXPECT_EQ(IdsOf(r.PlayerHand, true), IdsOf(s.OpponentHand, true));
  EXPECT_EQ(IdsOf(r.OpponentHand, true), IdsOf(s.PlayerHand, true));
  EXPECT_EQ(MeldsByColumn(r.PlayerMelds), MeldsByColumn(s.OpponentMelds));
  EXPECT_EQ(MeldsByColumn(r.OpponentMelds), MeldsByColumn(s.PlayerMelds));
  EXPECT_EQ(IdsOf(r.Stock), IdsOf(s.Stock));
  EXPECT_EQ(IdsOf(r.DiscardPile), IdsOf(s.DiscardPile));
  EXPECT_EQ(r.PileFrozen, s.PileFrozen);
  EXPECT_EQ(r.OpponentCanastas.Count, s.PlayerCanastas.Count);
  EXPECT_EQ(r.OpponentCanastas.Kind, s.PlayerCanastas.Kind);
  EXPECT_EQ(r.OpponentMeldValue, ValueWithoutRedThrees(s.PlayerMelds));
  EXPECT_EQ(r.PlayerScore, s.OpponentScore);
  EXPECT_EQ(r.OpponentScore, s.PlayerScore);
}

}  // namespace tarvelo

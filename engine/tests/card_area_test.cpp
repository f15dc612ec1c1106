#include "engine/card_area.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {
// A column of the given ids stacked downward from base line 100 at x = 48.
TCardArea Column(std::initializer_list<CardId> ids) {
  TCardArea area;
  area.Columns[6] = {48, 100};
  for (CardId id : ids) {
    TCard card = MakeCard(id, 0);
    card.Rank = RankSeven;  // all laid into the sevens' column
    PlaceInColumn(area, true, false, card);
    AddCard(area, card);
  }
  return area;
}
}  // namespace

TEST(CardArea, PlaceInColumnStacksDownwardAndUpward) {
  TCardArea down = Column({6, 19});
  EXPECT_EQ(down.Cards[0].Y, 112);
  EXPECT_EQ(down.Cards[1].Y, 124);
  EXPECT_EQ(down.Columns[6].Y, 124);

  TCardArea up;
  up.Columns[RankThree] = {93, 146};
  TCard three = MakeCard(RedThreeHearts, 0);
  PlaceInColumn(up, false, false, three);
  EXPECT_EQ(three.X, 93);
  EXPECT_EQ(three.Y, 134);
  PlaceInColumn(up, false, true, three);  // keepAnchor: the anchor stays
  EXPECT_EQ(up.Columns[RankThree].Y, 134);
}

TEST(CardArea, RemovingTheMiddleCardClosesTheColumn) {
  TCardArea area = Column({6, 19, 32});
  const TCard removed = RemoveAt(area, 1, +1, false, 6);
  EXPECT_EQ(removed.Id, 19);
  ASSERT_EQ(area.Count, 2);
  EXPECT_EQ(area.Cards[0].Y, 112);  // above the removed card: stays
  EXPECT_EQ(area.Cards[1].Id, 32);
  EXPECT_EQ(area.Cards[1].Y, 124);  // moved up by 12
  EXPECT_EQ(area.Columns[6].Y, 124);
}

TEST(CardArea, RemovingFromAClosedCanastaMovesNothing) {
  TCardArea area = Column({6, 19, 32});
  for (TCard& c : area.Live()) c.Y = 112;
  area.Columns[6].Y = 112;
  RemoveAt(area, 0, +1, true, 6);
  EXPECT_EQ(area.Cards[0].Y, 112);
  EXPECT_EQ(area.Cards[1].Y, 112);
  EXPECT_EQ(area.Columns[6].Y, 112);
}

TEST(CardArea, RemoveByIdTakesTheFirstMatchOnly) {
  TCardArea area = Column({6, 19, 6});
  EXPECT_EQ(RemoveById(area, 6), 2);
  EXPECT_EQ(area.Cards[0].Id, 19);
  EXPECT_EQ(area.Cards[1].Id, 6);
  EXPECT_EQ(RemoveById(area, 44), 2);  // absent: nothing happens
}

TEST(CardArea, OperationsOutsideTheBoundsAreStoppedUnchanged) {
  TCardArea area;
  EXPECT_THROW(PopTop(area), TRangeFault);
  EXPECT_THROW(RemoveAt(area, 0, 1, false, 0), TRangeFault);
  EXPECT_THROW((void)area.At(0), TRangeFault);
  for (int i = 0; i < MaxCards; ++i) AddCard(area, MakeCard(5, 0));
  EXPECT_THROW(AddCard(area, MakeCard(5, 0)), TRangeFault);
  EXPECT_EQ(area.Count, MaxCards);
  EXPECT_THROW(RemoveAt(area, MaxCards, 1, false, 0), TRangeFault);
  EXPECT_THROW(RemoveAt(area, -1, 1, false, 0), TRangeFault);
  EXPECT_THROW(RemoveAt(area, 3, 1, false, 14), TRangeFault);
  EXPECT_EQ(area.Count, MaxCards);
}

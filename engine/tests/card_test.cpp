#include "engine/card.h"

#include <gtest/gtest.h>

using namespace tarvelo;

TEST(Card, RankSlotsFollowTheIdLayout) {
  for (int id : {13, 26, 39, 52}) EXPECT_EQ(RankOf(id), RankAce) << id;
  for (int id : {1, 14, 27, 40}) EXPECT_EQ(RankOf(id), RankTwo) << id;
  for (int id : {2, 15, 28, 41}) EXPECT_EQ(RankOf(id), RankThree) << id;
  EXPECT_EQ(RankOf(12), RankKing);
  EXPECT_EQ(RankOf(JokerId), RankJoker);
}

TEST(Card, ValuesByRankAndThreesById) {
  struct Case {
    int id;
    int value;
  };
  const Case cases[] = {
      {JokerId, 50}, {1, 20},  {40, 20},            // joker, twos
      {2, 5},        {15, 5},  {28, 0},  {41, 0},   // black threes 5, red threes 0
      {3, 5},        {6, 5},   {7, 10},  {12, 10},  // four, seven, eight, king
      {13, 20},      {52, 20},                      // aces
  };
  for (const Case& c : cases) EXPECT_EQ(ValueOf(c.id), c.value) << "id " << c.id;
}

TEST(Card, WildcardsAndThrees) {
  EXPECT_TRUE(IsWildcard(MakeCard(JokerId, 0)));
  EXPECT_TRUE(IsWildcard(MakeCard(27, 1)));
  EXPECT_FALSE(IsWildcard(MakeCard(2, 0)));
  EXPECT_TRUE(IsRedThree(MakeCard(28, 0)));
  EXPECT_TRUE(IsRedThree(MakeCard(41, 1)));
  EXPECT_FALSE(IsRedThree(MakeCard(2, 0)));
  EXPECT_TRUE(IsBlackThree(MakeCard(15, 0)));
  EXPECT_FALSE(IsBlackThree(MakeCard(41, 0)));
}

TEST(Card, CharacterFormRoundTripsEveryCardOfBothPacks) {
  for (int deck = 0; deck < 2; ++deck)
    for (int id = 1; id <= JokerId; ++id) {
      const TCard card = MakeCard(static_cast<CardId>(id), static_cast<std::uint8_t>(deck));
      const unsigned char c = CardChar(card);
      EXPECT_EQ(c, 32 + id + 64 * deck);
      const auto back = CardFromChar(c);
      ASSERT_TRUE(back.has_value());
      EXPECT_EQ(*back, card);
    }
}

TEST(Card, CharacterThatNamesNoCardIsRefused) {
  for (unsigned char c : {0, 31, 32, 32 + 54, 32 + 55, 32 + 64, 32 + 64 + 54, 255})
    EXPECT_FALSE(CardFromChar(c).has_value()) << int(c);
}

#include "engine/card_names.h"
#include "engine/game.h"
#include "engine/testing/recording_host.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

using namespace tarvelo;

namespace {
std::string Hex(const std::string& bytes) {
  std::string out;
  char digits[3];
  for (const unsigned char c : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", c);
    out += digits;
  }
  return out;
}
}  // namespace

// The exact cards of a seeded shuffle and deal: any change to the random
// source, the shuffle or the order of dealing shows here first.
TEST(GoldenDeal, SeededShuffleAndDealGiveTheseCards) {
  TRecordingHost host(2026);
  TGame game(host);
  game.Table.PlayerDrawsFirst = true;
  game.DealHand(false);
  const TTableState& t = game.Table;
  EXPECT_EQ(Hex(game.LastDealString),
            "31417a762c35795978744b334950608662298b382f64534f24687d8887843d226c7b698025"
            "83315e5a4c47735c2d6146406f275b65557542703b3f858a6b7e30582e6639264867345723"
            "214a8152435682447f4e773e3728203c5f6e63515d2b7c45362a8932723a4d716a6d54");
  EXPECT_EQ(CardNames(t.PlayerHand), "3S 7S 9S 5D 4S JK TS 5H TH KH 3S JH QD JK 7D");
  EXPECT_EQ(CardNames(t.OpponentHand), "6C 7S 8H 2D 3C 6S 4D QD AC TC TD 9S AC 4H 8D");
  EXPECT_EQ(CardNames(t.PlayerMelds), "");
  EXPECT_EQ(CardNames(t.OpponentMelds), "3D 3D");
  EXPECT_EQ(CardNames(t.DiscardPile), "8S");
  EXPECT_EQ(CardNames(t.Stock).substr(0, 47), "9D 8C 6D 7C QC JD 2C QH 8D 5C 7H 3H 5S 7H QS 8C");
}

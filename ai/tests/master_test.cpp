#include "ai/master_search.h"
#include "ai/tests/ai_fixture.h"
#include "engine/invariants.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using namespace tarvelo;

using Master = ComputerTest;

namespace {
// The same table with two different hands of the player, both holding the 7H
// the computer saw taken with the pile: what the computer sees is the same,
// the stock's first card too; the rest of the deck fills the stock.
constexpr const char* Seen =
    "opp: KH KS 7D 7C 9S JD QC 5H 6S 4D; oppmelds: AH AS AC; melds: 8H 8S 8C 8D 8H; pile: 4C 9H 6H KD; stock: TC";
constexpr const char* HandA = "; hand: 7H 5C 5D 6C 6D TS TH JS QS";
constexpr const char* HandB = "; hand: 7H 9C 9D JH JC QH QD 4S 4H";

std::vector<int> Ids(const TCardArea& area) {
  std::vector<int> ids;
  for (const TCard& c : area.Live()) ids.push_back(c.Id);
  return ids;
}
}  // namespace

TEST_F(Master, TheHiddenCardsAreDealtAnewFromWhatItSeesAlone) {
  std::array<TTableState, 2> dealt;
  for (int i = 0; i < 2; ++i) {
    Lay((std::string(Seen) + (i == 0 ? HandA : HandB)).c_str(), LevelMaster);
    AddCard(t.pickupMemory, TTableBuilder::Card("7H"));
    TRandomSource random(7);
    dealt[i] = TMasterSearch::DealHidden(t, random);
    const TTableState& d = dealt[i];
    // The counts stay, the card seen taken stays in the hand, and the deck stays whole.
    EXPECT_EQ(d.PlayerHand.Count, 9);
    EXPECT_EQ(d.Stock.Count, t.Stock.Count);
    EXPECT_EQ(d.PlayerHand.Cards[0].Id, TTableBuilder::Card("7H").Id);
    std::array<int, JokerId + 1> copies{};
    for (const TCardArea* a :
         {&d.PlayerHand, &d.Stock, &d.OpponentHand, &d.OpponentMelds, &d.PlayerMelds, &d.DiscardPile})
      for (const TCard& c : a->Live()) ++copies[c.Id];
    for (int id = 1; id <= JokerId; ++id) EXPECT_EQ(copies[id], id == JokerId ? 4 : 2) << "card " << id;
  }
  EXPECT_EQ(Ids(dealt[0].PlayerHand), Ids(dealt[1].PlayerHand));
  EXPECT_EQ(Ids(dealt[0].Stock), Ids(dealt[1].Stock));
  EXPECT_NE(Ids(dealt[0].PlayerHand), Ids(t.PlayerHand));
}

TEST_F(Master, ItsTurnDoesNotDependOnThePlayersHiddenCards) {
  std::array<std::string, 2> after;
  for (int i = 0; i < 2; ++i) {
    host.Random.Seed(5);
    Lay((std::string(Seen) + (i == 0 ? HandA : HandB)).c_str(), LevelMaster);
    computer.Settings.MasterSamples = 3;
    int searches = 0;
    computer.SearchDone = [&](const TSearchReport& report) {
      ++searches;
      EXPECT_EQ(report.Samples, 3);
    };
    PlayWholeTurn();
    EXPECT_GE(searches, 2);  // the pile, the melding and the discard are weighed
    after[i] = "hand " + Hand() + "; melds " + Melds() + "; pile " + Pile();
  }
  EXPECT_EQ(after[0], after[1]);
}

TEST_F(Master, EveryCardStaysInOneAreaWhileItWeighsTheRedThreeFreeze) {
  // Two canastas needed under the three block, not yet melded, a red three in the
  // meld area: the Expert would freeze the pile with it, and the Master weighs that
  // against discarding each kind of card in its hand. Choosing moves no card: the
  // table is whole while each decision is weighed, and after the turn.
  game.Rules.NumberOfCanastas = 2;
  game.Rules.ThreeBlock = true;
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    SCOPED_TRACE(seed);
    host.Random.Seed(seed);
    Lay("oppmelds: 3H; opp: 4S 4C 6D 6H 7C 8D 9S TC JD QH KS AC; hand: 5C 5D 5H 8S 8C JH; pile: 9H", LevelMaster);
    computer.Settings.MasterSamples = 4;
    int searches = 0;
    computer.SearchDone = [&](const TSearchReport&) {
      ++searches;
      EXPECT_EQ(CheckCardConservation(t), "") << "while weighing decision " << searches;
    };
    PlayWholeTurn();
    EXPECT_GE(searches, 1);
    EXPECT_EQ(CheckCardConservation(t), "");
  }
}

#include "engine/card_names.h"
#include "engine/game.h"
#include "engine/invariants.h"
#include "engine/table_mirror.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/recording_observer.h"
#include "engine/testing/stacked_deck_host.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

using namespace tarvelo;

namespace {
constexpr const char* kFifteenNaturals = "4S 5S 6S 7S 8S 9S TS JS QS KS AS 4C 5C 6C 7C";
constexpr const char* kFifteenMore = "8C 9C TC JC QC KC AC 4D 5D 6D 7D 8D 9D TD JD";

std::string Stack(std::initializer_list<const char*> parts) {
  std::string top;
  for (const char* part : parts) top += std::string(part) + " ";
  return top;
}

// A card's column is kept in the meld areas only; elsewhere its place says it.
void ExpectSameArea(const TCardArea& expected, const TCardArea& actual, const char* name, bool melds) {
  SCOPED_TRACE(name);
  ASSERT_EQ(CardNames(actual), CardNames(expected));
  for (int i = 0; i < expected.Count; ++i) {
    EXPECT_EQ(actual.Cards[i], expected.Cards[i]) << "card " << i;
    if (melds) {
      EXPECT_EQ(actual.Cards[i].Column, expected.Cards[i].Column) << "card " << i;
    }
  }
  EXPECT_EQ(actual.Columns, expected.Columns);
}

// Two tables alike card for card and in what the next turn goes by; whose turn it is aside.
void ExpectSameTable(const TTableState& expected, const TTableState& actual) {
  const struct {
    TCardArea TTableState::*Area;
    const char* Name;
    bool Melds;
  } areas[] = {{&TTableState::Stock, "stock", false},
               {&TTableState::DiscardPile, "pile", false},
               {&TTableState::PlayerHand, "player's hand", false},
               {&TTableState::OpponentHand, "opponent's hand", false},
               {&TTableState::PlayerMelds, "player's melds", true},
               {&TTableState::OpponentMelds, "opponent's melds", true},
               {&TTableState::UndoPlayerHand, "snapshot of the hand", false},
               {&TTableState::UndoPlayerMelds, "snapshot of the melds", true},
               {&TTableState::UndoDiscardPile, "snapshot of the pile", false},
               {&TTableState::pickupMemory, "pickup memory", false}};
  for (const auto& a : areas) ExpectSameArea(expected.*a.Area, actual.*a.Area, a.Name, a.Melds);
  EXPECT_EQ(actual.PlayerCanastas, expected.PlayerCanastas);
  EXPECT_EQ(actual.OpponentCanastas, expected.OpponentCanastas);
  EXPECT_EQ(actual.PileFrozen, expected.PileFrozen);
  EXPECT_EQ(actual.PlayerDrawsFirst, expected.PlayerDrawsFirst);
  EXPECT_EQ(actual.InitialMeldMinimum, expected.InitialMeldMinimum);
  EXPECT_EQ(actual.PlayerScore, expected.PlayerScore);
  EXPECT_EQ(actual.OpponentScore, expected.OpponentScore);
  EXPECT_EQ(actual.OpponentMeldValue, expected.OpponentMeldValue);
  EXPECT_EQ(actual.PlayerMeldValueAtTurnStart, expected.PlayerMeldValueAtTurnStart);
  EXPECT_EQ(actual.OpponentMeldValueAtTurnStart, expected.OpponentMeldValueAtTurnStart);
  EXPECT_EQ(actual.MayDraw, expected.MayDraw);
  EXPECT_EQ(actual.HasDrawn, expected.HasDrawn);
  EXPECT_EQ(actual.StockDraws, expected.StockDraws);
  EXPECT_EQ(actual.StockExhausted, expected.StockExhausted);
  EXPECT_EQ(actual.EndHandRequested, expected.EndHandRequested);
  EXPECT_EQ(actual.TopCardPending, expected.TopCardPending);
  EXPECT_EQ(actual.PileTakeOpen, expected.PileTakeOpen);
  EXPECT_EQ(actual.OpponentTakeOpen, expected.OpponentTakeOpen);
  EXPECT_EQ(actual.MayMeldBlackThrees, expected.MayMeldBlackThrees);
  EXPECT_EQ(actual.DiscardSpread, expected.DiscardSpread);
  EXPECT_EQ(actual.NetworkHand, expected.NetworkHand);
  EXPECT_EQ(actual.LoadedHand, expected.LoadedHand);
}

// The dealer's table as the other side of the table sees it.
TTableState SeenFromTheOtherSeat(const TGame& dealer) {
  TRecordingHost host;
  TGame turned(host);
  static_cast<TGameValues&>(turned) = dealer;
  TurnTableAround(turned);
  return turned.Table;
}

// One hand of a network game: a dealer that deals and a receiver that builds
// the same hand from the dealer's deal string. Both play the same rules and
// keep the same stored setting of the initial freeze.
struct Case {
  const char* Name = "";
  std::uint32_t Seed = 1;  // the dealer's shuffle, when no cards are stacked
  std::string Top = "";    // cards stacked on top of the dealer's stock, first drawn first
  bool DealerDrawsFirst = true;
  bool InitialBlock = true;        // in force
  bool StoredInitialBlock = true;  // stored on both sides
  int DealerScore = 0;
  int ReceiverScore = 0;
};

struct TNetworkDeal {
  std::unique_ptr<TRecordingHost> dealerHost;
  TRecordingHost receiverHost{99};
  std::unique_ptr<TGame> dealer;
  TGame receiver{receiverHost};
  TRecordingObserver receiverReports;

  explicit TNetworkDeal(const Case& c) {
    dealerHost = c.Top.empty() ? std::make_unique<TRecordingHost>(c.Seed) : std::make_unique<TStackedDeckHost>(c.Top);
    dealer = std::make_unique<TGame>(*dealerHost);
    for (TRecordingHost* host : {dealerHost.get(), &receiverHost}) {
      host->Network = true;
      host->Settings["settings\\initial block"] = c.StoredInitialBlock ? "1" : "0";
    }
    for (TGame* game : {dealer.get(), &receiver}) game->Rules.InitialBlock = c.InitialBlock;
    dealer->Table.PlayerDrawsFirst = c.DealerDrawsFirst;
    dealer->Table.PlayerScore = receiver.Table.OpponentScore = c.DealerScore;
    dealer->Table.OpponentScore = receiver.Table.PlayerScore = c.ReceiverScore;
    // The receiver comes from a hand of its own, half played.
    receiver.DealHand(false);
    receiver.UndoStack.push_back({});
    receiver.Table.PileTakeOpen = true;
    receiver.Table.StockExhausted = true;
    receiver.Table.OpponentCanastas.Count = 1;
    AddCard(receiver.Table.pickupMemory, receiver.Table.PlayerHand.Top());
    receiver.SetObserver(&receiverReports);
  }
};

void ExpectTheSameHandOnBothSides(const Case& c) {
  SCOPED_TRACE(c.Name);
  TNetworkDeal deal(c);
  deal.dealer->DealHand(false);
  ASSERT_TRUE(deal.receiver.DealFromString(deal.dealer->LastDealString));
  const TTableState &dealt = deal.dealer->Table, &received = deal.receiver.Table;
  ASSERT_EQ(CheckCardConservation(received), "");
  ExpectSameTable(SeenFromTheOtherSeat(*deal.dealer), received);
  // The turn goes to the same seat: the dealer's turn is the receiver's opponent's.
  EXPECT_EQ(received.OpponentToMove, !dealt.OpponentToMove);
  EXPECT_EQ(received.Phase, dealt.PendingPhase);
  EXPECT_EQ(received.PendingPhase, dealt.Phase);
  EXPECT_EQ(deal.receiverHost.ComputerTurns, 0);
  EXPECT_EQ(deal.receiverHost.WhoseTurn.back(),
            c.DealerDrawsFirst ? "It's Opponent's turn to draw first." : "It's your turn to draw first.");
  EXPECT_EQ(deal.receiverHost.Sounds.back(), "Deal");
  EXPECT_EQ(deal.receiverHost.RulesHint, "|Adjust the rules of Canasta to your local variant");
  EXPECT_TRUE(deal.receiver.UndoStack.empty());
  EXPECT_FALSE(deal.receiverHost.EndHandVisible);
  EXPECT_EQ(deal.receiver.LastDealString, deal.dealer->LastDealString);
  EXPECT_TRUE(deal.receiverReports.Reports.empty()) << "the deal is the dealer's to tell";
  // Both sides could read the freeze from the same wrong place and still agree:
  // a lone natural upcard leaves it to the rules in force, anything turned up under it freezes.
  for (const TTableState* t : {&dealt, &received}) EXPECT_EQ(t->PileFrozen, t->DiscardPile.Count > 1 || c.InitialBlock);
}
}  // namespace

TEST(DealFromString, TheReceiverHoldsTheDealersHandFromTheOtherSeat) {
  const Case cases[] = {
      {.Name = "seeded, the dealer draws first", .Seed = 2026},
      {.Name = "seeded, the receiver draws first", .Seed = 2026, .DealerDrawsFirst = false},
      {.Name = "the first card to the dealer's opponent is a red three",
       .Top = Stack({"3D", kFifteenNaturals, kFifteenMore, "8H"})},
      {.Name = "a red three among the dealer's own cards",
       .Top = Stack({kFifteenNaturals, "3H", kFifteenMore, "8H"}),
       .DealerDrawsFirst = false},
      {.Name = "red threes to both seats", .Top = Stack({"4H 3D", kFifteenNaturals, "3H 3H", kFifteenMore, "3D 9H"})},
      {.Name = "a joker, a two and a red three turned up before a seven",
       .Top = Stack({kFifteenNaturals, kFifteenMore, "JK 2C 3H 7H"}),
       .InitialBlock = false},
      {.Name = "no freeze in force, though one is stored",
       .Top = Stack({kFifteenNaturals, kFifteenMore, "7H"}),
       .InitialBlock = false},
      {.Name = "a freeze in force, though none is stored",
       .Top = Stack({kFifteenNaturals, kFifteenMore, "7H"}),
       .StoredInitialBlock = false},
      {.Name = "each side's first meld by its own total",
       .Seed = 77,
       .DealerDrawsFirst = false,
       .DealerScore = 1600,
       .ReceiverScore = -20},
  };
  for (const Case& c : cases) ExpectTheSameHandOnBothSides(c);
}

TEST(DealFromString, EverySeededDealArrivesWhole) {
  for (std::uint32_t seed = 1; seed <= 40; ++seed)
    for (const bool dealerFirst : {true, false})
      ExpectTheSameHandOnBothSides({.Name = "seeded", .Seed = seed, .DealerDrawsFirst = dealerFirst});
}

TEST(DealFromString, TheStackedCardsReachTheSeatsNamed) {
  // The table cases compare two tables; this pins down on its own where the stacked cards go.
  TNetworkDeal deal({.Name = "stacked",
                     .Top = Stack({"3D", kFifteenNaturals, "3H", kFifteenMore, "JK 2C 3H 7H"}),
                     .InitialBlock = false});
  deal.dealer->DealHand(false);
  ASSERT_TRUE(deal.receiver.DealFromString(deal.dealer->LastDealString));
  const TTableState& t = deal.receiver.Table;
  EXPECT_EQ(CardNames(t.PlayerHand), kFifteenNaturals);
  EXPECT_EQ(CardNames(t.PlayerMelds), "3D");
  EXPECT_EQ(CardNames(t.OpponentHand), kFifteenMore);
  EXPECT_EQ(CardNames(t.OpponentMelds), "3H");
  EXPECT_EQ(CardNames(t.DiscardPile), "JK 2C 3H 7H");
  EXPECT_TRUE(t.PileFrozen);  // by the upcards, with no freeze in force
  EXPECT_EQ(t.Stock.Count, MaxCards - 36);
}

TEST(DealFromString, AStringThatIsNoWholeDealChangesNothing) {
  TRecordingHost dealerHost(5);
  TGame dealer(dealerHost);
  dealer.DealHand(false);
  const std::string whole = dealer.LastDealString;
  std::string slotTwice = whole, unknownDrawer = whole, slotBeyond = whole;
  slotTwice[2] = slotTwice[1];
  unknownDrawer[0] = 'x';
  slotBeyond[5] = static_cast<char>(32 + MaxCards);
  const std::pair<const char*, std::string> cases[] = {
      {"108 bytes", whole.substr(0, 108)}, {"110 bytes", whole + whole[1]},         {"a slot twice", slotTwice},
      {"first byte x", unknownDrawer},     {"a slot beyond the stock", slotBeyond}, {"empty", ""}};
  for (const auto& [name, text] : cases) {
    SCOPED_TRACE(name);
    TNetworkDeal deal({.Name = name, .Seed = 5});
    const TGameValues before = deal.receiver;
    const size_t sounds = deal.receiverHost.Sounds.size(), notices = deal.receiverHost.WhoseTurn.size();
    EXPECT_FALSE(deal.receiver.DealFromString(text));
    ExpectSameTable(before.Table, deal.receiver.Table);
    EXPECT_EQ(deal.receiver.Table.OpponentToMove, before.Table.OpponentToMove);
    EXPECT_EQ(deal.receiver.Table.Phase, before.Table.Phase);
    EXPECT_EQ(deal.receiver.UndoStack.size(), before.UndoStack.size());
    EXPECT_EQ(deal.receiver.LastDealString, before.LastDealString);
    EXPECT_EQ(deal.receiverHost.Sounds.size(), sounds);
    EXPECT_EQ(deal.receiverHost.WhoseTurn.size(), notices);
    EXPECT_TRUE(deal.receiverReports.Reports.empty());
  }
}

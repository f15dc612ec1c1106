// A turn of the player's seat, sent as the peer's messages and replayed on the
// other side's opponent seat, leaves the two tables holding the same cards.
#include "engine/peer_moves.h"
#include "engine/table_mirror.h"
#include "engine/tests/turn_fixture.h"
#include "net/protocol/framing.h"
#include "net/protocol/message_decoder.h"
#include "net/protocol/peer_encoder.h"
#include "net/protocol/peer_move_of.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tarvelo;
using namespace tarvelo::protocol;

namespace {
struct ReplayedTurn : TurnTest {
  TRecordingHost peerHost;
  TGame receiver{peerHost};
  size_t replayed = 0;
  std::vector<TRefusal> refused;

  ReplayedTurn() {
    host.Network = true;
    host.Deals = peerHost.Deals = false;  // a hand ended is compared before anyone deals again
    peerHost.Network = true;
    peerHost.Peer = "Ann";
  }

  // The other side holds the same table, its own seat across from the player's.
  void BothAt(const char* table, bool drawn, int stockHolds = -1) {
    drawn ? Drawn(table) : ToDraw(table);
    if (stockHolds >= 0) builder.StockHolds(stockHolds);
    t.PileFrozen = false;  // a case freezes it itself
    t.PlayerMeldValueAtTurnStart = game.MeldValue(false);
    static_cast<TGameValues&>(receiver) = game;
    TurnTableAround(receiver);
    receiver.Table.PendingPhase = drawn ? PhaseMeld : PhaseDraw;
    receiver.SaveTurnSnapshot(Seat::Opponent);
    replayed = reports.Reports.size();
  }

  // What the player's moves reported so far, through the wire and onto the other table.
  void Sync() {
    for (; replayed < reports.Reports.size(); ++replayed) {
      const auto* move = std::get_if<TMoveReport>(&reports.Reports[replayed]);
      if (!move || move->By != Seat::Player) continue;
      const std::string framed = Framed(*EncodeForPeer(*move));
      const TDecoded decoded = DecodeMessage(framed);
      ASSERT_TRUE(std::holds_alternative<TReceivedMessage>(decoded));
      const std::optional<TMove> step = PeerMoveOf(receiver.Table, std::get<TReceivedMessage>(decoded));
      ASSERT_TRUE(step) << "the card named is not on the other table";
      if (const TRefusal refusal = Refusal(receiver, Seat::Opponent, *step)) {
        refused.push_back(refusal);
        continue;
      }
      Apply(receiver, Seat::Opponent, *step);
    }
    EXPECT_TRUE(refused.empty()) << refused.front().Reason;
    EXPECT_EQ(MirrorDifference(game, receiver), "");
  }
};

struct TurnCase {
  const char* name;
  std::function<void(ReplayedTurn&)> play;
};

const TurnCase TurnCases[] = {
    {"two cards drawn, a meld laid and a discard",
     [](ReplayedTurn& f) {
       f.game.Rules.NumberOfCards = 2;
       f.BothAt("hand: 7H 7S 9D KC; melds: KH KS KD; stock: 7D 5C 6D", false);
       f.Draw();
       f.Sync();
       EXPECT_EQ(f.receiver.Table.PendingPhase, PhaseMeld);
       f.Meld("7H", 3);
       f.Sync();
       f.Discard("9D");
     }},
    {"a red three drawn is laid out and replaced",
     [](ReplayedTurn& f) {
       f.game.Rules.DrawExtra = true;
       f.BothAt("hand: 7H 8S 9D KC; stock: 3H 5C 6D", false);
       f.Draw();
     }},
    {"a frozen pile taken with a natural pair, the rest following",
     [](ReplayedTurn& f) {
       f.BothAt("hand: AH AS 4D 9C QD; melds: KH KS KD; pile: 5D 8C AD", false);
       f.t.PileFrozen = f.receiver.Table.PileFrozen = true;
       f.TakePile();
       f.Sync();
       EXPECT_EQ(f.receiver.Table.PendingPhase, PhaseTakePile);
       f.Meld("AH");
       f.Meld("AS");
       f.Sync();
       f.Discard("4D");
     }},
    {"a pile take given back costs 50 and restores the table",
     [](ReplayedTurn& f) {
       f.BothAt("hand: 7H 7S 4D 9C; melds: KH KS KD; pile: 5D 7D", false);
       f.t.PileFrozen = f.receiver.Table.PileFrozen = true;
       const TTableState before = f.receiver.Table;
       f.TakePile();
       f.Meld("7H");
       f.Sync();
       f.GiveBackPile();
       f.Sync();
       const TTableState& r = f.receiver.Table;
       EXPECT_EQ(r.OpponentScore, before.OpponentScore - 50);
       EXPECT_EQ(NamesOf(r.OpponentHand), NamesOf(before.OpponentHand));
       EXPECT_EQ(NamesOf(r.OpponentMelds), NamesOf(before.OpponentMelds));
       EXPECT_EQ(NamesOf(r.DiscardPile), NamesOf(before.DiscardPile));
       EXPECT_EQ(r.OpponentMeldValue, before.OpponentMeldValue);
       EXPECT_EQ(r.PendingPhase, PhaseDraw);
     }},
    {"a card taken back from a canasta of seven opens it again",
     [](ReplayedTurn& f) {
       f.BothAt("hand: 9H 9S 4D 5C; melds: 9D 9C 9D 9C 2S>9; oppmelds: KH KS KD", true);
       f.Meld("9H");
       f.Meld("9S");
       f.Sync();
       EXPECT_EQ(f.receiver.Table.OpponentCanastas.Count, 1);
       f.game.UndoMeld();
       f.Sync();
       EXPECT_EQ(f.receiver.Table.OpponentCanastas.Count, 0);
     }},
    {"a card taken back from a canasta of eight keeps it closed",
     [](ReplayedTurn& f) {
       f.BothAt("hand: 9H 4D 5C; melds: 9D 9C 9D 9C 9S 2S>9 2C>9", true);
       f.Meld("9H");
       f.Sync();
       f.game.UndoMeld();
       f.Sync();
       EXPECT_EQ(f.receiver.Table.OpponentCanastas.Count, 1);
     }},
    {"going out by melding the last cards",
     [](ReplayedTurn& f) {
       f.game.Rules.NumberOfCanastas = 1;
       f.BothAt("hand: AH AS AD; melds: KH KS KD KC KH KS KD; opp: 4C 5C", true);
       f.Meld("AH", 3);
       f.Sync();
       EXPECT_EQ(f.receiver.Table.WhoWentOut, OpponentWentOut);
     }},
    {"a take the exhausted stock forces, then going out",
     [](ReplayedTurn& f) {
       f.game.Rules.NumberOfCanastas = 1;
       f.game.Rules.AddExistingMeld = true;  // only the force takes the top card onto the nines
       f.BothAt("hand: QH QS QD; melds: KH KS KD KC KH KS KD 9C 9S 9D; pile: 5D 9H; opp: 4C 5C", false, 0);
       f.TakePile();
       f.Sync();
       EXPECT_EQ(NamesOf(f.receiver.Table.DiscardPile), "5D") << "the rest of the pile stays";
       f.Meld("QH", 3);
       f.Sync();
       EXPECT_EQ(f.receiver.Table.WhoWentOut, OpponentWentOut);
     }},
    {"a wildcard onto a meld, then a red three discarded from the melds",
     [](ReplayedTurn& f) {
       f.game.Rules.ThreeBlock = true;
       f.BothAt("hand: KH 9C JK; melds: 3H AH AS AD", true);
       f.AddWildcards(RankAce);
       f.Sync();
       f.DiscardRedThree(0);
     }},
    {"the last card passed",
     [](ReplayedTurn& f) {
       f.game.Rules.NumberOfCards = 1;
       f.BothAt("hand: 9C; melds: KH KS KD; stock: 3H", false, 1);
       f.Draw();
     }},
    {"the hand ended with the stock exhausted",
     [](ReplayedTurn& f) {
       f.BothAt("hand: 9C 4D; pile: 5D 2C", false, 0);
       f.game.EndHand();
     }},
};

TEST_F(ReplayedTurn, EveryTurnReplayedLeavesBothTablesAlike) {
  for (const TurnCase& c : TurnCases) {
    SCOPED_TRACE(c.name);
    game.Rules = {};
    receiver.Rules = {};
    refused.clear();
    c.play(*this);
    Sync();
  }
}
}  // namespace

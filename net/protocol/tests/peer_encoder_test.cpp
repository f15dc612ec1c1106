// The encoder on reports made by hand: the edges of its fields, and the
// opponent's moves, which the engine's scripted turns never report.
#include "net/protocol/peer_encoder.h"

#include "net/protocol/field_codecs.h"

#include <gtest/gtest.h>
#include <string>

using namespace tarvelo;
using namespace tarvelo::protocol;

namespace {
TCard Card(CardId id) { return MakeCard(id, 1); }
}  // namespace

TEST(PeerEncoder, TheLocalPlayersMovesKeepTheirFieldsAtTheEdges) {
  struct Case {
    const char* what;
    TMoveReport move;
    TPeerMessage message;
  };
  const Case cases[] = {
      {"a joker, the highest id, taken back from the last column",
       {Seat::Player, TMoveKind::TakeBack, Card(JokerId), ColumnCount - 1},
       {"UN", "U-"}},
      {"the lowest id taken back from the first column", {Seat::Player, TMoveKind::TakeBack, Card(1), 0}, {"UN", "! "}},
      {"a wildcard onto the wildcard canasta's column",
       {Seat::Player, TMoveKind::MeldWildcard, Card(JokerId), RankTwo},
       {"MELDWILDCARD",
        "53\xFE"
        "1"}},
      {"a wildcard onto the last column",
       {Seat::Player, TMoveKind::MeldWildcard, Card(1), ColumnCount - 1},
       {"MELDWILDCARD",
        "1\xFE"
        "13"}},
      {"a joker discarded", {Seat::Player, TMoveKind::Discard, Card(JokerId)}, {"DISCARD", "53"}},
      // The peer draws the same card from its own stock: only the token goes.
      {"a card drawn", {Seat::Player, TMoveKind::Draw, Card(7)}, {"DRAWNEW", ""}},
      {"the pile's top taken", {Seat::Player, TMoveKind::TakePile, Card(7)}, {"DRAWPILETOP", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(EncodeForPeer(c.move), c.message);
  }
}

TEST(PeerEncoder, NoMoveOfTheOpponentsSeatIsEncoded) {
  for (const TMoveKind kind : {TMoveKind::Draw, TMoveKind::TakePile, TMoveKind::TakePileRest, TMoveKind::GiveBackPile,
                               TMoveKind::Meld, TMoveKind::MeldWildcard, TMoveKind::TakeBack, TMoveKind::Discard,
                               TMoveKind::DiscardRedThree, TMoveKind::PassDiscard, TMoveKind::EndHand}) {
    SCOPED_TRACE(static_cast<int>(kind));
    EXPECT_EQ(EncodeForPeer(TMoveReport{Seat::Opponent, kind, Card(12), 4}), std::nullopt);
    EXPECT_NE(EncodeForPeer(TMoveReport{Seat::Player, kind, Card(12), 4}), std::nullopt);
  }
}

TEST(FieldCodecs, EveryFieldIsSeparatedEvenAnEmptyOne) {
  const std::string fields[] = {"", "7", ""};
  EXPECT_EQ(JoinFields(fields),
            "\xFE"
            "7\xFE");
  EXPECT_EQ(JoinFields({}), "");
}

// A peer's moves on the opponent's seat: each judged whole before it touches
// the table, and a turn the peer left unfinished settled for the computer.
#include "engine/peer_moves.h"

#include "engine/tests/turn_fixture.h"

using namespace tarvelo;

namespace {
struct PeerMoves : TurnTest {
  PeerMoves() {
    host.Network = true;
    host.Deals = false;
    host.Peer = "Ann";
  }
  // The peer is on turn, before its draw or after it.
  void PeerAt(const char* table, bool drawn = false) {
    builder.Build(table);
    t.OpponentToMove = true;
    game.ShowPhase(PhaseOpponent);
    t.PendingPhase = drawn ? PhaseMeld : PhaseDraw;
    t.StockDraws = 0;
    t.OpponentTakeOpen = t.OpponentTakeConditional = false;
    t.OpponentMeldValue = game.MeldValueOf(Seat::Opponent, true);
    game.SaveTurnSnapshot(Seat::Opponent);
  }
  int OppHandIndex(const char* name) const {
    return FindLast(t.OpponentHand, [&](const TCard& c) { return NameOf(c) == name; });
  }
  int OppMeldIndex(const char* name) const {
    return FindLast(t.OpponentMelds, [&](const TCard& c) { return NameOf(c) == name; });
  }
  TRefusal Judged(TMove move) {
    move.Stepwise = true;
    return Refusal(game, Seat::Opponent, move);
  }
  bool Step(TMove move) {
    move.Stepwise = true;
    if (Refusal(game, Seat::Opponent, move)) return false;
    Apply(game, Seat::Opponent, move);
    return true;
  }
};

TEST_F(PeerMoves, AMoveThatDoesNotApplyIsRefusedAndChangesNothing) {
  struct Case {
    const char* name;
    const char* table;
    bool drawn;
    std::function<TMove(PeerMoves&)> move;
    bool endsTheTurnWrongly;  // a refusal of the turn's melds, not of a move out of place
  };
  const Case cases[] = {
      {"a draw out of turn", "opp: 9C", false,
       [](PeerMoves& f) {
         f.t.OpponentToMove = false;
         return TMove{.Kind = TMoveKind::Draw};
       },
       false},
      {"a draw on an empty stock", "opp: 9C", false,
       [](PeerMoves& f) {
         f.builder.StockHolds(0);
         return TMove{.Kind = TMoveKind::Draw};
       },
       false},
      {"the pile taken once the draw has begun", "opp: 9C KH KS; pile: 4D KD", false,
       [](PeerMoves& f) {
         f.game.Rules.NumberOfCards = 2;
         f.Step({.Kind = TMoveKind::Draw});
         return TMove{.Kind = TMoveKind::TakePile};
       },
       false},
      {"a meld before the draw", "opp: KH KS KD", false,
       [](PeerMoves& f) { return TMove{.Kind = TMoveKind::Meld, .Card = f.OppHandIndex("KH")}; }, false},
      {"a card laid before this turn taken back", "opp: 9C 4D; oppmelds: KH KS KD", true,
       [](PeerMoves& f) {
         return TMove{.Kind = TMoveKind::TakeBack, .Card = f.OppMeldIndex("KD"), .Column = RankKing};
       },
       false},
      {"the rest of a pile nobody took", "opp: 9C 4D; pile: 5D 6C", true,
       [](PeerMoves&) { return TMove{.Kind = TMoveKind::TakePileRest}; }, false},
      {"a pile given back that was never taken", "opp: 9C 4D; pile: 5D 6C", true,
       [](PeerMoves&) { return TMove{.Kind = TMoveKind::GiveBackPile}; }, false},
      {"a discard while the pile's top card is not yet made good", "opp: 7H 7S 4D 9C; oppmelds: KH KS KD; pile: 5D 7D",
       false,
       [](PeerMoves& f) {
         f.t.PileFrozen = true;
         EXPECT_TRUE(f.Step({.Kind = TMoveKind::TakePile}));
         return TMove{.Kind = TMoveKind::Discard, .Card = f.OppHandIndex("4D")};
       },
       true},
      {"going out with one canasta of two", "opp: AH AS AD; oppmelds: KH KS KD KC KH KS KD", true,
       [](PeerMoves& f) {
         f.game.Rules.NumberOfCanastas = 2;
         f.Step({.Kind = TMoveKind::Meld, .Card = f.OppHandIndex("AH")});
         f.Step({.Kind = TMoveKind::Meld, .Card = f.OppHandIndex("AS")});
         return TMove{.Kind = TMoveKind::Meld, .Card = f.OppHandIndex("AD")};
       },
       true},
      {"the last card discarded with one canasta of two", "opp: 4D; oppmelds: KH KS KD KC KH KS KD", true,
       [](PeerMoves& f) {
         f.game.Rules.NumberOfCanastas = 2;
         return TMove{.Kind = TMoveKind::Discard, .Card = 0};
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    game.Rules = {};
    PeerAt(c.table, c.drawn);
    const TMove move = c.move(*this);
    const TTableState before = t;
    const TRefusal refusal = Judged(move);
    EXPECT_TRUE(refusal);
    EXPECT_EQ(refusal.Error == ErrorDiscardNotPossible, c.endsTheTurnWrongly) << refusal.Reason;
    EXPECT_EQ(NamesOf(t.OpponentHand), NamesOf(before.OpponentHand));
    EXPECT_EQ(NamesOf(t.OpponentMelds), NamesOf(before.OpponentMelds));
    EXPECT_EQ(NamesOf(t.DiscardPile), NamesOf(before.DiscardPile));
  }
}

TEST_F(PeerMoves, AHalfDoneDrawIsFinishedForTheComputer) {
  game.Rules.NumberOfCards = 2;
  PeerAt("opp: 9C 4D; stock: 7H 8S 5C");
  ASSERT_TRUE(Step({.Kind = TMoveKind::Draw}));
  EXPECT_EQ(t.PendingPhase, PhaseDraw) << "one card of two drawn";
  SettlePeerTurn(game);
  EXPECT_EQ(t.PendingPhase, PhaseMeld);
  EXPECT_EQ(NamesOf(t.OpponentHand), "9C 4D 7H 8S");
  EXPECT_EQ(NameOf(t.Stock.Top()), "5C") << "no card drawn beyond the turn's two";
}

TEST_F(PeerMoves, AnOpenPileTakeIsUndoneWithoutItsCharge) {
  PeerAt("opp: 7H 7S 4D 9C; oppmelds: KH KS KD; pile: 5D 7D");
  t.PileFrozen = true;
  const TTableState before = t;
  ASSERT_TRUE(Step({.Kind = TMoveKind::TakePile}));
  ASSERT_TRUE(Step({.Kind = TMoveKind::Meld, .Card = OppHandIndex("7H")}));
  SettlePeerTurn(game);
  EXPECT_EQ(NamesOf(t.OpponentHand), NamesOf(before.OpponentHand));
  EXPECT_EQ(NamesOf(t.OpponentMelds), NamesOf(before.OpponentMelds));
  EXPECT_EQ(NamesOf(t.DiscardPile), NamesOf(before.DiscardPile));
  EXPECT_EQ(t.OpponentScore, before.OpponentScore);
  EXPECT_EQ(t.OpponentMeldValue, before.OpponentMeldValue);
  EXPECT_EQ(t.PendingPhase, PhaseDraw);
}

TEST_F(PeerMoves, MeldsHalfLaidGoBackToTheDrawnHand) {
  PeerAt("opp: 7H 7S 4D 9C; oppmelds: KH KS KD", true);
  const TTableState drawn = t;
  ASSERT_TRUE(Step({.Kind = TMoveKind::Meld, .Card = OppHandIndex("7H")}));
  ASSERT_TRUE(Step({.Kind = TMoveKind::Meld, .Card = OppHandIndex("7S")}));
  SettlePeerTurn(game);
  EXPECT_EQ(NamesOf(t.OpponentHand), NamesOf(drawn.OpponentHand));
  EXPECT_EQ(NamesOf(t.OpponentMelds), NamesOf(drawn.OpponentMelds));
  EXPECT_EQ(t.OpponentMeldValue, drawn.OpponentMeldValue);
  EXPECT_EQ(t.PendingPhase, PhaseMeld) << "the draw stands";
}
}  // namespace

// The player's going out is judged concealed or not by its melds at its turn's start, set when the peer hands it over.
TEST_F(PeerMoves, ThePeersDiscardStartsThePlayersTurnWithItsMeldValue) {
  PeerAt("opp: 9C 4D; melds: KH KS KD", true);
  t.PlayerMeldValueAtTurnStart = 0;
  ASSERT_TRUE(Step({.Kind = TMoveKind::Discard, .Card = OppHandIndex("4D")}));
  EXPECT_FALSE(t.OpponentToMove);
  EXPECT_EQ(t.PlayerMeldValueAtTurnStart, 30);
}

#pragma once

#include "engine/game.h"
#include "engine/invariants.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/recording_observer.h"
#include "engine/testing/stub_opponent.h"
#include "engine/testing/table_builder.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvelo {

// A card's short name as the table builder spells it: "KH", "7D", "JK".
inline std::string NameOf(const TCard& card) {
  if (card.Id == JokerId) return "JK";
  const int rankIndex = (card.Id - 1) % 13, suit = (card.Id - 1) / 13;
  return std::string(1, "23456789TJQKA"[rankIndex]) + "SCDH"[suit];
}

// The names of an area's cards in area order, separated by spaces.
inline std::string NamesOf(const TCardArea& area) {
  std::string names;
  for (const TCard& c : area.Live()) names += (names.empty() ? "" : " ") + NameOf(c);
  return names;
}

// A player's turn on a table laid by the builder, driven through the engine's
// own entry point: the player's moves, judged and made by TryMove; what the
// game reports is recorded.
struct TurnTest : ::testing::Test {
  TDeferredTurns<TRecordingHost> host;
  TRecordingObserver reports;
  TGame game{host};
  TTableBuilder builder{game};
  TTableState& t = game.Table;
  const TLayout& l = game.Layout;

  TurnTest() {
    t.PileFrozen = false;
    game.SetObserver(&reports);
  }

  void ToDraw(const char* table) { builder.Build(table).PlayerToDraw(); }
  void Drawn(const char* table) { builder.Build(table).PlayerHasDrawn(); }

  bool Move(const TMove& move) { return TryMove(game, Seat::Player, move); }
  void Draw() { Move({.Kind = TMoveKind::Draw}); }
  void TakePile() { Move({.Kind = TMoveKind::TakePile}); }
  void GiveBackPile() { Move({.Kind = TMoveKind::GiveBackPile}); }
  // The index of the last hand card of that name (the one drawn on top of its column).
  int HandIndex(const char* name) const {
    return FindLast(t.PlayerHand, [&](const TCard& c) { return NameOf(c) == name; });
  }
  // Melds that hand card, or `count` naturals of its rank.
  void Meld(const char* name, int count = 1) {
    const int i = HandIndex(name);
    ASSERT_GE(i, 0) << name << " is not in the hand";
    Move({.Kind = TMoveKind::Meld, .Card = i, .Count = count});
  }
  void Discard(const char* name) {
    const int i = HandIndex(name);
    ASSERT_GE(i, 0) << name << " is not in the hand";
    Move({.Kind = TMoveKind::Discard, .Card = i});
  }
  // Wildcards of the hand onto a meld column; onto the twos' column they make the wildcard canasta.
  void AddWildcards(int column, int count = 1) {
    Move({.Kind = TMoveKind::MeldWildcard, .Column = column, .Count = count});
  }
  void DiscardRedThree(int meldIndex) { Move({.Kind = TMoveKind::DiscardRedThree, .Card = meldIndex}); }
  int MeldColumnSize(int column) {
    game.CountColumns();
    return t.ColumnCounts[CountPlayerMelds + column];
  }
  std::string LastStatus() const { return host.StatusLines.empty() ? "" : host.LastStatus().Text; }
  bool ErrorShown() const { return !host.StatusLines.empty() && host.LastStatus().IsError; }
  std::vector<TMoveKind> MoveKinds() const { return reports.MoveKinds(); }
  // The newest step of a move the game reported; a failure when there is none.
  TMoveReport LastMove() const {
    const std::vector<TMoveReport> moves = reports.Moves();
    if (moves.empty()) {
      ADD_FAILURE() << "no move was reported";
      return {};
    }
    return moves.back();
  }
  // A whole hand from the deal (random seed 7), the player drawing and discarding
  // the first card of the hand by the given actions and the stub opponent
  // answering, until the stock runs out and the hand is scored.
  void PlayHandToItsEnd(const std::function<void()>& draw, const std::function<void(const char*)>& discard) {
    host.Random.Seed(7);
    game.DealHand(false);
    for (int turn = 0; turn < 200 && host.HandResults.empty(); ++turn) {
      host.RunOpponentTurns(game);
      ASSERT_EQ(CheckCardConservation(t), "");
      if (!host.HandResults.empty()) break;
      ASSERT_EQ(t.Phase, PhaseDraw);
      if (t.StockExhausted) {
        game.EndHand();
        break;
      }
      draw();
      ASSERT_TRUE(t.HasDrawn);
      discard(NameOf(t.PlayerHand.Cards[0]).c_str());
      ASSERT_FALSE(t.HasDrawn) << LastStatus();
    }
  }
};

}  // namespace tarvelo

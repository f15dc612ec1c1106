#pragma once

#include "ai/computer_player.h"
#include "engine/card_names.h"
#include "engine/testing/recording_host.h"
#include "engine/testing/table_builder.h"

#include <deque>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvelo {

// A recording host whose random reals can be set in advance (then the seeded
// source takes over), and which counts the pauses the computer asks for.
class TScriptedHost : public TRecordingHost {
 public:
  using TRecordingHost::TRecordingHost;
  std::deque<double> Reals;
  std::vector<int> Pauses;  // the length of each pause asked for
  int Delay = 0;
  int BusyDepth = 0;  // busy cursors shown and not yet taken back
  // The table as the last hand ended, before the next one was dealt.
  const TTableState* Watched = nullptr;
  TTableState AtHandEnd;

  double RandomReal() override {
    if (Reals.empty()) return TRecordingHost::RandomReal();
    const double r = Reals.front();
    Reals.pop_front();
    return r;
  }
  void Pause(int milliseconds) override { Pauses.push_back(milliseconds); }
  int ComputerMeldDelay() const override { return Delay; }
  void SetBusy(bool busy) override { BusyDepth += busy ? 1 : -1; }
  void ShowHandResults(const THandResults& results) override {
    TRecordingHost::ShowHandResults(results);
    if (Watched) AtHandEnd = *Watched;
  }
};

// A computer turn on a table laid by the builder: "opp" is the computer's
// hand, "oppmelds" its melds, "hand" and "melds" the player's.
struct ComputerTest : ::testing::Test {
  TScriptedHost host;
  TGame game{host};
  TTableBuilder builder{game};
  TTableState& t = game.Table;
  TComputerPlayer computer{game};

  ComputerTest() {
    t.PileFrozen = false;
    host.Watched = &t;
  }

  // Lays the table with the computer to move; its meld points are those of its melds.
  void Lay(const char* table, int level = LevelBeginner) {
    builder.Build(table);
    t.PileFrozen = false;
    t.OpponentMeldValue = game.MeldValueOf(Seat::Opponent, true);
    t.OpponentToMove = true;
    t.PendingPhase = PhaseMeld;  // drawn: its steps may lay cards; a whole turn starts at the draw
    game.ShowPhase(PhaseOpponent);
    computer.Settings.computerLevel = level;
    computer.initialMeldTarget = TGame::InitialMeldFor(t.OpponentScore);
    computer.recountTallies();
  }
  // A whole turn, from its draw.
  void PlayWholeTurn() {
    t.PendingPhase = PhaseDraw;
    computer.playComputerTurn();
  }
  // The stock runs down to its top `left` cards: the others go to the player's
  // hand, out of the computer's sight.
  void StockLeft(int left) {
    while (t.Stock.Count > left) {
      TCard card = t.Stock.Cards[0];
      RemoveAt(t.Stock, 0, 0, true, 0);
      card.FaceUp = 1;
      PlaceInColumn(t.PlayerHand, true, false, card);
      AddCard(t.PlayerHand, card);
    }
    game.SetStockExhausted(left == 0);
  }
  std::string Hand() const { return CardNames(t.OpponentHand); }
  std::string Melds() const { return CardNames(t.OpponentMelds); }
  std::string Pile() const { return CardNames(t.DiscardPile); }
  int MeldSize(int column) {
    game.CountColumns();
    return t.ColumnCounts[CountOpponentMelds + column];
  }
  // The name of the hand card a discard choice points at, or "" for none.
  std::string Choice(int index) const { return index < 0 ? "" : CardName(t.OpponentHand.At(index)); }
};

}  // namespace tarvelo

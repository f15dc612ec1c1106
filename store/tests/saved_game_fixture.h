#pragma once

#include "engine/game.h"
#include "engine/random_source.h"
#include "engine/silent_host.h"
#include "engine/testing/stub_opponent.h"
#include "engine/testing/table_builder.h"
#include "session/input_translation.h"
#include "store/saved_game_format.h"
#include "store/saved_game_items.h"

#include <memory>
#include <string>

namespace tarvelo {

// The same mask seed for every record.
inline TSeedSource FixedSeed(int seed) {
  return [seed] { return seed; };
}

inline std::string CardText(const TCard& c) {
  return "id " + std::to_string(c.Id) + " rank " + std::to_string(c.Rank) + " at " + std::to_string(c.X) + "," +
         std::to_string(c.Y) + " value " + std::to_string(c.Value) + " face " + std::to_string(c.FaceUp) + " deck " +
         std::to_string(c.Deck);
}

// The first field of the file that differs between two tables, or "".
inline std::string FileFieldDifference(const TTableState& a, const TTableState& b) {
  for (const TAreaRecord& record : AreaRecords) {
    const TCardArea &x = a.*record.Area, &y = b.*record.Area;
    const std::string name = record.Name;
    if (x.Count != y.Count) return name + ": count " + std::to_string(x.Count) + " vs " + std::to_string(y.Count);
    for (int i = 0; i < x.Count; ++i)
      if (!(x.Cards[i] == y.Cards[i]))
        return name + " card " + std::to_string(i) + ": " + CardText(x.Cards[i]) + " vs " + CardText(y.Cards[i]);
    if (record.Long && x.Columns != y.Columns) return name + ": column anchors";
  }
  for (TCanastaInfo TTableState::*info : CanastaRecords) {
    TCanastaInfo x = a.*info, y = b.*info;
    x.Kind[0] = y.Kind[0] = x.Naturals[0] = y.Naturals[0] = 0;  // not in the file
    if (!(x == y)) return "canastas";
  }
  for (const TTurnItem& item : TurnItems)
    if (item.Get(a) != item.Get(b))
      return std::string(item.Name) + ": " + std::to_string(item.Get(a)) + " vs " + std::to_string(item.Get(b));
  return "";
}

// A host whose computer turns are played by the stub opponent when the test says.
class TPlayHost : public TDeferredTurns<TSilentHost> {
 public:
  using TDeferredTurns::TDeferredTurns;
  int Warnings = 0;
  void Warning(const std::string&) override { ++Warnings; }
};

// A small table the player is to draw at, and its file under seed 101 at 640x480:
// the pile's one card, the king of hearts, is line 3.
struct TKnownGame {
  TKnownGame() {
    TTableBuilder(game).Build("hand: 7H 7S; melds: QH QS QD; pile: KH").PlayerToDraw();
    good = WriteSavedGame(game.Table, 0, FixedSeed(101));
  }
  TPlayHost host{3};
  TGame game{host};
  std::string good;
};

// Moves a game along by random clicks on its cards, the stock and the pile:
// tables of every kind, with takes of the pile open, canastas and undo.
class TRandomTurns {
 public:
  TRandomTurns(TGame& game, TPlayHost& host, std::uint32_t seed)
      : game_(&game), host_(&host), input_(std::make_unique<TInputTranslation>(game)), random_(seed) {}

  void Use(TGame& game, TPlayHost& host) {
    game_ = &game;
    host_ = &host;
    input_ = std::make_unique<TInputTranslation>(game);
  }

  void Act() {
    TGame& g = *game_;
    const TTableState& t = g.Table;
    const TLayout& l = g.Layout;
    const int roll = random_.Int(100);
    // A hand that random melds have muddled is dealt again.
    if (t.Phase == PhaseHandOver || ++stepsInHand_ > 300) {
      stepsInHand_ = 0;
      g.DealHand(false);
    } else if (t.PlayerHand.Empty())
      g.UndoAll();
    else if (roll < 20)
      input_->Click(MouseButton::Left, l.LeftMargin + 2, l.StockY + 2, {});
    else if (roll < 35)
      input_->Click(MouseButton::Left, l.LeftMargin + 2, l.DiscardY + 2, {});
    else if (roll < 75)
      ClickCard(t.PlayerHand, MouseButton::Left);
    else if (roll < 90)
      ClickCard(t.PlayerHand, MouseButton::Right);
    else if (roll < 95)
      g.UndoMeld();
    else
      ClickCard(t.PlayerMelds, MouseButton::Left);
    host_->RunOpponentTurns(g);
  }

 private:
  void ClickCard(const TCardArea& area, MouseButton button) {
    if (area.Empty()) return;
    const TCard& c = area.Cards[random_.Int(area.Count)];
    for (int i = 0; i <= (button == MouseButton::Right ? game_->RightClicks : 0); ++i)
      input_->Click(button, c.X + 2, c.Y + 2, {});
  }

  TGame* game_;
  TPlayHost* host_;
  std::unique_ptr<TInputTranslation> input_;  // the clicks made into moves, as the window's are
  TRandomSource random_;
  int stepsInHand_ = 0;
};

}  // namespace tarvelo

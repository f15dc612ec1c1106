#pragma once

#include "engine/game.h"

#include <array>
#include <string>
#include <string_view>

namespace tarvelo {

// Lays named cards into the areas of a game at their real table positions, so
// that a scenario reads like the rule it checks:
//
//   TTableBuilder(game).Build("hand: KH KS 7D; melds: 7C 7C 7S 2S>7; pile: 5D 9C");
//
// Areas: hand, melds, opp (the opponent's hand), oppmelds, pile (bottom first),
// stock (the first named card is drawn first). Cards: rank 2-9, T, J, Q, K, A
// and suit S, C, D, H; JK is a joker. In a meld area a wildcard goes to the
// column given after ">" ("2S>7", "JK>K"), else to the wildcard canasta column.
// Each card can be named twice (once per pack; jokers four times). The cards
// not named go to the bottom of the stock, so all 108 are always on the table.
// Meld columns that reach seven cards are closed as canastas as they would be in play.
class TTableBuilder {
 public:
  explicit TTableBuilder(TGame& game) : game_(game) {}

  TTableBuilder& Build(std::string_view description);
  // The player is to draw: the start of the player's turn, nothing taken, nothing to undo.
  TTableBuilder& PlayerToDraw();
  // The player has drawn from the stock and may meld or discard.
  TTableBuilder& PlayerHasDrawn();
  // Leaves only the top `count` cards in the stock (an empty stock is exhausted);
  // the cards below them go to the end of the opponent's hand.
  TTableBuilder& StockHolds(int count);

  // The card a name stands for (first pack), without placing it.
  static TCard Card(std::string_view name);

 private:
  TCard Take(std::string_view name);
  void Place(std::string_view area, std::string_view token);
  void FillStock();

  TGame& game_;
  std::array<int, JokerId + 1> used_{};
  std::string stockTop_;  // names listed for the stock, in drawing order
};

}  // namespace tarvelo

#include "engine/table_mirror.h"

#include "engine/card_names.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarvelo {

namespace {
// Lays melds out again column by column in area order; a closed canasta is one pile.
void LayOutMelds(TGame& game, const TCardArea& from, TCardArea& to, Seat seat) {
  const bool player = seat == Seat::Player;
  const TCanastaInfo& canastas = game.Table.CanastasOf(seat);
  const int closedY = player ? game.Layout.PlayerMeldY + StackStep : game.Layout.OpponentMeldY - StackStep;
  to.Count = 0;
  for (TCard card : from.Live()) {
    const int column = card.Column;
    TColumnAnchor& anchor = to.Columns[column];
    if (canastas.Kind[column] != NoCanasta)
      anchor.Y = closedY;
    else
      anchor.Y += player ? StackStep : -StackStep;
    card.X = anchor.X;
    card.Y = anchor.Y;
    card.FaceUp = 1;
    AddCard(to, card);
  }
}

void LayOutPlayerHand(TCardArea& hand, const TCardArea& cards) {
  hand.Count = 0;
  for (TCard card : cards.Live()) {
    card.FaceUp = 1;
    PlaceInColumn(hand, true, false, card);
    AddCard(hand, card);
  }
}

void LayOutOpponentHand(TGame& game, TCardArea& hand, const TCardArea& cards) {
  const TTableState& t = game.Table;
  hand.Count = 0;
  for (TCard card : cards.Live()) {
    card.X = game.Layout.LeftMargin + t.CardOverlap * hand.Count;
    card.Y = 5;
    card.FaceUp = t.OpponentCardsShown ? 1 : 0;
    AddCard(hand, card);
  }
}
}  // namespace

void TurnTableAround(TGame& game) {
  TTableState& t = game.Table;
  const TCardArea playerHand = t.PlayerHand, opponentHand = t.OpponentHand;
  const TCardArea playerMelds = t.PlayerMelds, opponentMelds = t.OpponentMelds;
  const int playerMeldValue = game.MeldValueOf(Seat::Player, true);
  std::swap(t.PlayerCanastas, t.OpponentCanastas);
  std::swap(t.PlayerScore, t.OpponentScore);
  // Who draws first in the next hand stays with the seat, not with the place at the table.
  t.PlayerDrawsFirst = !t.PlayerDrawsFirst;

  game.ResetAnchors();
  LayOutPlayerHand(t.PlayerHand, opponentHand);
  LayOutOpponentHand(game, t.OpponentHand, playerHand);
  LayOutMelds(game, opponentMelds, t.PlayerMelds, Seat::Player);
  LayOutMelds(game, playerMelds, t.OpponentMelds, Seat::Opponent);

  t.OpponentMeldValue = playerMeldValue;
  t.InitialMeldMinimum = TGame::InitialMeldFor(t.PlayerScore);
  t.TopCardPending = false;
  t.OpponentTakeOpen = false;
  t.PileTakeOpen = false;
  t.HasDrawn = false;
  t.MayDraw = true;
  t.StockDraws = 0;
  t.MayMeldBlackThrees = false;
  t.PlayerMeldValueAtTurnStart = game.MeldValue(false);
  t.OpponentMeldValueAtTurnStart = t.OpponentMeldValue;
  game.ClearUndo();
  game.SaveTurnSnapshot();
  t.OpponentToMove = true;
  game.ShowPhase(PhaseOpponent);
}

namespace {
std::vector<int> IdsOf(const TCardArea& area, bool sorted) {
  std::vector<int> ids;
  for (const TCard& card : area.Live()) ids.push_back(card.Id);
  if (sorted) std::sort(ids.begin(), ids.end());
  return ids;
}

std::vector<std::pair<int, int>> ByColumn(const TCardArea& melds) {
  std::vector<std::pair<int, int>> cards;
  for (const TCard& card : melds.Live()) cards.emplace_back(card.Column, card.Id);
  std::sort(cards.begin(), cards.end());
  return cards;
}

int ValueWithoutRedThrees(const TCardArea& melds) {
  int value = 0;
  for (const TCard& card : melds.Live()) value += IsRedThree(card) ? 0 : card.Value;
  return value;
}
}  // namespace

std::string MirrorDifference(const TGame& sender, const TGame& receiver) {
  const TTableState &s = sender.Table, &r = receiver.Table;
  auto areas = [](const TCardArea& mine, const TCardArea& theirs, const char* name, bool sorted) -> std::string {
    if (IdsOf(mine, sorted) == IdsOf(theirs, sorted)) return "";
    return std::string(name) + ": [" + CardNames(mine) + "] against [" + CardNames(theirs) + "]";
  };
  std::string difference = areas(r.PlayerHand, s.OpponentHand, "the player's hand", true);
  if (difference.empty()) difference = areas(r.OpponentHand, s.PlayerHand, "the opponent's hand", true);
  if (difference.empty()) difference = areas(r.Stock, s.Stock, "the stock", false);
  if (difference.empty()) difference = areas(r.DiscardPile, s.DiscardPile, "the pile", false);
  if (!difference.empty()) return difference;
  if (ByColumn(r.PlayerMelds) != ByColumn(s.OpponentMelds))
    return "the player's melds: [" + CardNames(r.PlayerMelds) + "] against [" + CardNames(s.OpponentMelds) + "]";
  if (ByColumn(r.OpponentMelds) != ByColumn(s.PlayerMelds))
    return "the opponent's melds: [" + CardNames(r.OpponentMelds) + "] against [" + CardNames(s.PlayerMelds) + "]";
  if (r.PlayerCanastas.Count != s.OpponentCanastas.Count || r.PlayerCanastas.Kind != s.OpponentCanastas.Kind ||
      r.OpponentCanastas.Count != s.PlayerCanastas.Count || r.OpponentCanastas.Kind != s.PlayerCanastas.Kind)
    return "the canastas";
  if (r.OpponentMeldValue != ValueWithoutRedThrees(s.PlayerMelds)) return "the opponent's meld value";
  if (r.PileFrozen != s.PileFrozen) return "the pile's freeze";
  if (r.PlayerScore != s.OpponentScore || r.OpponentScore != s.PlayerScore)
    return "the totals: " + std::to_string(r.PlayerScore) + " and " + std::to_string(r.OpponentScore) + " against " +
           std::to_string(s.OpponentScore) + " and " + std::to_string(s.PlayerScore);
  return "";
}

}  // namespace tarvelo

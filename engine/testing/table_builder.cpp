#include "engine/testing/table_builder.h"

#include <sstream>
#include <stdexcept>
#include <vector>

namespace tarvelo {

namespace {
std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::vector<std::string> Words(std::string_view s) {
  std::istringstream in{std::string(s)};
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

int RankIndexOf(char c) {
  const std::string_view ranks = "23456789TJQKA";
  const auto pos = ranks.find(c);
  if (pos == std::string_view::npos) throw std::invalid_argument(std::string("unknown rank ") + c);
  return static_cast<int>(pos);
}

// The column a rank character names: "7" is the sevens' column 6, "2" the wildcard column 1.
int ColumnOfRankChar(char c) { return RankIndexOf(c) + 1; }
}  // namespace

TCard TTableBuilder::Card(std::string_view name) {
  if (name == "JK") return MakeCard(JokerId, 0);
  if (name.size() != 2) throw std::invalid_argument("bad card name " + std::string(name));
  const std::string_view suits = "SCDH";
  const auto suit = suits.find(name[1]);
  if (suit == std::string_view::npos) throw std::invalid_argument("bad suit in " + std::string(name));
  return MakeCard(static_cast<CardId>(suit * 13 + RankIndexOf(name[0]) + 1), 0);
}

TCard TTableBuilder::Take(std::string_view name) {
  TCard card = Card(name);
  const int copies = card.Id == JokerId ? 4 : 2;
  const int n = used_[card.Id]++;
  if (n >= copies) throw std::invalid_argument("too many copies of " + std::string(name));
  card.Deck = static_cast<std::uint8_t>(card.Id == JokerId ? n / 2 : n);
  return card;
}

TTableBuilder& TTableBuilder::Build(std::string_view description) {
  TTableState& t = game_.Table;
  for (TCardArea* a :
       {&t.Stock, &t.DiscardPile, &t.OpponentHand, &t.PlayerHand, &t.PlayerMelds, &t.OpponentMelds, &t.pickupMemory})
    a->Count = 0;
  t.PlayerCanastas = {};
  t.OpponentCanastas = {};
  used_.fill(0);
  stockTop_.clear();
  game_.ResetAnchors();
  while (!description.empty()) {
    const auto end = description.find(';');
    const std::string_view part = Trim(description.substr(0, end));
    description = end == std::string_view::npos ? std::string_view{} : description.substr(end + 1);
    if (part.empty()) continue;
    const auto colon = part.find(':');
    if (colon == std::string_view::npos) throw std::invalid_argument("missing area in " + std::string(part));
    for (const std::string& token : Words(part.substr(colon + 1))) Place(Trim(part.substr(0, colon)), token);
  }
  FillStock();
  game_.SetStockExhausted(false);
  game_.CountColumns();
  return *this;
}

void TTableBuilder::Place(std::string_view area, std::string_view token) {
  TTableState& t = game_.Table;
  const TLayout& l = game_.Layout;
  if (area == "stock") {
    stockTop_ += std::string(token) + " ";
    return;
  }
  const auto arrow = token.find('>');
  TCard card = Take(token.substr(0, arrow));
  card.FaceUp = 1;
  if (area == "hand") {
    PlaceInColumn(t.PlayerHand, true, false, card);
    AddCard(t.PlayerHand, card);
  } else if (area == "opp") {
    card.FaceUp = t.OpponentCardsShown ? 1 : 0;
    card.X = l.LeftMargin + t.CardOverlap * t.OpponentHand.Count;
    card.Y = 5;
    AddCard(t.OpponentHand, card);
  } else if (area == "pile") {
    card.X = l.LeftMargin;
    card.Y = l.DiscardY;
    AddCard(t.DiscardPile, card);
  } else if (area == "melds" || area == "oppmelds") {
    const bool player = area == "melds";
    TCardArea& melds = player ? t.PlayerMelds : t.OpponentMelds;
    const Seat seat = player ? Seat::Player : Seat::Opponent;
    int column = card.Rank;
    if (IsWildcard(card)) column = arrow == std::string_view::npos ? RankTwo : ColumnOfRankChar(token[arrow + 1]);
    const bool closed = t.CanastasOf(seat).Kind[column] != NoCanasta;
    TColumnAnchor& anchor = melds.Columns[column];
    if (!closed) anchor.Y += player ? StackStep : -StackStep;
    card.X = anchor.X;
    card.Y = anchor.Y;
    card.Column = static_cast<std::uint8_t>(column);
    AddCard(melds, card);
    game_.CheckCanasta(seat, column);
  } else {
    throw std::invalid_argument("unknown area " + std::string(area));
  }
}

void TTableBuilder::FillStock() {
  TTableState& t = game_.Table;
  const TLayout& l = game_.Layout;
  std::vector<TCard> top;
  for (const std::string& name : Words(stockTop_)) top.push_back(Take(name));
  // Unnamed cards first (the bottom), then the named ones so that the first named is on top.
  for (int id = 1; id <= JokerId; ++id) {
    const int copies = id == JokerId ? 4 : 2;
    while (used_[id] < copies) {
      TCard card =
          MakeCard(static_cast<CardId>(id), static_cast<std::uint8_t>(id == JokerId ? used_[id] / 2 : used_[id]));
      ++used_[id];
      card.X = l.LeftMargin;
      card.Y = l.StockY;
      AddCard(t.Stock, card);
    }
  }
  for (auto it = top.rbegin(); it != top.rend(); ++it) {
    TCard card = *it;
    card.X = l.LeftMargin;
    card.Y = l.StockY;
    AddCard(t.Stock, card);
  }
}

TTableBuilder& TTableBuilder::PlayerToDraw() {
  TTableState& t = game_.Table;
  t.OpponentToMove = false;
  t.TopCardPending = false;
  t.PileTakeOpen = false;
  game_.ClearUndo();
  t.MayDraw = true;
  t.HasDrawn = false;
  t.StockDraws = 0;
  game_.ShowPhase(PhaseDraw);
  game_.SaveTurnSnapshot();
  return *this;
}

TTableBuilder& TTableBuilder::PlayerHasDrawn() {
  TTableState& t = game_.Table;
  t.OpponentToMove = false;
  t.TopCardPending = false;
  t.PileTakeOpen = false;
  game_.ClearUndo();
  t.MayDraw = false;
  t.HasDrawn = true;
  t.StockDraws = 0;
  game_.ShowPhase(PhaseMeld);
  game_.SaveTurnSnapshot();
  return *this;
}

TTableBuilder& TTableBuilder::StockHolds(int count) {
  TTableState& t = game_.Table;
  const int below = t.Stock.Count - count;
  for (int i = 0; i < below; ++i) {
    TCard card = t.Stock.Cards[i];
    card.X = game_.Layout.LeftMargin + t.CardOverlap * t.OpponentHand.Count;
    card.Y = 5;
    card.FaceUp = t.OpponentCardsShown ? 1 : 0;
    AddCard(t.OpponentHand, card);
  }
  for (int i = 0; i < count; ++i) t.Stock.Cards[i] = t.Stock.Cards[below + i];
  t.Stock.Count = static_cast<std::uint8_t>(count);
  game_.SetStockExhausted(count == 0);
  return *this;
}

}  // namespace tarvelo

#include "ai/selfplay/player_seat_computer.h"

#include "engine/moves.h"
#include "engine/table_mirror.h"

#include <algorithm>

namespace tarvelo {

namespace {
bool SameCard(const TCard& a, const TCard& b) { return a.Id == b.Id && a.Deck == b.Deck; }

int IndexOf(const TCardArea& area, const TCard& card) {
  return FindLast(area, [&](const TCard& c) { return SameCard(c, card); });
}

int CountIn(const TCardArea& area, const TCard& card, int column) {
  return static_cast<int>(std::count_if(area.Live().begin(), area.Live().end(),
                                        [&](const TCard& c) { return SameCard(c, card) && c.Column == column; }));
}

int WildcardsIn(const TCardArea& melds, int column) {
  return static_cast<int>(std::count_if(melds.Live().begin(), melds.Live().end(),
                                        [&](const TCard& c) { return c.Column == column && IsWildcard(c); }));
}

}  // namespace

// Still the player's turn of the same hand: a hand the turn ended may already have been dealt again.
bool TPlayerSeatComputer::OnTurn(const TGame& game) const {
  return game.PlayerOnTurn() && game.LastDealString == deal_;
}

TPlayerSeatComputer::TPlayerSeatComputer(const TComputerSettings& settings) {
  host_.Deals = false;
  computer_.Settings = settings;
  // Each laying step is judged as the player's own would be, so that the turn can be made as the player's.
  computer_.CheckLegality = true;
}

bool TPlayerSeatComputer::PlayTurn(TGame& game) {
  deal_ = game.LastDealString;
  if (!OnTurn(game)) return true;
  before_ = game.Table;
  PlayOnTheTurnedTable(game);
  if (MakeTheSameTurn(game) && !OnTurn(game)) return true;
  EndTurnAnyway(game);
  return false;
}

void TPlayerSeatComputer::PlayOnTheTurnedTable(const TGame& game) {
  static_cast<TGameValues&>(turned_) = game;
  turned_.Rehearsing = false;
  TurnTableAround(turned_);
  turned_.Table.PendingPhase = PhaseDraw;
  host_.GameOver = false;
  computer_.playComputerTurn();
}

bool TPlayerSeatComputer::MakeTheSameTurn(TGame& game) {
  const TTableState& after = turned_.Table;
  const bool took = after.Stock.Count == before_.Stock.Count && after.DiscardPile.Count <= before_.DiscardPile.Count &&
                    !before_.DiscardPile.Empty() && IndexOf(after.DiscardPile, before_.DiscardPile.Top()) < 0;
  if (after.Stock.Count == before_.Stock.Count && !took)  // the hand ended with the stock exhausted
    return TryMove(game, Seat::Player, {.Kind = TMoveKind::EndHand});
  if (!TryMove(game, Seat::Player, {.Kind = took ? TMoveKind::TakePile : TMoveKind::Draw})) return false;
  if (!OnTurn(game)) return true;
  if (!LayTheSameMelds(game, took ? before_.DiscardPile.Top().Rank : -1)) return false;
  return !OnTurn(game) || EndTheSameWay(game);
}

// Naturals before wildcards, column by column, the pile's top card's column
// first; a column that waits for cards still in the pile is laid on a second
// pass, once the take is made good and the rest of the pile is in the hand.
bool TPlayerSeatComputer::LayTheSameMelds(TGame& game, int firstColumn) {
  std::vector<int> columns;
  if (firstColumn >= 0) columns.push_back(firstColumn);
  for (int c = ColumnCount - 1; c >= 0; --c)
    if (c != firstColumn && c != RankThree) columns.push_back(c);
  columns.push_back(RankThree);  // black threes go out last
  for (int pass = 0; pass < 2; ++pass)
    for (const int column : columns) {
      if (!LayColumn(game, column, pass == 0)) return false;
      if (!OnTurn(game)) return true;
    }
  return true;
}

bool TPlayerSeatComputer::LayColumn(TGame& game, int column, bool onlyWhole) {
  const TCardArea& wanted = turned_.Table.OpponentMelds;
  const TTableState& t = game.Table;
  if (onlyWhole && !InHand(t, column)) return true;
  for (const TCard& card : wanted.Live()) {
    if (card.Column != column || IsWildcard(card) || IsRedThree(card)) continue;
    if (CountIn(t.PlayerMelds, card, column) >= CountIn(wanted, card, column)) continue;
    const int index = IndexOf(t.PlayerHand, card);
    if (index < 0) continue;  // not in the hand yet
    if (!TryMove(game, Seat::Player, {.Kind = TMoveKind::Meld, .Card = index})) return false;
    if (!OnTurn(game)) return true;
  }
  // As many wildcards as the computer laid there; one laid by itself with a pair counts.
  while (WildcardsIn(t.PlayerMelds, column) < WildcardsIn(wanted, column)) {
    int index = -1;
    for (const TCard& card : wanted.Live())
      if (card.Column == column && IsWildcard(card) && index < 0) index = IndexOf(t.PlayerHand, card);
    if (index < 0) index = FindLast(t.PlayerHand, IsWildcard);
    if (index < 0) return true;  // not in the hand yet
    if (!TryMove(game, Seat::Player, {.Kind = TMoveKind::MeldWildcard, .Card = index, .Column = column})) return false;
    if (!OnTurn(game)) return true;
  }
  return true;
}

// Every natural the computer laid in the column is laid already or in the hand.
bool TPlayerSeatComputer::InHand(const TTableState& t, int column) const {
  const TCardArea& wanted = turned_.Table.OpponentMelds;
  for (const TCard& card : wanted.Live()) {
    if (card.Column != column || IsWildcard(card) || IsRedThree(card)) continue;
    const int missing = CountIn(wanted, card, column) - CountIn(t.PlayerMelds, card, column);
    const auto held = std::count_if(t.PlayerHand.Live().begin(), t.PlayerHand.Live().end(),
                                    [&](const TCard& c) { return SameCard(c, card); });
    if (missing > held) return false;
  }
  return true;
}

bool TPlayerSeatComputer::EndTheSameWay(TGame& game) {
  const TTableState& after = turned_.Table;
  const TTableState& t = game.Table;
  if (!after.DiscardPile.Empty()) {
    const TCard& top = after.DiscardPile.Top();
    if (const int index = IndexOf(t.PlayerHand, top); index >= 0)
      return TryMove(game, Seat::Player, {.Kind = TMoveKind::Discard, .Card = index});
    if (const int index = IndexOf(t.PlayerMelds, top); index >= 0 && IsRedThree(top))
      return TryMove(game, Seat::Player, {.Kind = TMoveKind::DiscardRedThree, .Card = index});
  }
  return TryMove(game, Seat::Player, {.Kind = TMoveKind::PassDiscard});
}

void TPlayerSeatComputer::EndTurnAnyway(TGame& game) const {
  if (!OnTurn(game)) return;
  if (game.Table.PileTakeOpen) TryMove(game, Seat::Player, {.Kind = TMoveKind::GiveBackPile});
  game.UndoAll();
  if (!game.Table.HasDrawn && !TryMove(game, Seat::Player, {.Kind = TMoveKind::Draw}))
    TryMove(game, Seat::Player, {.Kind = TMoveKind::EndHand});
  for (int i = 0; OnTurn(game) && i < game.Table.PlayerHand.Count; ++i)
    TryMove(game, Seat::Player, {.Kind = TMoveKind::Discard, .Card = i});
  if (OnTurn(game)) TryMove(game, Seat::Player, {.Kind = TMoveKind::PassDiscard});
}

}  // namespace tarvelo

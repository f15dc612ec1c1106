// The moves every level makes with its cards: into and out of the hand row,
// and from the hand into the meld columns.
#include "ai/computer_player.h"

#include <algorithm>

namespace tarvelo {

void TComputerPlayer::animateMove(const TCard& from, const TCard& to) {
  if (Game.Rehearsing) return;
  const TLayout& l = Game.Layout;
  Game.Host.AnimateCard(from, to);
  Game.Host.RepaintRect(from.X, from.Y, l.CardWidth, l.CardHeight);
  Game.Host.RepaintRect(to.X, to.Y, l.CardWidth, l.CardHeight);
}

void TComputerPlayer::pause() {
  if (!Game.Rehearsing) Game.Host.Pause(Game.Host.ComputerMeldDelay());
}

int TComputerPlayer::findInHand(int rank) const {
  return FindFirst(Game.Table.OpponentHand, [rank](const TCard& c) { return c.Rank == rank; });
}

void TComputerPlayer::addToComputerHand(TCard card, bool animate) {
  TTableState& t = Game.Table;
  const TCard from = card;
  int right = Game.Layout.LeftMargin - t.CardOverlap;
  for (const TCard& c : t.OpponentHand.Live()) right = std::max(right, c.X);
  card.X = right + t.CardOverlap;
  card.Y = 5;
  card.FaceUp = t.OpponentCardsShown ? 1 : 0;
  AddCard(t.OpponentHand, card);
  if (animate) animateMove(from, card);
}

TCard TComputerPlayer::removeFromComputerHand(int index) {
  TTableState& t = Game.Table;
  if (index < 0 || index >= t.OpponentHand.Count)
    throw TRangeFault("Internal Failure removing card from computer's hand");
  const TCard card = RemoveAt(t.OpponentHand, index, 0, true, 0);
  for (TCard& c : t.OpponentHand.Live())
    if (c.X > card.X) c.X -= t.CardOverlap;
  return card;
}

void TComputerPlayer::meldFromHand(int index) {
  TTableState& t = Game.Table;
  const TCard from = removeFromComputerHand(index);
  TCard card = from;
  card.FaceUp = 1;
  // A closed canasta is one pile: later cards go onto it.
  PlaceInColumn(t.OpponentMelds, false, t.OpponentCanastas.Kind[card.Rank] != NoCanasta, card);
  AddCard(t.OpponentMelds, card);
  if (!IsRedThree(card)) t.OpponentMeldValue += card.Value;
  animateMove(from, card);
  pause();
  Game.CountColumns();
  if (t.ColumnCounts[CountOpponentMelds + card.Rank] >= 7) Game.CheckCanasta(Seat::Opponent, card.X);
}

int TComputerPlayer::cardsToLay(int rank, int limit) {
  recountTallies();
  const int n = limit == 0 ? tally.ownHand[rank] : std::min(limit, tally.ownHand[rank]);
  // As for the player's own melding of a whole rank: short of the canastas to go
  // out, a card stays in the hand for the discard. While the pile is being
  // taken, the rest of it is still to come into the hand.
  const TTableState& t = Game.Table;
  const int coming = takingPile_ ? t.DiscardPile.Count : 0;
  return n == t.OpponentHand.Count + coming && !hasCanastasNeeded() ? n - 1 : n;
}

void TComputerPlayer::meldNaturals(int rank, int limit) {
  const TCardArea& hand = Game.Table.OpponentHand;
  // From the end of the hand, so that a top card just taken is laid first.
  for (int n = cardsToLay(rank, limit); n > 0; --n)
    meldFromHand(FindLast(hand, [rank](const TCard& c) { return c.Rank == rank; }));
  recountTallies();
  if (tally.ownMeld[rank] == 2 && rank >= RankFour) meldWildcard(rank);
}

void TComputerPlayer::meldWildcard(int rank) {
  TTableState& t = Game.Table;
  int index = findInHand(RankJoker);
  if (index < 0) index = findInHand(RankTwo);
  if (index < 0) {
    if (!Game.Rehearsing) Game.Host.Warning("Meld error: Wildcard not found.");
    return;
  }
  const TCard from = removeFromComputerHand(index);
  TCard card = from;
  card.FaceUp = 1;
  TColumnAnchor& anchor = t.OpponentMelds.Columns[rank];
  if (t.OpponentCanastas.Kind[rank] == NoCanasta) anchor.Y -= StackStep;
  card.X = anchor.X;
  card.Y = anchor.Y;
  AddCard(t.OpponentMelds, card);
  t.OpponentMeldValue += card.Value;
  animateMove(from, card);
  pause();
  Game.CountColumns();
  if (t.ColumnCounts[CountOpponentMelds + rank] >= 7) Game.CheckCanasta(Seat::Opponent, card.X);
}

void TComputerPlayer::layDownRedThrees(bool fromEnd) {
  const TCardArea& hand = Game.Table.OpponentHand;
  const TLayout& l = Game.Layout;
  auto next = [&] { return fromEnd ? FindLast(hand, IsRedThree) : FindFirst(hand, IsRedThree); };
  for (int i = next(); i >= 0; i = next()) {
    meldFromHand(i);
    const TColumnAnchor& place = Game.Table.OpponentMelds.Columns[RankThree];
    Game.Host.RepaintRect(place.X, place.Y, l.CardWidth, l.CardHeight);
    pause();
  }
}

int TComputerPlayer::wildcardsInMeld(int rank) const {
  int n = 0;
  for (const TCard& c : Game.Table.OpponentMelds.Live())
    if (IsWildcard(c) && Game.ColumnOf(c.X) == rank) ++n;
  return n;
}

}  // namespace tarvelo

#include "engine/column_makeup.h"
#include "engine/game.h"

namespace tarvelo {

bool TGame::ValidateMelds() {
  CountColumns();
  const TTableState& t = Table;
  const auto columns = MakeupOf(t.PlayerMelds, Layout);
  int meldTotal = 0, blackThrees = 0;
  for (const TCard& c : t.PlayerMelds.Live()) {
    meldTotal += c.Value;
    if (IsBlackThree(c)) ++blackThrees;
  }
  auto fail = [this](std::string reason) {
    Table.DiscardReason = std::move(reason);
    return false;
  };

  for (int c = RankFour; c <= RankAce; ++c)
    if (columns[c].Size() != 0 && columns[c].Size() < 3)
      return fail("every melded rank must contain at least three cards");
  // Only the first meld of a hand is held to the minimum, and not in the turn
  // that melds the whole hand.
  const bool released = Rules.BonusCounts && t.PlayerCanastas.Count > 0;
  if (meldTotal < t.InitialMeldMinimum && !released && meldTotal != 0 && t.PlayerHand.Count != 0)
    return fail("your first meld must be at least " + std::to_string(t.InitialMeldMinimum) + " points (currently " +
                std::to_string(meldTotal) + " points)");
  for (int c = RankFour; c <= RankAce; ++c)
    if (columns[c].Naturals < columns[c].Wildcards) return fail("there are too many wildcards within one rank");
  const bool threesOk =
      t.PlayerHand.Count != 0 ? blackThrees == 0 : (blackThrees == 0 || blackThrees == 3 || blackThrees == 4);
  if (!threesOk) return fail("the Black Threes have not been melded correctly");
  if (columns[RankTwo].Size() != 0 && columns[RankTwo].Size() < 7) return fail("wildcards must be melded as a canasta");
  return true;
}

bool TGame::ValidateForDiscard() {
  if (!ValidateMelds()) return false;
  if (Table.TopCardPending) {
    Table.DiscardReason = "you have not melded the top card correctly";
    return false;
  }
  return true;
}

bool TGame::CheckCanasta(Seat seat, int columnX) {
  const int c = ColumnOf(columnX);
  if (c == RankThree) return false;
  TCardArea& melds = Table.MeldsOf(seat);
  TCanastaInfo& canastas = Table.CanastasOf(seat);
  int n = 0, m = 0;
  for (const TCard& card : melds.Live()) {
    if (card.X != columnX) continue;
    ++n;
    if (!IsWildcard(card)) ++m;
  }
  if (n < 7 || (m < 4 && c != RankTwo)) return false;

  const std::uint8_t kind = c == RankTwo ? WildcardCanasta : n == m ? NaturalCanasta : MixedCanasta;
  // New the first time the column qualifies: with its wildcards laid first a
  // column reaches four naturals only at eight cards or more.
  if (canastas.Kind[c] == NoCanasta) {
    ++canastas.Count;
    canastas.Kind[c] = kind;
    if (seat == Seat::Player) Host.PlaySound(kind == MixedCanasta ? "Mixed Canasta" : "Natural Canasta");
  }
  // A closed canasta is drawn as one pile; later cards are laid on it.
  const int closedY = seat == Seat::Player ? Layout.PlayerMeldY + StackStep : Layout.OpponentMeldY - StackStep;
  for (TCard& card : melds.Live())
    if (card.X == columnX) card.Y = closedY;
  melds.Columns[c].Y = closedY;
  if (c != RankTwo) ShowCanastaTopCard(melds, columnX, kind);
  canastas.Naturals[c] = static_cast<std::uint8_t>(m);
  if (seat == Seat::Opponent && !Rehearsing) {
    Host.Repaint();
    Host.Pause(Host.ComputerMeldDelay());
  }
  return true;
}

void TGame::ShowCanastaTopCard(TCardArea& melds, int columnX, int kind) {
  int lastBlack = -1, lastRed = -1, lastOfColumn = -1;
  for (int i = 0; i < melds.Count; ++i) {
    const TCard& card = melds.Cards[i];
    if (card.X != columnX) continue;
    lastOfColumn = i;
    if (IsWildcard(card)) continue;
    (card.Id < 29 ? lastBlack : lastRed) = i;
  }
  // A mixed canasta shows a black natural (red if it has none), a natural one a red natural.
  const int chosen =
      kind == MixedCanasta ? (lastBlack >= 0 ? lastBlack : lastRed) : (lastRed >= 0 ? lastRed : lastBlack);
  if (chosen >= 0 && chosen != lastOfColumn) std::swap(melds.Cards[chosen], melds.Cards[lastOfColumn]);
}

bool TGame::UpdateMayMeldBlackThrees() {
  CountColumns();
  const int threes = Table.ColumnCounts[CountPlayerHand + RankThree];
  const int hand = Table.PlayerHand.Count;
  if (Table.PlayerCanastas.Count >= Rules.NumberOfCanastas && threes > 2 && (hand == threes || hand == threes + 1))
    Table.MayMeldBlackThrees = true;
  return Table.MayMeldBlackThrees;
}

bool TGame::MustPassDiscard() {
  const TTableState& t = Table;
  if (t.PlayerHand.Count != 1 || t.PlayerCanastas.Count >= Rules.NumberOfCanastas) return false;
  if (t.TopCardPending && t.DiscardPile.Count > 0) return false;
  if (!ValidateForDiscard()) return false;
  if (t.PlayerCanastas.Count == 0 && Rules.NumberOfCanastas > 1) return true;
  // The last card need not be passed when melding it completes a canasta.
  const TCard& last = t.PlayerHand.Cards[0];
  const auto columns = MakeupOf(t.PlayerMelds, Layout);
  if (!IsWildcard(last)) return columns[last.Rank].Size() != 6;
  for (int c = RankFour; c <= RankAce; ++c)
    if (columns[c].Size() == 6 && columns[c].Wildcards < 3) return false;
  return true;
}

bool TGame::IsPileTakeComplete() {
  const TTableState& t = Table;
  if (!t.PileTakeOpen || !ValidateMelds()) return false;
  const auto columns = MakeupOf(t.PlayerMelds, Layout);
  const TColumnMakeup& column = columns[t.PileTakeRank < ColumnCount ? t.PileTakeRank : 0];
  if (column.Size() < t.PileTakeColumnBase + 3) return false;
  if (t.PileTakeNeedsHand && column.Naturals < t.PileTakeHandBase + 3) return false;
  return MeldValue(false) >= t.InitialMeldMinimum || (Rules.BonusCounts && t.PlayerCanastas.Count > 0);
}

}  // namespace tarvelo

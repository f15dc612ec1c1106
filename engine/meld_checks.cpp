#include "engine/meld_checks.h"

#include "engine/column_makeup.h"
#include "engine/seat_rules.h"

#include <string>
#include <utility>

namespace tarvelo {

std::string MeldFault(const TGame& game, Seat seat, const TMeldJudgement& judgement) {
  const TTableState& t = game.Table;
  const TCardArea& melds = t.MeldsOf(seat);
  const TCanastaInfo& canastas = t.CanastasOf(seat);
  const auto columns = MakeupOf(melds);
  int total = 0, blackThrees = 0;
  for (const TCard& c : melds.Live()) {
    total += c.Value;
    blackThrees += IsBlackThree(c) ? 1 : 0;
  }
  for (int c = RankFour; c <= RankAce; ++c)
    if (columns[c].Size() != 0 && columns[c].Size() < 3) return "every melded rank must contain at least three cards";
  // Only the first meld of a hand is held to the minimum, and not in the turn that goes out.
  const bool released = game.Rules.BonusCounts && canastas.Count > 0;
  if (total < judgement.Minimum && !released && total != 0 && !judgement.GoingOut)
    return "your first meld must be at least " + std::to_string(judgement.Minimum) + " points (currently " +
           std::to_string(total) + " points)";
  for (int c = RankFour; c <= RankAce; ++c)
    if (columns[c].Naturals < columns[c].Wildcards) return "there are too many wildcards within one rank";
  // Two decks hold four black threes: going out, three or four of them may be melded.
  if (blackThrees != 0 && !(judgement.GoingOut && blackThrees >= 3))
    return "the Black Threes have not been melded correctly";
  const int wildColumn = columns[RankTwo].Size();
  if ((wildColumn != 0 && wildColumn < 7) || (judgement.GuardSteps && columns[RankJoker].Size() != 0))
    return "wildcards must be melded as a canasta";
  const bool handEmpty = (seat == Seat::Player ? t.PlayerHand : t.OpponentHand).Empty();
  if (judgement.GuardSteps && handEmpty && canastas.Count < game.Rules.NumberOfCanastas)
    return "the hand was emptied without the canastas to go out";
  return "";
}

std::string StepMeldFault(const TGame& game, Seat seat, int minimum) {
  const TTableState& t = game.Table;
  const int handCount = seat == Seat::Player ? t.PlayerHand.Count : t.OpponentHand.Count;
  const bool goingOut = t.CanastasOf(seat).Count >= game.Rules.NumberOfCanastas && handCount <= 1;
  return MeldFault(game, seat, {.Minimum = minimum, .GoingOut = goingOut, .GuardSteps = true});
}

std::string PileTakeFault(const TGame& game, Seat seat, const TPileTakeDemand& demand) {
  if (!demand.Conditional) return "";
  const TColumnMakeup column = MakeupOf(game.Table.MeldsOf(seat))[demand.Rank];
  if (column.Size() < demand.ColumnBase + 3 || (demand.NeedsHand && column.Naturals < demand.NaturalBase + 3))
    return TopCardFault;
  return "";
}

bool TGame::ValidateMelds() {
  CountColumns();
  const TTableState& t = Table;
  const TMeldJudgement finishedTurn{.Minimum = t.InitialMeldMinimum, .GoingOut = t.PlayerHand.Count == 0};
  std::string fault = MeldFault(*this, Seat::Player, finishedTurn);
  if (fault.empty()) return true;
  Table.DiscardReason = std::move(fault);
  return false;
}

bool TGame::ValidateForDiscard() {
  if (!ValidateMelds()) return false;
  if (Table.TopCardPending) {
    Table.DiscardReason = TopCardFault;
    return false;
  }
  return true;
}

bool TGame::CheckCanasta(Seat seat, int column) {
  if (column < 0 || column >= ColumnCount) return false;
  const int c = column;
  if (c == RankThree) return false;
  TCardArea& melds = Table.MeldsOf(seat);
  TCanastaInfo& canastas = Table.CanastasOf(seat);
  int n = 0, m = 0;
  for (const TCard& card : melds.Live()) {
    if (card.Column != c) continue;
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
    if (card.Column == c) card.Y = closedY;
  melds.Columns[c].Y = closedY;
  if (c != RankTwo) ShowCanastaTopCard(melds, c, kind);
  canastas.Naturals[c] = static_cast<std::uint8_t>(m);
  if (seat == Seat::Opponent && !Rehearsing) {
    Host.Repaint();
    if (!Host.NetworkGameActive()) Host.Pause(Host.ComputerMeldDelay());
  }
  return true;
}

void TGame::ShowCanastaTopCard(TCardArea& melds, int column, int kind) {
  int lastBlack = -1, lastRed = -1, lastOfColumn = -1;
  for (int i = 0; i < melds.Count; ++i) {
    const TCard& card = melds.Cards[i];
    if (card.Column != column) continue;
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
  if (MayMeldBlackThrees(*this, Seat::Player)) Table.MayMeldBlackThrees = true;
  return Table.MayMeldBlackThrees;
}

bool TGame::MustPassDiscard() {
  const TTableState& t = Table;
  // Only a last card that could complete a canasta is not passed: the player melds it instead.
  if (t.PlayerHand.Count != 1 || !MayPassDiscard(*this, Seat::Player)) return false;
  if (t.TopCardPending && t.DiscardPile.Count > 0) return false;
  if (!ValidateForDiscard()) return false;
  if (t.PlayerCanastas.Count == 0 && Rules.NumberOfCanastas > 1) return true;
  // The last card need not be passed when melding it completes a canasta.
  const TCard& last = t.PlayerHand.Cards[0];
  const auto columns = MakeupOf(t.PlayerMelds);
  if (!IsWildcard(last)) return columns[last.Rank].Size() != 6;
  for (int c = RankFour; c <= RankAce; ++c)
    if (columns[c].Size() == 6 && columns[c].Wildcards < 3) return false;
  return true;
}

bool TGame::IsPileTakeComplete() {
  const TTableState& t = Table;
  if (!t.PileTakeOpen || !ValidateMelds()) return false;
  TPileTakeDemand demand;
  demand.Rank = t.PileTakeRank < ColumnCount ? t.PileTakeRank : 0;
  demand.Conditional = true;
  demand.NeedsHand = t.PileTakeNeedsHand;
  demand.ColumnBase = t.PileTakeColumnBase;
  demand.NaturalBase = t.PileTakeHandBase;
  if (!PileTakeFault(*this, Seat::Player, demand).empty()) return false;
  return MeldValue(false) >= t.InitialMeldMinimum || (Rules.BonusCounts && t.PlayerCanastas.Count > 0);
}

}  // namespace tarvelo

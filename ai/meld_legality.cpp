#include "ai/meld_legality.h"

#include "engine/column_makeup.h"

#include <array>

namespace tarvelo {

std::string ComputerMeldFault(const TGame& game, int minimum) {
  const TTableState& t = game.Table;
  const auto columns = MakeupOf(t.OpponentMelds, game.Layout);
  const bool canastas = t.OpponentCanastas.Count >= game.Rules.NumberOfCanastas;
  const bool goingOut = canastas && t.OpponentHand.Count <= 1;
  int total = 0, blackThrees = 0;
  for (const TCard& c : t.OpponentMelds.Live()) {
    total += c.Value;
    blackThrees += IsBlackThree(c) ? 1 : 0;
  }
  for (int c = RankFour; c <= RankAce; ++c)
    if (columns[c].Size() != 0 && columns[c].Size() < 3) return "every melded rank must contain at least three cards";
  const bool released = game.Rules.BonusCounts && t.OpponentCanastas.Count > 0;
  if (total < minimum && !released && total != 0 && !goingOut)
    return "your first meld must be at least " + std::to_string(minimum) + " points (currently " +
           std::to_string(total) + " points)";
  for (int c = RankFour; c <= RankAce; ++c)
    if (columns[c].Naturals < columns[c].Wildcards) return "there are too many wildcards within one rank";
  if (blackThrees != 0 && !(goingOut && blackThrees >= 3)) return "the Black Threes have not been melded correctly";
  const int wildColumn = columns[RankTwo].Size();
  if ((wildColumn != 0 && wildColumn < 7) || columns[RankJoker].Size() != 0)
    return "wildcards must be melded as a canasta";
  if (t.OpponentHand.Empty() && !canastas) return "the hand was emptied without the canastas to go out";
  return "";
}

std::string PileTakeFault(const TGame& game, const TPileTakeDemand& demand) {
  if (!demand.conditional) return "";
  const auto column = MakeupOf(game.Table.OpponentMelds, game.Layout)[demand.rank];
  int naturals = 0;
  for (const TCard& c : game.Table.OpponentMelds.Live()) naturals += c.Rank == demand.rank ? 1 : 0;
  if (column.Size() < demand.columnBase + 3 || (demand.needsHand && naturals < demand.naturalBase + 3))
    return "you have not melded the top card correctly";
  return "";
}

}  // namespace tarvelo

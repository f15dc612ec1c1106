#include "ai/computer_moves.h"

#include "engine/game.h"

namespace tarvelo {

namespace {
const char* KindName(TMoveKind kind) {
  switch (kind) {
    case TMoveKind::Draw:
      return "draw";
    case TMoveKind::TakePile:
      return "take the pile";
    case TMoveKind::TakePileRest:
      return "take the rest of the pile";
    case TMoveKind::Meld:
      return "meld";
    case TMoveKind::MeldWildcard:
      return "meld a wildcard";
    case TMoveKind::Discard:
      return "discard";
    case TMoveKind::DiscardRedThree:
      return "discard a red three";
    case TMoveKind::PassDiscard:
      return "pass the discard";
    default:
      return "move";
  }
}
}  // namespace

bool TComputerMoves::Make(const TMove& move) {
  const TRefusal refusal = Refusal(game_, Seat::Opponent, move);
  if (refusal) {
    // A refused discard carries its fault in Reason: the status line's text would add the player's last one.
    const bool shown = refusal.Error != StatusPhase && refusal.Error != ErrorDiscardNotPossible;
    const std::string why = shown ? game_.ErrorText(refusal.Error) : refusal.Reason;
    if (refused_) refused_(std::string("refused ") + KindName(move.Kind) + (why.empty() ? "" : ": " + why));
    return false;
  }
  Apply(game_, Seat::Opponent, move);
  return true;
}

TCard TComputerMoves::TakePileTop(bool thaw) {
  const TCard top = game_.Table.DiscardPile.Top();
  if (!Make({.Kind = TMoveKind::TakePile, .Count = thaw ? 1 : 0})) return top;
  return Hand().Top();
}

void TComputerMoves::MeldNaturals(int rank, int count) {
  if (count < 1) return;
  const int last = FindLast(Hand(), [rank](const TCard& c) { return c.Rank == rank; });
  Make({.Kind = TMoveKind::Meld, .Card = last, .Count = count});
}

void TComputerMoves::MeldWildcard(int column) {
  if (FindFirst(Hand(), IsWildcard) < 0) {
    if (!game_.Rehearsing) game_.Host.Warning("Meld error: Wildcard not found.");
    return;
  }
  Make({.Kind = TMoveKind::MeldWildcard, .Column = column});
}

void TComputerMoves::LayDownRedThrees(bool fromEnd) {
  const TLayout& l = game_.Layout;
  auto next = [&] { return fromEnd ? FindLast(Hand(), IsRedThree) : FindFirst(Hand(), IsRedThree); };
  for (int i = next(); i >= 0; i = next()) {
    if (!MeldFromHand(i)) return;
    const TColumnAnchor& place = game_.Table.OpponentMelds.Columns[RankThree];
    game_.Host.RepaintRect(place.X, place.Y, l.CardWidth, l.CardHeight);
    Pause();
  }
}

}  // namespace tarvelo

#include "engine/scoring.h"

#include "engine/game.h"

namespace tarvelo {

namespace {
int CanastaBonus(int kind) {
  switch (kind) {
    case MixedCanasta:
      return 300;
    case NaturalCanasta:
      return 500;
    case WildcardCanasta:
      return 1000;
    default:
      return 0;
  }
}
}  // namespace

THandScore TGame::ScoreSeat(Seat seat) const {
  const TTableState& t = Table;
  const bool player = seat == Seat::Player;
  const TCardArea& melds = t.MeldsOf(seat);
  const TCardArea& hand = player ? t.PlayerHand : t.OpponentHand;
  const TCanastaInfo& canastas = t.CanastasOf(seat);
  const bool wentOut = t.WhoWentOut == (player ? PlayerWentOut : OpponentWentOut);
  const int valueAtTurnStart = player ? t.PlayerMeldValueAtTurnStart : t.OpponentMeldValueAtTurnStart;

  THandScore s;
  auto& rows = s.Rows;
  if (wentOut) rows[RowFinishBonus].Value = valueAtTurnStart != 0 ? 100 : 200;  // 200: concealed

  int redThrees = 0;
  bool onlyRedThrees = true;
  for (const TCard& c : melds.Live()) {
    if (IsRedThree(c))
      ++redThrees;
    else
      onlyRedThrees = false;
  }
  const bool penalty =
      (canastas.Count < Rules.NumberOfCanastas && Rules.CanastaRequired) || (!wentOut && onlyRedThrees);
  const int sign = penalty ? -1 : 1;

  if (!penalty) {
    for (int c = RankTwo; c < ColumnCount; ++c) {
      if (canastas.Kind[c] == NoCanasta) continue;
      ++rows[RowCanastas].Count;
      rows[RowCanastas].Value += CanastaBonus(canastas.Kind[c]);
    }
  }
  rows[RowRedThrees].Count = redThrees;
  rows[RowRedThrees].Value = sign * 100 * redThrees;
  for (const TCard& c : melds.Live()) {
    if (IsRedThree(c)) continue;
    ++rows[RowCardsOnTable].Count;
    rows[RowCardsOnTable].Value += sign * c.Value;
  }
  // All four red threes on the table double their worth; in the penalty case
  // the ones caught in the hand count towards the four as well.
  if (!penalty && redThrees == 4) rows[RowRedThrees].Value += 400;
  for (const TCard& c : hand.Live()) {
    if (IsRedThree(c)) {
      ++rows[RowRedThrees].Count;
      rows[RowRedThrees].Value -= 500;
    } else {
      ++rows[RowCardsInHand].Count;
      rows[RowCardsInHand].Value -= c.Value;
    }
  }
  if (penalty && rows[RowRedThrees].Count == 4) rows[RowRedThrees].Value -= 400;

  for (int r = RowCardsOnTable; r <= RowFinishBonus; ++r) rows[RowTotal].Value += rows[r].Value;
  return s;
}

std::pair<int, int> TGame::ScoreHand() {
  THandResults results;
  results.PlayerName = Host.PlayerName();
  results.OpponentName = OpponentCaption();
  results.Player = ScoreSeat(Seat::Player);
  results.Opponent = ScoreSeat(Seat::Opponent);
  const int player = results.Player.Total();
  const int opponent = results.Opponent.Total();
  Host.PlaySound(player < opponent ? "Lose Hand" : "Win Hand");
  Table.PlayerScore += player;
  Table.OpponentScore += opponent;
  Host.Repaint();
  Host.ShowHandResults(results);
  return {player, opponent};
}

std::string GameVerdict(int d, const std::string& name, const std::string& opponent) {
  if (d > 0) {
    std::string verdict = "Congratulations " + name + "! ";
    if (d >= 2501) return verdict + "You crushed " + opponent + ".";
    if (d >= 1801) return verdict + "You defeated " + opponent + ".";
    if (d >= 501) return verdict + "You beat " + opponent + ".";
    if (d < 201) return verdict + "You won, but it was pretty close!";
    return verdict + "You won.";
  }
  if (d < 0) {
    std::string verdict = "Too bad, " + name + ", ";
    if (d < -2500) return verdict + opponent + " crushed you.";
    if (d < -1800) return verdict + opponent + " defeated you.";
    if (d < -500) return verdict + opponent + " beat you.";
    if (d < -200) return verdict + "you lost.";
    return verdict + "you lost but it was pretty close.";
  }
  return "It's a draw!";
}

}  // namespace tarvelo

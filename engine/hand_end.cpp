#include "engine/game.h"
#include "engine/scoring.h"

namespace tarvelo {

std::string TGame::OpponentCaption() const { return Host.NetworkGameActive() ? Host.PeerName() : "Computer"; }

std::string TGame::OpponentInSentence() const { return Host.NetworkGameActive() ? Host.PeerName() : "the computer"; }

bool TGame::CheckHandEnd() {
  const bool ended = HandHasEnded();
  Host.PostNetworkDispatch();
  return ended;
}

bool TGame::HandHasEnded() {
  TTableState& t = Table;
  const int needed = Rules.NumberOfCanastas;
  const bool playerOut = t.PlayerHand.Count == 0 && t.PlayerCanastas.Count >= needed;
  const bool opponentOut = t.OpponentHand.Count == 0 && t.OpponentCanastas.Count >= needed;
  if (!playerOut && !opponentOut && !(t.StockExhausted && t.EndHandRequested)) return false;
  if (t.Phase == PhaseHandOver) return false;  // already scored

  ShowPhase(PhaseHandOver);
  t.WhoWentOut = t.PlayerHand.Count == 0 ? PlayerWentOut : t.OpponentHand.Count == 0 ? OpponentWentOut : NobodyWentOut;
  const auto [player, opponent] = ScoreHand();
  Host.RecordHandScore(player - opponent);
  if ((t.PlayerScore > 4999 || t.OpponentScore > 4999) && !GameOver()) return true;
  if (Host.LocalSideDeals()) DealHand(false);
  return true;
}

bool TGame::GameOver() {
  TTableState& t = Table;
  TGameOverInfo info;
  info.PlayerScore = t.PlayerScore;
  info.OpponentScore = t.OpponentScore;
  info.Difference = t.PlayerScore - t.OpponentScore;
  info.PlayerWon = info.Difference > 0;
  info.Draw = info.Difference == 0;
  info.OpponentName = OpponentCaption();
  info.Verdict = GameVerdict(info.Difference, Host.PlayerName(), OpponentInSentence());
  if (info.PlayerWon)
    Host.PlaySound("Win Match");
  else if (!info.Draw)
    Host.PlaySound("Lose Match");
  Host.RecordMatch(info);

  // Over whatever the answer: a program that quits now leaves no game to resume.
  t.GameInProgress = false;
  if (!Host.AskPlayAnotherGame(info)) {
    Host.DeleteAutoSave();
    Host.QuitApplication();
    return false;
  }
  Report(TGameOverReport{info.Difference});
  t.PlayerScore = 0;
  t.OpponentScore = 0;
  if (info.Difference >= 0) Report(TNewGameReport{});
  return true;
}

}  // namespace tarvelo

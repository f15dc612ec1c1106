// The turn every level plays: set-up, drawing or taking the pile, the stock
// exhausted, the discard, and handing the turn back.
#include "ai/computer_player.h"
#include "engine/meld_checks.h"

namespace tarvelo {

void TComputerPlayer::playComputerTurn() {
  try {
    switch (Settings.computerLevel) {
      case LevelBeginner:
        beginnerTurn();
        break;
      case LevelAdvanced:
        advancedTurn();
        break;
      case LevelExpert:
        expertTurn();
        break;
      default:
        break;  // the network level: the peer holds the seat
    }
  } catch (const TRangeFault& fault) {
    // A broken invariant stops the turn, not the program: the player gets the turn back.
    Game.Host.Warning(fault.what());
    handTurnBackAfterFault();
  }
}

void TComputerPlayer::playTurn(const TLevelSteps& level) {
  beginTurn();
  if (level.setUp) (this->*level.setUp)();
  const bool taken = (this->*level.pileDecision)() && takePile(level);
  if (!taken) {
    if (!stockExhausted())
      drawFromStock();
    else if (!playExhaustedStock(level.layExhaustedTop))
      return;  // the hand has ended
  }
  Game.Table.PendingPhase = PhaseMeld;
  (this->*level.meldStep)();
  discardStep(level.chooseDiscard);
  endTurn();
}

void TComputerPlayer::forgetFinishedHand() {
  // Every deal has its own deal string: a new one means the memory belongs to a finished hand.
  if (Game.LastDealString == handSeen_) return;
  handSeen_ = Game.LastDealString;
  shedRank = 0;
  threeBlocking = false;
}

void TComputerPlayer::setBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  Game.Host.SetBusy(busy);
}

void TComputerPlayer::beginTurn() {
  TTableState& t = Game.Table;
  forgetFinishedHand();
  t.OpponentToMove = true;
  t.PendingPhase = PhaseDraw;
  setBusy(true);
  tookPile_ = false;
  takingPile_ = false;
  meldValueAtTurnStart_ = t.OpponentMeldValue;
  t.PlayerMeldValueAtTurnStart = Game.MeldValue(false);
  initialMeldTarget = TGame::InitialMeldFor(t.OpponentScore);
}

void TComputerPlayer::drawFromStock() {
  TTableState& t = Game.Table;
  for (int drawn = 0; drawn < Game.Rules.NumberOfCards && !t.Stock.Empty(); ++drawn) {
    const TCard card = PopTop(t.Stock);
    if (t.Stock.Empty()) Game.SetStockExhausted(true);
    addToComputerHand(card, true);
    if (IsRedThree(card) && Game.Rules.DrawExtra) --drawn;  // a red three is replaced while the stock lasts
  }
}

bool TComputerPlayer::stockExhausted() const { return Game.Table.StockExhausted || Game.Table.Stock.Empty(); }

bool TComputerPlayer::stockExhaustedTest() {
  const TTableState& t = Game.Table;
  if (t.DiscardPile.Empty() || t.PileFrozen) return false;
  const int r = t.DiscardPile.Top().Rank;
  if (r < RankFour || (t.DiscardPile.Count == 1 && t.OpponentHand.Count == 1)) return false;
  recountTallies();
  const int m = tally.ownMeld[r];
  return (m >= 3 && m <= 6) || (Game.Rules.AddToCanasta && (m == 7 || m == 8));
}

bool TComputerPlayer::playExhaustedStock(TLayRank layTaken) {
  TTableState& t = Game.Table;
  // Only the top card is taken, and laid with its rank; the rest of the pile stays.
  auto layTopCard = [&] {
    const TCard top = PopTop(t.DiscardPile);
    addToComputerHand(top, true);
    (this->*layTaken)(top.Rank);
  };
  if (stockExhaustedTest() && guarded("laying the top card with the stock exhausted", layTopCard)) return true;
  t.EndHandRequested = true;
  if (!t.StockExhausted) Game.SetStockExhausted(true);
  setBusy(false);
  if (!Game.CheckHandEnd()) handTurnBack();
  return false;
}

bool TComputerPlayer::takePile(const TLevelSteps& level) {
  const TCard pileTop = Game.Table.DiscardPile.Top();
  // A pile that the exhausted stock alone opens gives only its top card, as the
  // player's forced take does: the stock-exhausted step takes that.
  if (!mayTakeWholePile(pileTop, pileFrozenForComputer())) return false;
  const TPileTakeDemand demand = pileTakeDemand(pileTop);
  auto take = [&] {
    const TCard top = takePileTop(level.thawBeforeMeld);
    takingPile_ = true;
    (this->*level.meldTaken)(top);
    takingPile_ = false;
    takeRestOfPile();
  };
  return guarded("taking the pile", take, [&] { return PileTakeFault(Game, Seat::Opponent, demand); });
}

TCard TComputerPlayer::takePileTop(bool thaw) {
  TTableState& t = Game.Table;
  if (thaw) {
    t.PileFrozen = false;
    pause();
  }
  const TCard top = PopTop(t.DiscardPile);
  tookPile_ = true;
  takenTop_ = top;
  addToComputerHand(top, true);
  return top;
}

void TComputerPlayer::takeRestOfPile() {
  TTableState& t = Game.Table;
  while (!t.DiscardPile.Empty()) addToComputerHand(PopTop(t.DiscardPile), true);
  t.PileFrozen = false;
}

void TComputerPlayer::discardStep(TChooseDiscard choose) {
  TTableState& t = Game.Table;
  if (t.OpponentHand.Count < 2 && !hasCanastasNeeded()) {
    Game.Host.Information("The computer passes the discard.");
    return;
  }
  if (t.OpponentHand.Empty()) return;  // out by melding
  const int index = (this->*choose)();
  if (index < 0 && index != DiscardFromMelds) return;
  const TCard from = index == DiscardFromMelds ? meldAreaDiscard_ : removeFromComputerHand(index);
  TCard card = from;
  card.FaceUp = 1;
  card.X = Game.Layout.LeftMargin;
  card.Y = Game.Layout.DiscardY;
  AddCard(t.DiscardPile, card);
  animateMove(from, card);
  if (IsWildcard(card) || IsRedThree(card)) t.PileFrozen = true;
}

void TComputerPlayer::endTurn() {
  const TLayout& l = Game.Layout;
  Game.Host.RepaintRect(l.LeftMargin, l.DiscardY, l.CardWidth, l.CardHeight);
  Game.Host.RepaintRect(0, 0, l.ClientWidth, 5 + l.CardHeight);
  setBusy(false);
  if (Game.CheckHandEnd()) return;  // scored; the next hand may already be under way
  handTurnBack();
}

void TComputerPlayer::handTurnBack() {
  TTableState& t = Game.Table;
  t.OpponentMeldValueAtTurnStart = t.OpponentMeldValue;
  t.OpponentToMove = false;
  Game.ShowPhase(PhaseDraw);
  t.PendingPhase = PhaseOpponent;
}

void TComputerPlayer::handTurnBackAfterFault() {
  setBusy(false);
  if (Game.Table.OpponentToMove && Game.Table.Phase != PhaseHandOver) handTurnBack();
}

}  // namespace tarvelo

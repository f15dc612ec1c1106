// The turn every level plays: set-up, drawing or taking the pile, the stock
// exhausted, the discard, and handing the turn back.
#include "ai/computer_player.h"
#include "engine/meld_checks.h"
#include "engine/seat_rules.h"

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
      case LevelMaster:
        MasterTurn();
        break;
      case LevelExpert:
      default:  // a number that is no level plays as the Expert, as an unknown stored text does
        expertTurn();
        break;
    }
  } catch (const TRangeFault& fault) {
    // A broken invariant stops the turn, not the program: the player gets the turn back.
    Game.Host.Warning(fault.what());
    HandTurnBackAfterFault();
  }
}

void TComputerPlayer::PlayTurn(const TLevelSteps& level) {
  // A turn taken over from a peer that had already drawn goes on from its
  // melds: the seat does not draw a second time.
  const bool drawn = Game.Table.PendingPhase == PhaseMeld;
  BeginTurn(drawn);
  if (level.SetUp) (this->*level.SetUp)();
  if (drawn) {
    Game.Table.PendingPhase = PhaseMeld;
    PlayTurnFromMeldStep(level);
    return;
  }
  PlayTurnAfterPileDecision(level, (this->*level.PileDecision)());
}

void TComputerPlayer::PlayTurnAfterPileDecision(const TLevelSteps& level, bool takePile) {
  const bool taken = takePile && TakePile(level);
  if (!taken) {
    if (!StockExhausted())
      Moves.DrawFromStock();
    else if (!PlayExhaustedStock(level.LayExhaustedTop))
      return;  // the hand has ended
  }
  Game.Table.PendingPhase = PhaseMeld;
  PlayTurnFromMeldStep(level);
}

void TComputerPlayer::PlayTurnFromMeldStep(const TLevelSteps& level) {
  (this->*level.MeldStep)();
  FinishTurn(TurnEndMove(level.ChooseDiscard));
}

void TComputerPlayer::ForgetFinishedHand() {
  // Every deal has its own deal string: a new one means the memory belongs to a finished hand.
  if (Game.LastDealString == handSeen_) return;
  handSeen_ = Game.LastDealString;
  shedRank = 0;
  threeBlocking = false;
}

void TComputerPlayer::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  Game.Host.SetBusy(busy);
}

void TComputerPlayer::BeginTurn(bool drawn) {
  TTableState& t = Game.Table;
  ForgetFinishedHand();
  t.OpponentToMove = true;
  t.PendingPhase = PhaseDraw;
  SetBusy(true);
  turn_ = {};
  // Melds the peer laid in a turn taken over count as this turn's.
  turn_.MeldValueAtTurnStart = drawn ? t.OpponentMeldValueAtTurnStart : t.OpponentMeldValue;
  t.PlayerMeldValueAtTurnStart = Game.MeldValue(false);
  initialMeldTarget = TGame::InitialMeldFor(t.OpponentScore);
}

bool TComputerPlayer::StockExhausted() const { return Game.Table.StockExhausted || Game.Table.Stock.Empty(); }

bool TComputerPlayer::PlayExhaustedStock(TLayRank layTaken) {
  TTableState& t = Game.Table;
  // Only the top card is taken, and laid with its rank; the rest of the pile stays.
  auto layTopCard = [&] {
    const TCard top = Moves.TakePileTop(false);
    (this->*layTaken)(top.Rank);
  };
  recountTallies();
  if (IsForcedToTake(Game, Seat::Opponent) && Guarded("laying the top card with the stock exhausted", layTopCard))
    return true;
  t.EndHandRequested = true;
  if (!t.StockExhausted) Game.SetStockExhausted(true);
  SetBusy(false);
  if (!Game.CheckHandEnd()) Moves.HandTurnBack();
  return false;
}

bool TComputerPlayer::TakePile(const TLevelSteps& level) {
  const TCard pileTop = Game.Table.DiscardPile.Top();
  // A pile that the exhausted stock alone opens gives only its top card, as the
  // player's forced take does: the stock-exhausted step takes that.
  if (!MayTakeWholePile()) return false;
  const TPileTakeDemand demand = PileTakeDemand(pileTop);
  auto take = [&] {
    const TCard top = TakePileTop(level.ThawBeforeMeld);
    turn_.TakingPile = true;
    (this->*level.MeldTaken)(top);
    turn_.TakingPile = false;
    Moves.TakeRestOfPile();
  };
  return Guarded("taking the pile", take, [&] { return PileTakeFault(Game, Seat::Opponent, demand); });
}

TCard TComputerPlayer::TakePileTop(bool thaw) {
  const TCard top = Moves.TakePileTop(thaw);
  turn_.TookPile = true;
  turn_.TakenTop = top;
  return top;
}

std::optional<TMove> TComputerPlayer::TurnEndMove(TChooseDiscard choose) {
  if (MayPassDiscard(Game, Seat::Opponent)) return TMove{.Kind = TMoveKind::PassDiscard};
  if (Game.Table.OpponentHand.Empty()) return std::nullopt;  // out by melding
  const int index = (this->*choose)();
  if (index < 0 && index != DiscardFromMelds) return std::nullopt;
  return DiscardMove(index);
}

void TComputerPlayer::FinishTurn(const std::optional<TMove>& last) {
  if (last) {
    // The busy cursor goes before the move hands the turn over: the hand's end may deal the next hand.
    SetBusy(false);
    if (Moves.Make(*last)) return;
  }
  EndTurn();
}

void TComputerPlayer::EndTurn() {
  Moves.RepaintTurnEnd();
  SetBusy(false);
  Moves.EndTurn();
}

void TComputerPlayer::HandTurnBackAfterFault() {
  SetBusy(false);
  if (Game.Table.OpponentToMove && Game.Table.Phase != PhaseHandOver) Moves.HandTurnBack();
}

}  // namespace tarvelo

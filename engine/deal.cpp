#include "engine/game.h"

namespace tarvelo {

int TGame::InitialMeldFor(int score) {
  if (score < 0) return 15;
  if (score < 1500) return 50;
  if (score < 3000) return 90;
  return 120;
}

void TGame::ChooseFirstDrawer() { Table.PlayerDrawsFirst = Host.RandomReal() > 0.5; }

std::string TGame::Shuffle() {
  std::string dealString(1, static_cast<char>('0' + (Table.PlayerDrawsFirst ? 1 : 0)));
  std::array<bool, MaxCards> used{};
  Table.Stock.Count = 0;
  auto place = [&](CardId id, std::uint8_t deck) {
    int slot;
    do slot = Host.RandomInt(MaxCards);
    while (slot < 0 || slot >= MaxCards || used[slot]);
    used[slot] = true;
    dealString += static_cast<char>(slot + 32);
    TCard card = MakeCard(id, deck);
    card.X = Layout.LeftMargin;
    card.Y = Layout.StockY;
    Table.Stock.Cards[slot] = card;
  };
  for (std::uint8_t deck = 0; deck < 2; ++deck) {
    for (int id = 1; id <= 52; ++id) place(static_cast<CardId>(id), deck);
    place(JokerId, deck);
    place(JokerId, deck);
  }
  Table.Stock.Count = MaxCards;
  for (TCardArea* area : {&Table.DiscardPile, &Table.OpponentHand, &Table.PlayerHand, &Table.PlayerMelds,
                          &Table.OpponentMelds, &Table.pickupMemory})
    area->Count = 0;
  return dealString;
}

namespace {
void ResetTurnState(TTableState& t, bool pileFrozen) {
  t.TopCardPending = false;
  t.OpponentTakeOpen = false;
  t.PileFrozen = pileFrozen;
  t.MayMeldBlackThrees = false;
  t.MayDraw = true;
  t.OpponentMeldValue = 0;
  t.PlayerMeldValueAtTurnStart = 0;
  t.OpponentMeldValueAtTurnStart = 0;
  t.StockDraws = 0;
  t.HasDrawn = false;
  t.PileTakeOpen = false;
  t.PlayerCanastas = {};
  t.OpponentCanastas = {};
  t.EndHandRequested = false;
}
}  // namespace

void TGame::DealHand(bool atStartUp) {
  Host.SetBusy(true);
  Host.PlaySound(atStartUp ? "Start" : "Deal");
  if (Table.PlayerDrawsFirst)
    Host.ShowWhoseTurn("It's your turn to draw first.");
  else if (Host.NetworkGameActive())
    Host.ShowWhoseTurn("It's " + Host.PeerName() + "'s turn to draw first.");
  else
    Host.ShowWhoseTurn("It's the computer's turn to draw first.");

  Host.SetRulesHint("|Adjust the rules of Canasta to your local variant");
  ClearUndo();
  ResetTurnState(Table, Host.ReadBool(RuleKey::InitialBlock, true));
  SetStockExhausted(false);

  LastDealString = Shuffle();
  Report(TDealReport{LastDealString});
  ResetAnchors();
  DealSeats();
  TurnUpcard();
  SaveTurnSnapshot();
  Table.InitialMeldMinimum = InitialMeldFor(Table.PlayerScore);
  StartFirstTurn();
}

void TGame::DealSeats() {
  TTableState& t = Table;
  int dealt = 0;
  while (dealt < 15) {
    TCard card = PopTop(t.Stock);
    if (IsRedThree(card)) {
      card.FaceUp = 1;
      PlaceInColumn(t.OpponentMelds, false, false, card);
      AddCard(t.OpponentMelds, card);
      continue;
    }
    card.FaceUp = t.OpponentCardsShown ? 1 : 0;
    card.X = Layout.LeftMargin + t.CardOverlap * dealt;
    card.Y = 5;
    AddCard(t.OpponentHand, card);
    ++dealt;
  }
  while (t.PlayerHand.Count < 15) {
    TCard card = PopTop(t.Stock);
    card.FaceUp = 1;
    TCardArea& area = IsRedThree(card) ? t.PlayerMelds : t.PlayerHand;
    PlaceInColumn(area, true, false, card);
    AddCard(area, card);
  }
}

void TGame::TurnUpcard() {
  for (;;) {
    TCard card = PopTop(Table.Stock);
    card.FaceUp = 1;
    card.X = Layout.LeftMargin;
    card.Y = Layout.DiscardY;
    AddCard(Table.DiscardPile, card);
    if (!IsWildcard(card) && !IsRedThree(card)) break;
    Table.PileFrozen = true;
  }
}

void TGame::StartFirstTurn() {
  TTableState& t = Table;
  t.OpponentToMove = !t.PlayerDrawsFirst;
  const bool computerStarts = t.OpponentToMove && !Host.NetworkGameActive();
  if (t.PlayerDrawsFirst) {
    ShowPhase(PhaseDraw);
    t.PendingPhase = PhaseOpponent;
  } else {
    ShowPhase(PhaseOpponent);
    t.PendingPhase = PhaseDraw;
  }
  // Everything of the new hand is in place before the computer moves, so that a
  // computer turn run at once finds the finished deal.
  t.PlayerDrawsFirst = !t.PlayerDrawsFirst;
  t.LoadedHand = false;
  t.NetworkHand = Host.NetworkGameActive();
  t.DiscardSpread = true;
  Host.Repaint();
  Host.SetBusy(false);
  if (computerStarts) Host.PlayComputerTurn();
}

void TGame::NewGame() {
  if (Host.NetworkGameActive() && Table.GameInProgress &&
      !Host.Question("You have a network game running. Are you sure you want to start a new game?"))
    return;
  Table.PlayerScore = 0;
  Table.OpponentScore = 0;
  Report(TNewGameReport{});
  Table.GameInProgress = false;
  DealHand(false);
}

}  // namespace tarvelo

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
  std::string dealString(1, Table.PlayerDrawsFirst ? '1' : '0');
  std::array<bool, MaxCards> used{};
  for (int n = 0; n < MaxCards; ++n) {
    int slot;
    do slot = Host.RandomInt(MaxCards);
    while (slot < 0 || slot >= MaxCards || used[slot]);
    used[slot] = true;
    dealString += static_cast<char>(slot + 32);
  }
  FillStock(dealString);
  return dealString;
}

void TGame::FillStock(const std::string& dealString) {
  // The cards in the order the shuffle builds them: per pack, ids 1..52, then two jokers.
  constexpr int perPack = 54;
  for (int n = 0; n < MaxCards; ++n) {
    const int inPack = n % perPack;
    TCard card =
        MakeCard(static_cast<CardId>(inPack < 52 ? inPack + 1 : JokerId), static_cast<std::uint8_t>(n / perPack));
    card.X = Layout.LeftMargin;
    card.Y = Layout.StockY;
    Table.Stock.Cards[static_cast<unsigned char>(dealString[n + 1]) - 32] = card;
  }
  Table.Stock.Count = MaxCards;
  for (TCardArea* area : {&Table.DiscardPile, &Table.OpponentHand, &Table.PlayerHand, &Table.PlayerMelds,
                          &Table.OpponentMelds, &Table.pickupMemory})
    area->Count = 0;
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
  BeginHand(atStartUp ? "Start" : "Deal", Host.NetworkGameActive());
  LastDealString = Shuffle();
  Report(TDealReport{LastDealString});
  // The dealer's opponent gets the first cards: the other side, dealing from
  // the same stock its own player first, gives both seats the same cards.
  DealFromStock(Seat::Opponent, Host.NetworkGameActive());
}

void TGame::BeginHand(std::string_view sound, bool networkHand) {
  Host.SetBusy(true);
  Host.PlaySound(sound);
  if (Table.PlayerDrawsFirst)
    Host.ShowWhoseTurn("It's your turn to draw first.");
  else if (networkHand)
    Host.ShowWhoseTurn("It's " + Host.PeerName() + "'s turn to draw first.");
  else
    Host.ShowWhoseTurn("It's the computer's turn to draw first.");

  Host.SetRulesHint("|Adjust the rules of Canasta to your local variant");
  ClearUndo();
  // The freeze of the rules in force: in a network game both sides play the
  // agreed rules, whatever either has stored.
  ResetTurnState(Table, Rules.InitialBlock);
  SetStockExhausted(false);
}

void TGame::DealFromStock(Seat first, bool networkHand) {
  ResetAnchors();
  DealSeats(first);
  TurnUpcard();
  SaveTurnSnapshot();
  Table.InitialMeldMinimum = InitialMeldFor(Table.PlayerScore);
  StartFirstTurn(networkHand);
}

void TGame::DealSeats(Seat first) {
  if (first == Seat::Opponent) {
    DealOpponentHand();
    DealPlayerHand();
  } else {
    DealPlayerHand();
    DealOpponentHand();
  }
}

void TGame::DealOpponentHand() {
  TTableState& t = Table;
  while (t.OpponentHand.Count < 15) {
    TCard card = PopTop(t.Stock);
    if (IsRedThree(card)) {
      card.FaceUp = 1;
      PlaceInColumn(t.OpponentMelds, false, false, card);
      AddCard(t.OpponentMelds, card);
      continue;
    }
    card.FaceUp = t.OpponentCardsShown ? 1 : 0;
    card.X = Layout.LeftMargin + t.CardOverlap * t.OpponentHand.Count;
    card.Y = 5;
    AddCard(t.OpponentHand, card);
  }
}

void TGame::DealPlayerHand() {
  TTableState& t = Table;
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

void TGame::StartFirstTurn(bool networkHand) {
  TTableState& t = Table;
  t.OpponentToMove = !t.PlayerDrawsFirst;
  const bool computerStarts = t.OpponentToMove && !networkHand;
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
  t.NetworkHand = networkHand;
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
  // In a network game the dealer deals the new game's first hand, whichever side began it.
  if (Host.LocalSideDeals()) DealHand(false);
}

}  // namespace tarvelo

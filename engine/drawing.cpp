#include "engine/game.h"

namespace tarvelo {

void TGame::DrawFromStock() {
  TTableState& t = Table;
  SetPlayingRulesHint();
  // One click draws the whole turn's cards; a red three is laid out at once and,
  // under DrawExtra, replaced by another card that does not count as a draw.
  while (!t.Stock.Empty()) {
    TCard card = PopTop(t.Stock);
    if (t.Stock.Empty()) SetStockExhausted(true);
    t.MayDraw = false;
    ++t.StockDraws;
    card.FaceUp = 1;
    ReportMove(TMoveKind::Draw, card);
    if (IsRedThree(card)) {
      LayInColumn(Table.PlayerMelds, card);
      if (Rules.DrawExtra && !t.Stock.Empty()) {
        --t.StockDraws;
        continue;
      }
    } else {
      LayInColumn(Table.PlayerHand, card);
    }
    if (t.StockDraws >= Rules.NumberOfCards) break;
    if (!t.Stock.Empty()) ShowPhase(PhaseSecondDraw);
  }
  EndOfDraw();
  // A red three may have been the only card: a single card in hand may have to be passed.
  PassDiscard();
}

void TGame::EndOfDraw() {
  TTableState& t = Table;
  ShowPhase(PhaseMeld);
  t.TopCardPending = false;
  t.HasDrawn = true;
  t.PileTakeOpen = false;
  t.StockDraws = 0;
  HandIndicesShifted();
  SaveTurnSnapshot();
}

}  // namespace tarvelo

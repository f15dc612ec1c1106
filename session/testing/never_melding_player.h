#pragma once

#include "session/session.h"

namespace tarvelo {

// A player who never melds, through the session's input calls: it draws and
// throws its newest card, and ends the hand once the stock is gone.
inline void PlayerDrawsAndDiscards(TSession& session) {
  const TTableState& t = session.Game().Table;
  const TLayout& l = session.Game().Layout;
  if (t.StockExhausted) {
    session.EndHand();
    return;
  }
  session.PlayerClick(MouseButton::Left, l.LeftMargin + 5, l.StockY + 5, {});
  if (!t.HasDrawn || t.PlayerHand.Empty()) return;
  const TCard card = t.PlayerHand.Top();
  session.PlayerClick(MouseButton::Right, card.X + 2, card.Y + 2, {});
}

}  // namespace tarvelo

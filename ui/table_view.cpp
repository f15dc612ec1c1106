#include "ui/table_view.h"

#include "engine/card_area.h"
#include "engine/column_fit.h"

#include <QEventLoop>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace tarvelo {

TTableView::TTableView(const TGame& game, QWidget* parent) : QWidget(parent), game_(game) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  SetTableColor(tableColor_);
}

void TTableView::SetCardImages(std::vector<QPixmap> images) {
  images_ = std::move(images);
  update();
}

void TTableView::SetPaintingAllowed(bool allowed) {
  paintingAllowed_ = allowed;
  update();
}

void TTableView::SetTableColor(const QColor& color) {
  tableColor_ = color;
  update();
}

const QPixmap& TTableView::ImageOf(const TCard& card, bool faceUp) const {
  const int index = faceUp ? card.Id - 1 : 53 + (card.Deck ? 1 : 0);
  if (index < 0 || index >= static_cast<int>(images_.size())) return blank_;
  return images_[index];
}

void TTableView::DrawCard(QPainter& p, const TCard& card, bool faceUp) const {
  const QPixmap& image = ImageOf(card, faceUp);
  const QRect target(card.X, card.Y, game_.Layout.CardWidth, game_.Layout.CardHeight);
  if (image.isNull()) {
    p.setPen(Qt::black);
    p.setBrush(faceUp ? Qt::white : Qt::darkBlue);
    p.drawRoundedRect(target.adjusted(0, 0, -1, -1), 3, 3);
    return;
  }
  p.drawPixmap(target, image);
}

void TTableView::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setClipRegion(event->region());
  p.fillRect(rect(), tableColor_);
  if (!paintingAllowed_) return;
  PaintPiles(p);
  PaintOpponentHand(p);
  const TTableState& t = game_.Table;
  const TLayout& l = game_.Layout;
  for (const TCard& c : t.OpponentMelds.Live()) DrawCard(p, c, c.FaceUp);
  PaintColumns(p, t.PlayerMelds, l.PlayerMeldY, [](const TCard& c) { return int(c.Column); });
  PaintColumns(p, t.PlayerHand, l.PlayerHandY, [](const TCard& c) { return int(c.Rank); });
  PaintFrame(p);
  PaintCounters(p);
  PaintCanastaLabels(p);
  if (floating_.Shown) {
    const QRect r(floating_.At, QSize(game_.Layout.CardWidth, game_.Layout.CardHeight));
    p.drawPixmap(r, floating_.Image);
    if (floating_.Highlight) {
      p.setOpacity(0.45);
      p.fillRect(r.adjusted(1, 1, -1, -1), QColor(0, 0, 64));
      p.setOpacity(1);
    }
  }
}

void TTableView::PaintColumns(QPainter& p, const TCardArea& area, int baseY,
                              const std::function<int(const TCard&)>& columnOf) const {
  for (TCard c : area.Live()) {
    c.Y = FitColumn(area, columnOf(c), baseY, game_.Layout).DrawnY(c.Y);
    DrawCard(p, c, c.FaceUp);
  }
}

void TTableView::PaintPiles(QPainter& p) {
  const TTableState& t = game_.Table;
  if (!t.Stock.Empty()) DrawCard(p, t.Stock.Top(), false);
  spreadExtent_ = 0;
  if (t.DiscardPile.Empty()) return;
  if (!t.DiscardSpread) {
    DrawCard(p, t.DiscardPile.Top(), true);
    return;
  }
  for (int i = 0; i < t.DiscardPile.Count; ++i) {
    TCard c = t.DiscardPile.Cards[i];
    c.Y += StackStep * i;
    DrawCard(p, c, true);
  }
  spreadExtent_ = StackStep * (t.DiscardPile.Count - 1);
}

void TTableView::PaintOpponentHand(QPainter& p) const {
  const TTableState& t = game_.Table;
  const bool facesAllowed = !t.LoadedHand && !t.NetworkHand && !networkConnected_;
  // Sorted by rank, so that shown cards read like a hand.
  int x = game_.Layout.LeftMargin;
  for (int rank = 0; rank < ColumnCount; ++rank)
    for (const TCard& c : t.OpponentHand.Live()) {
      if (c.Rank != rank) continue;
      TCard placed = c;
      placed.X = x;
      DrawCard(p, placed, c.FaceUp && facesAllowed);
      x += t.CardOverlap;
    }
}

void TTableView::PaintFrame(QPainter& p) const {
  const TLayout& l = game_.Layout;
  QFont font("DejaVu Sans", 8);
  font.setBold(true);
  const int h = QFontMetrics(font).height() + l.CardHeight + 5;
  const int r = l.CardWidth + 7, m = l.MidLine, e = spreadExtent_, w = width();
  p.setPen(Qt::black);
  p.drawLine(0, m - h, r - 1, m - h);
  p.drawLine(r, m - h - 1, r, m);
  p.drawPolyline(QPolygon({QPoint(w, m + 1), QPoint(r, m + 1), QPoint(r, m + h + 1 + e), QPoint(0, m + h + 1 + e)}));
  p.setPen(Qt::white);
  p.drawLine(0, m - h - 1, r, m - h - 1);
  p.drawPolyline(QPolygon({QPoint(r - 1, m - h), QPoint(r - 1, m + h + e), QPoint(0, m + h + e)}));
  p.drawLine(r, m, w, m);
}

void TTableView::PaintCounters(QPainter& p) const {
  const TLayout& l = game_.Layout;
  const TTableState& t = game_.Table;
  QFont font("DejaVu Sans", 8);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::black);
  const QFontMetrics fm(font);
  const int centre = l.LeftMargin + l.CardWidth / 2;
  auto draw = [&](const QString& text, int top) {
    const int width = fm.horizontalAdvance(text);
    p.drawText(centre - width / 2, top + fm.ascent(), text);
  };
  const QString pile = QString::number(t.DiscardPile.Count);
  draw(t.PileFrozen ? "[" + pile + "]" : pile, l.MidLine + l.CardHeight + spreadExtent_ + 3);
  draw(QString::number(t.Stock.Count), l.MidLine - l.CardHeight - fm.height() - 3);
}

QFont TTableView::LabelFont() const {
  QFont font("DejaVu Sans", 10);
  font.setBold(game_.Layout.SizeIndex > 0);
  // Shrink until the widest label fits on the card with a little room.
  while (font.pointSize() > 4 && QFontMetrics(font).horizontalAdvance("Natural") > game_.Layout.CardWidth - 4)
    font.setPointSize(font.pointSize() - 1);
  return font;
}

void TTableView::PaintCanastaLabels(QPainter& p) {
  const QFont font = LabelFont();
  const TTableState& t = game_.Table;
  // Counted here from the cards as they lie: painting changes nothing of the game.
  const TColumnCounts counts = CountedColumns(t);
  for (int c = 1; c < ColumnCount; ++c) {
    if (t.PlayerCanastas.Kind[c] != NoCanasta)
      PaintLabel(p, font, c, t.PlayerCanastas.Kind[c], counts[CountPlayerMelds + c], t.PlayerCanastas.Naturals[c],
                 true);
    if (t.OpponentCanastas.Kind[c] != NoCanasta)
      PaintLabel(p, font, c, t.OpponentCanastas.Kind[c], counts[CountOpponentMelds + c], t.OpponentCanastas.Naturals[c],
                 false);
  }
}

void TTableView::PaintLabel(QPainter& p, const QFont& font, int c, int kind, int cards, int naturals,
                            bool player) const {
  const TLayout& l = game_.Layout;
  const QFontMetrics fm(font);
  const int th = fm.height();
  const int x0 = l.LeftMargin + c * l.ColumnStep;
  const QString first = kind == MixedCanasta ? "Mixed" : kind == NaturalCanasta ? "Natural" : "Wild";
  const QString second = kind == WildcardCanasta ? "card"
                         : kind == MixedCanasta  ? QString("%1/%2").arg(naturals).arg(cards - naturals)
                                                 : QString::number(naturals);
  const int top = player ? l.PlayerMeldY + l.CardHeight + 15 : l.OpponentMeldY - 2 * th - 20;
  const int bottom = player ? l.PlayerMeldY + l.CardHeight + 20 + 2 * th : l.OpponentMeldY - 15;
  const int firstY = player ? l.PlayerMeldY + l.CardHeight + 17 : l.OpponentMeldY - 2 * th - 18;
  int secondY = player ? l.PlayerMeldY + l.CardHeight + 19 + th : l.OpponentMeldY - th - 18;
  if (!player && kind == WildcardCanasta) secondY = l.OpponentMeldY - th - 16;
  p.setPen(Qt::black);
  p.setBrush(Qt::yellow);
  p.drawRect(QRect(QPoint(x0, top), QPoint(x0 + l.CardWidth, bottom)));
  p.setFont(font);
  auto centred = [&](const QString& text, int y, int shift) {
    const int xc = c * l.ColumnStep + (l.CardWidth - fm.horizontalAdvance(text)) / 2 + l.LeftMargin + shift;
    p.drawText(xc, y + fm.ascent(), text);
  };
  centred(first, firstY, 0);
  centred(second, secondY, kind == WildcardCanasta ? 0 : 1);
}

void TTableView::mouseReleaseEvent(QMouseEvent* event) {
  if (!paintingAllowed_ || animationBusy_) return;
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  ShiftState shift;
  shift.Shift = event->modifiers() & Qt::ShiftModifier;
  shift.Ctrl = event->modifiers() & Qt::ControlModifier;
  shift.Alt = event->modifiers() & Qt::AltModifier;
  const MouseButton button = event->button() == Qt::LeftButton ? MouseButton::Left : MouseButton::Right;
  emit tableClicked(button, event->position().toPoint(), shift);
  update();
}

void TTableView::mouseMoveEvent(QMouseEvent*) { emit mouseMovedOverTable(); }

void TTableView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit tableResized(height());
}

void TTableView::AnimateCard(const TCard& card, QPoint from, QPoint to, int steps, bool highlight) {
  if (animationBusy_) return;
  animationBusy_ = true;
  auto wait = [](int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
  };
  const QSize cardSize(game_.Layout.CardWidth, game_.Layout.CardHeight);
  floating_ = {true, ImageOf(card, true), from, false};
  for (int k = 0; k < steps; ++k) {
    const QPoint previous = floating_.At;
    floating_.At = QPoint(from.x() + qRound(double(k) * (to.x() - from.x()) / steps),
                          from.y() + qRound(double(k) * (to.y() - from.y()) / steps));
    repaint(QRect(previous, cardSize).united(QRect(floating_.At, cardSize)));
    ++moveFramesShown_;
    wait(12);
  }
  floating_.Shown = false;
  repaint(QRect(floating_.At, cardSize).united(QRect(to, cardSize)));
  if (highlight) {
    floating_ = {true, ImageOf(card, true), to, true};
    repaint(QRect(to, cardSize));
    wait(400);
    floating_.Shown = false;
    repaint(QRect(to, cardSize));
  }
  animationBusy_ = false;
}

TPanelTexts PanelTexts(const TGame& game) {
  const TTableState& t = game.Table;
  TPanelTexts texts;
  texts.PlayerMeld = QString::number(game.MeldValue(true));
  if (game.MeldValue(false) < t.InitialMeldMinimum) texts.PlayerMeld += QString(" (%1)").arg(t.InitialMeldMinimum);
  texts.OpponentMeld = QString::number(t.OpponentMeldValue);
  texts.PlayerScore = QString::number(t.PlayerScore);
  texts.OpponentScore = QString::number(t.OpponentScore);
  return texts;
}

}  // namespace tarvelo

#pragma once

#include "engine/game.h"
#include "session/input_translation.h"

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <vector>

namespace tarvelo {

// The green table: paints the game state and turns mouse-ups into clicks on
// the table, which the window hands to the session. It never decides what is legal.
class TTableView : public QWidget {
  Q_OBJECT
 public:
  TTableView(const TGame& game, QWidget* parent = nullptr);

  // The 55 card images: faces 0..51 (id - 1), the joker 52, the backs 53 and 54.
  void SetCardImages(std::vector<QPixmap> images);
  void SetPaintingAllowed(bool allowed);
  bool PaintingAllowed() const { return paintingAllowed_; }
  void SetTableColor(const QColor& color);
  QColor TableColor() const { return tableColor_; }
  // The opponent's cards show their faces only outside a network game.
  void SetNetworkConnected(bool connected) { networkConnected_ = connected; }
  int SpreadExtent() const { return spreadExtent_; }

  // Moves a card image from one point to another in `steps` moves (none when
  // steps is 0), then flashes it at its end point for 400 ms when asked.
  // A request made while a move is shown returns at once.
  void AnimateCard(const TCard& card, QPoint from, QPoint to, int steps, bool highlight);
  bool AnimationBusy() const { return animationBusy_; }
  // Frames of card moves shown since the view was made.
  int MoveFramesShown() const { return moveFramesShown_; }

 signals:
  // A mouse-up of the left or right button while the table takes input.
  void tableClicked(tarvelo::MouseButton button, QPoint at, tarvelo::ShiftState shift);
  void mouseMovedOverTable();
  // The table's height changed (the window's size, or the status bar shown or hidden).
  void tableResized(int height);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  const QPixmap& ImageOf(const TCard& card, bool faceUp) const;
  void DrawCard(QPainter& p, const TCard& card, bool faceUp) const;
  // The cards of a column area stacked downward from baseY, closed up where
  // a column would run past the bottom of the table.
  void PaintColumns(QPainter& p, const TCardArea& area, int baseY,
                    const std::function<int(const TCard&)>& columnOf) const;
  void PaintPiles(QPainter& p);
  void PaintOpponentHand(QPainter& p) const;
  void PaintFrame(QPainter& p) const;
  void PaintCounters(QPainter& p) const;
  void PaintCanastaLabels(QPainter& p);
  void PaintLabel(QPainter& p, const QFont& font, int column, int kind, int counts, int naturals, bool player) const;
  QFont LabelFont() const;

  const TGame& game_;
  std::vector<QPixmap> images_;
  QPixmap blank_;
  QColor tableColor_{0, 128, 0};
  bool paintingAllowed_ = false;
  bool networkConnected_ = false;
  int spreadExtent_ = 0;
  bool animationBusy_ = false;
  int moveFramesShown_ = 0;
  struct TFloating {
    bool Shown = false;
    QPixmap Image;
    QPoint At;
    bool Highlight = false;
  } floating_;
};

// The four number panels of the status bar: the player's meld (with the
// minimum while it is not reached), the opponent's meld, and both scores.
struct TPanelTexts {
  QString PlayerMeld, OpponentMeld, PlayerScore, OpponentScore;
};
TPanelTexts PanelTexts(const TGame& game);

}  // namespace tarvelo

#include "ui/dialogs/pattern_dialog.h"

#include "ui/art/back_patterns.h"
#include "ui/art/card_canvas.h"
#include "ui/art/card_images.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvelo {
namespace {

constexpr int Gap = 5;
constexpr int Columns = 5;
const QSize PatternSize(53, 81);                  // the 800x600 card size
const QSize GridSize(297, Gap + 2 * (81 + Gap));  // the dialog's width

}  // namespace

TPatternGrid::TPatternGrid(int pattern, std::vector<QPixmap> patterns, QWidget* parent)
    : QWidget(parent), pattern_(std::clamp(pattern, 0, PatternCount - 1)), patterns_(std::move(patterns)) {
  setFixedSize(GridSize);
  setFocusPolicy(Qt::StrongFocus);
}

void TPatternGrid::SetPattern(int pattern) {
  if (pattern < 0 || pattern >= PatternCount || pattern == pattern_) return;
  pattern_ = pattern;
  update();
}

QRect TPatternGrid::PatternRect(int pattern) {
  return QRect(QPoint((pattern % Columns) * (PatternSize.width() + Gap) + Gap,
                      (pattern / Columns) * (PatternSize.height() + Gap) + Gap),
               PatternSize);
}

int TPatternGrid::PatternAt(QPoint point) {
  for (int pattern = 0; pattern < PatternCount; ++pattern)
    if (PatternRect(pattern).contains(point)) return pattern;
  return -1;
}

void TPatternGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor highlight = palette().color(QPalette::Highlight);
  for (int pattern = 0; pattern < PatternCount && pattern < int(patterns_.size()); ++pattern) {
    const QRect rect = PatternRect(pattern);
    if (pattern != pattern_) {
      painter.drawPixmap(rect.topLeft(), patterns_[pattern]);
      continue;
    }
    painter.drawPixmap(rect.topLeft(), SelectedStyle(patterns_[pattern], highlight));
    painter.setPen(QPen(highlight, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect).adjusted(-2, -2, 2, 2), 4, 4);
  }
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(PatternRect(pattern_).adjusted(-4, -4, 3, 3));
  }
}

void TPatternGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int pattern = PatternAt(event->position().toPoint());
  if (pattern >= 0) SetPattern(pattern);
}

void TPatternGrid::keyPressEvent(QKeyEvent* event) {
  const int moves[][2] = {{Qt::Key_Left, -1}, {Qt::Key_Right, 1}, {Qt::Key_Up, -Columns}, {Qt::Key_Down, Columns}};
  for (const auto& move : moves)
    if (event->key() == move[0]) {
      SetPattern(pattern_ + move[1]);
      return;
    }
  QWidget::keyPressEvent(event);
}

TfmPattern::TfmPattern(int pattern, std::vector<QPixmap> patterns, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Select Card Back Pattern"));
  if (patterns.empty()) patterns = BuildPatternImages(1, devicePixelRatioF());
  grid_ = new TPatternGrid(pattern, std::move(patterns), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  ok->setObjectName(QStringLiteral("btOK"));
  cancel->setObjectName(QStringLiteral("btCancel"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->setContentsMargins(0, 0, 8, 8);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(grid_, 0, Qt::AlignLeft | Qt::AlignTop);
  layout->addLayout(buttons);
  // The patterns keep their places; only a large desktop font can make the dialog grow.
  setFixedSize(sizeHint().expandedTo(QSize(297, 210)));
  grid_->setFocus();
}

}  // namespace tarvelo

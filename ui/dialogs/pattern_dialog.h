#pragma once

#include <QDialog>
#include <QPixmap>
#include <QWidget>

#include <vector>

namespace tarvelo {

// The ten built-in patterns in two rows of five; a click chooses one.
class TPatternGrid : public QWidget {
  Q_OBJECT
 public:
  TPatternGrid(int pattern, std::vector<QPixmap> patterns, QWidget* parent = nullptr);

  int pattern() const { return pattern_; }
  void SetPattern(int pattern);
  // Pattern i lies at x = (i mod 5) * (53 + 5) + 5, y = (i div 5) * (81 + 5) + 5, 53 x 81.
  static QRect PatternRect(int pattern);
  // The pattern under `point`, or -1 between and outside them.
  static int PatternAt(QPoint point);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int pattern_;
  std::vector<QPixmap> patterns_;
};

// "Select Card Back Pattern": the pattern chooser, starting on the deck's pattern.
class TfmPattern : public QDialog {
  Q_OBJECT
 public:
  // `patterns` are the ten pictures at the 800x600 card size; none given, it draws its own.
  explicit TfmPattern(int pattern, std::vector<QPixmap> patterns = {}, QWidget* parent = nullptr);

  int pattern() const { return grid_->pattern(); }
  TPatternGrid* grid() const { return grid_; }

 private:
  TPatternGrid* grid_;
};

}  // namespace tarvelo

#pragma once

#include "store/high_scores.h"

#include <QDialog>

class QButtonGroup;
class QTableWidget;

namespace tarvelo {

class TStatistics;

// "Tarvelo Hall of Fame": one table of ten ranks at a time, chosen by level and
// by hand or match; a new entry's name shows in bold until another table is chosen.
class TfmHighscores : public QDialog {
  Q_OBJECT
 public:
  TfmHighscores(TStatistics& statistics, int level, THighScoreSet set, int newRank = 0, QWidget* parent = nullptr);
  int Level() const;
  THighScoreSet Set() const;
  QTableWidget* Table() const { return table_; }

 private:
  void ShowTable();
  void Clear();

  TStatistics& statistics_;
  QTableWidget* table_;
  QButtonGroup* rgLevel_;
  QButtonGroup* rgType_;
  int boldRank_;
};

}  // namespace tarvelo

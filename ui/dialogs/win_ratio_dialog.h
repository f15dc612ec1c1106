#pragma once

#include <QDialog>

class QComboBox;
class QLabel;

namespace tarvelo {

class TStatistics;

// "Win Ratio": the wins, losses and ratio of one profile, chosen from a sorted list.
class TfmWinRatio : public QDialog {
  Q_OBJECT
 public:
  explicit TfmWinRatio(TStatistics& statistics, QWidget* parent = nullptr);

 private:
  int ProfileIndex() const;  // the list's choice as an index of the profiles
  void ShowFigures();
  void Reset();

  TStatistics& statistics_;
  QComboBox* cbPlayer_;
  QLabel* lbWins_;
  QLabel* lbLosses_;
  QLabel* lbRatio_;
};

// The message shown instead of the dialog when no profile is current.
extern const char* const NoPlayersMessage;

}  // namespace tarvelo

#pragma once

#include "net/protocol/rule_differences.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTreeWidget;

namespace tarvelo {

// The rules on which the two sides of a network game disagree. It stays on top
// of the table without holding it: play goes on while it is up, each side with
// its own rules, until one side takes over the other's.
class TfmRuleDifferences : public QDialog {
  Q_OBJECT
 public:
  explicit TfmRuleDifferences(QWidget* mainWindow);

  // Rows to show fill the list and bring the window up, centred on the main
  // window; no row clears the list and hides it.
  void ShowDifferences(const std::vector<protocol::TRuleDifference>& rows);

  QTreeWidget* List() const { return lvDifferences_; }
  QPushButton* UseOpponentButton() const { return bnUseOpponent_; }
  QPushButton* HideButton() const { return bnHide_; }

 signals:
  // "Use Opponent's Rules": the window hides right after.
  void useOpponentRules();

 private:
  QWidget* mainWindow_;
  QTreeWidget* lvDifferences_;
  QPushButton* bnUseOpponent_;
  QPushButton* bnHide_;
};

}  // namespace tarvelo

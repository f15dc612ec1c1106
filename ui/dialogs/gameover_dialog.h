#pragma once

#include "engine/scoring_types.h"

#include <QDialog>

class QVBoxLayout;

namespace tarvelo {

// Against the computer the dialog asks for another game; in a network game it
// only tells the result, and the match goes on with the same peer.
enum class TGameOverForm { AgainstComputer, Network };

// The end of a game: the verdict, both totals, and the question of another
// game ("&Yes" accepts) or, in a network game, "&OK" to go on.
class TfmGameover : public QDialog {
  Q_OBJECT
 public:
  explicit TfmGameover(const TGameOverInfo& info, TGameOverForm form = TGameOverForm::AgainstComputer,
                       QWidget* parent = nullptr);

  // Another game follows the dialog: always in a network game, however it was
  // closed, otherwise only after "&Yes".
  bool AnotherGame() const;

 private:
  void AddQuestion(QVBoxLayout* layout);  // "&Yes" and "&No"
  void AddContinue(QVBoxLayout* layout);  // "&OK" and "Send &Result"

  TGameOverForm form_;
};

}  // namespace tarvelo

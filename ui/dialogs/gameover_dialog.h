#pragma once

#include "engine/scoring_types.h"

#include <QDialog>

namespace tarvelo {

// The end of a game: the verdict, both totals and the question of another game.
// Accepted ("&Yes") means another game.
class TfmGameover : public QDialog {
  Q_OBJECT
 public:
  explicit TfmGameover(const TGameOverInfo& info, QWidget* parent = nullptr);
};

}  // namespace tarvelo

#pragma once

#include "engine/scoring_types.h"

#include <QDialog>

#include <functional>

namespace tarvelo {

// "Scoring Results": both hand totals and their difference. "&Details >>" calls
// showDetails, which opens the detailed breakdown.
class TfmScoring : public QDialog {
  Q_OBJECT
 public:
  TfmScoring(const THandResults& results, std::function<void()> showDetails, QWidget* parent = nullptr);
};

// "Detailed Scoring Results": the rows of both seats' hand scores.
class TfmDetails : public QDialog {
  Q_OBJECT
 public:
  explicit TfmDetails(const THandResults& results, QWidget* parent = nullptr);
};

}  // namespace tarvelo

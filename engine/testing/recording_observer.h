#pragma once

#include "engine/game_observer.h"

#include <vector>

namespace tarvelo {

// Writes down everything the game reports, in order.
class TRecordingObserver : public TGameObserver {
 public:
  std::vector<TGameReport> Reports;

  void Reported(const TGameReport& report) override { Reports.push_back(report); }

  // The moves among the reports.
  std::vector<TMoveReport> Moves() const {
    std::vector<TMoveReport> moves;
    for (const TGameReport& r : Reports)
      if (const auto* move = std::get_if<TMoveReport>(&r)) moves.push_back(*move);
    return moves;
  }
  std::vector<TMoveKind> MoveKinds() const {
    std::vector<TMoveKind> kinds;
    for (const TMoveReport& move : Moves()) kinds.push_back(move.Kind);
    return kinds;
  }
};

}  // namespace tarvelo

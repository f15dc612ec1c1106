#pragma once

#include "engine/scoring_types.h"

#include <string>

namespace tarvelo {

// What outlives a game: the statistics of hands and matches, the auto-saved
// game, and the name of the current profile.
class TGameRecords {
 public:
  virtual ~TGameRecords() = default;

  virtual void RecordHandScore(int difference) = 0;
  virtual void RecordMatch(const TGameOverInfo& info) = 0;  // high score, history, win ratio
  virtual void DeleteAutoSave() = 0;
  virtual std::string PlayerName() const = 0;  // the current profile's name, or "Player"
};

}  // namespace tarvelo

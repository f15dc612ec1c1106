#pragma once

#include "ai/playout_host.h"
#include "engine/game.h"
#include "engine/random_source.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tarvelo {

class TComputerPlayer;

// What one search took: the deals sampled and the time.
struct TSearchReport {
  int Samples = 0;
  double Seconds = 0;
};

// The Master's search at one decision of its turn. Each sample deals the cards
// it cannot see anew (the player's hand but for the cards seen going into it,
// and the stock), consistent with everything on the table; on that deal every
// candidate is played from the decision to the end of the hand with the
// Expert's rules on both sides, and scored by the hand's difference in points.
// The first candidate stands unless another's gain over it is clear of the noise.
class TMasterSearch {
 public:
  // Plays candidate `candidate` of the decision for the Master's copy `self`,
  // up to the end of its turn.
  using TCandidateTurn = std::function<void(TComputerPlayer& self, int candidate)>;

  explicit TMasterSearch(const TComputerPlayer& master);
  ~TMasterSearch();
  int Best(int candidates, const TCandidateTurn& play);
  const TSearchReport& Report() const { return report_; }

  // Whether two candidates end the turn on the same table, played on the table as
  // it is: then nothing hidden can tell them apart.
  bool SameTurn(int a, int b, const TCandidateTurn& play);

  // The table as the Master could imagine it: the hidden cards dealt anew.
  static TTableState DealHidden(const TTableState& real, TRandomSource& random);

 private:
  // Plays a candidate's turn on the table given and leaves it in game_.
  void PlayCandidate(const TTableState& table, std::uint32_t seed, int candidate, const TCandidateTurn& play);
  // The hand from the decision to its end; the points the Master's seat gains over the other.
  double PlayOut(const TTableState& dealt, std::uint32_t seed, int candidate, const TCandidateTurn& play);

  const TComputerPlayer& master_;
  TRandomSource random_;
  TPlayoutHost host_;
  TGame game_{host_};
  std::unique_ptr<TComputerPlayer> self_;  // the Master's copy in the hand played out
  TSearchReport report_;
};

}  // namespace tarvelo

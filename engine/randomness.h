#pragma once

namespace tarvelo {

// The process-wide random source: an integer in 0..n-1, a real in [0, 1).
class TRandomness {
 public:
  virtual ~TRandomness() = default;

  virtual int RandomInt(int n) = 0;
  virtual double RandomReal() = 0;
};

}  // namespace tarvelo

#pragma once

#include <cstdint>
#include <random>

namespace tarvelo {

// A seeded pseudo-random source whose sequence is the same on every platform:
// mt19937 is fully specified, and the mapping to ranges is done here rather than
// by the library's distributions, whose results differ between implementations.
class TRandomSource {
 public:
  explicit TRandomSource(std::uint32_t seed) : engine_(seed) {}
  void Seed(std::uint32_t seed) { engine_.seed(seed); }

  // Uniform integer in 0..n-1 (0 when n < 1).
  int Int(int n) {
    if (n < 1) return 0;
    const std::uint32_t range = static_cast<std::uint32_t>(n);
    const std::uint32_t limit = UINT32_MAX - UINT32_MAX % range;
    std::uint32_t x;
    do x = engine_();
    while (x >= limit);
    return static_cast<int>(x % range);
  }
  // Uniform real in [0, 1).
  double Real() { return (engine_() >> 5) * (1.0 / 134217728.0); }

 private:
  std::mt19937 engine_;
};

}  // namespace tarvelo

#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace tarvelo::bench {

// The value at fraction p (0..1) of the sorted values, nearest rank; 0 for none.
inline double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(index, values.size() - 1)];
}

}  // namespace tarvelo::bench

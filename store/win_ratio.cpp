#include "store/win_ratio.h"

#include <algorithm>

namespace tarvelo {

QString RatioText(std::int64_t wins, std::int64_t losses) {
  // Counts are 32-bit: their sum and 100 times either fit 64 bits.
  const std::int64_t w = std::clamp<std::int64_t>(wins, 0, INT32_MAX);
  const std::int64_t total = w + std::clamp<std::int64_t>(losses, 0, INT32_MAX);
  if (total == 0) return QStringLiteral("?");
  std::int64_t ratio = 100 * w / total;
  const std::int64_t twiceRest = 2 * (100 * w % total);
  if (twiceRest > total || (twiceRest == total && ratio % 2 == 1)) ++ratio;
  return QString::number(ratio) + u'%';
}

}  // namespace tarvelo

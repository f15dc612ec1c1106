#pragma once

#include <QString>

#include <cstdint>

namespace tarvelo {

// "Ratio:" of the win ratio dialog: 100 x wins / (wins + losses) rounded to the
// nearest integer, halves to even, with "%"; "?" when there is nothing to divide.
// Counts below 0 (a hand-edited store) count as 0.
QString RatioText(std::int64_t wins, std::int64_t losses);

}  // namespace tarvelo

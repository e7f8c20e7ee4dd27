#pragma once

#include <algorithm>
#include <cstdint>

// Far beyond any 16-bit offset, and exactly representable as a double.
constexpr double g_dOffsetLimit = 1e15;

// A pixel offset truncated toward zero and held in 16 bits, wrapping as the drawing model does.
inline int16_t TruncToInt16(double dValue) {
    return static_cast<int16_t>(static_cast<int64_t>(std::clamp(dValue, -g_dOffsetLimit, g_dOffsetLimit)));
}

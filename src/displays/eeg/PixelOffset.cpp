#include "displays/eeg/PixelOffset.h"

#include <algorithm>

namespace {

// Far beyond any 16-bit offset, and exactly representable as a double.
constexpr double g_dOffsetLimit = 1e15;

} // namespace

int16_t TruncToInt16(double dValue) {
    return static_cast<int16_t>(static_cast<int64_t>(std::clamp(dValue, -g_dOffsetLimit, g_dOffsetLimit)));
}

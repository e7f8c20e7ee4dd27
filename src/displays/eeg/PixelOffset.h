#pragma once

#include <cstdint>

// A pixel offset truncated toward zero and held in 16 bits, wrapping as the drawing model does.
int16_t TruncToInt16(double dValue);

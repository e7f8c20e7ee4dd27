#pragma once

#include <cstdint>

struct MferAttributes;

// Samples of a channel (sequences x block length) and its duration in whole milliseconds, in 64
// bits so that day-long recordings neither wrap nor go negative; absurd products saturate.
int64_t SampleCount(const MferAttributes& attr);
int64_t DurationMs(const MferAttributes& attr);

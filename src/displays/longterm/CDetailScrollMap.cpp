#include "displays/longterm/CDetailScrollMap.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int64_t MICROSECONDS_PER_SECOND = 1'000'000;
// 25 mm of paper per second.
constexpr int64_t MM_PER_SECOND = 25;
constexpr int64_t RANGE_SECONDS = 55;
constexpr int64_t LINE_MICROSECONDS = 80'000;
// A page is 125 samples per pixel-per-millimetre of a 250 Hz recording: two seconds at 4 pixels per mm.
constexpr int64_t PAGE_SAMPLES_PER_SCALE = 125;
constexpr int64_t REFERENCE_INTERVAL = 4000;
constexpr int64_t MINUTE_MICROSECONDS = 60'000'000;

} // namespace

CDetailScrollMap::CDetailScrollMap(int nSamplingInterval, int nPixelsPerMm)
    : m_nSamplingInterval(std::max(nSamplingInterval, 0)), m_nPixelsPerMm(nPixelsPerMm) {}

int64_t CDetailScrollMap::SamplesIn(int64_t nMicroseconds) const {
    return HasTimeBase() ? nMicroseconds / m_nSamplingInterval : 0;
}

int CDetailScrollMap::PixelsOf(int64_t nSampleOffset) const {
    const int64_t nPixels =
        nSampleOffset * m_nSamplingInterval * MM_PER_SECOND * m_nPixelsPerMm / MICROSECONDS_PER_SECOND;
    return static_cast<int>(std::clamp<int64_t>(nPixels, INT_MIN, INT_MAX));
}

int64_t CDetailScrollMap::SamplesOf(int nPixels) const {
    const int64_t nPixelMicroseconds = m_nSamplingInterval * MM_PER_SECOND * m_nPixelsPerMm;
    return nPixelMicroseconds > 0 ? nPixels * MICROSECONDS_PER_SECOND / nPixelMicroseconds : 0;
}

int CDetailScrollMap::GetScrollMax() const {
    return static_cast<int>(RANGE_SECONDS * MM_PER_SECOND * m_nPixelsPerMm);
}

int64_t CDetailScrollMap::GetRangeSamples() const {
    return SamplesIn(RANGE_SECONDS * MICROSECONDS_PER_SECOND);
}

int64_t CDetailScrollMap::GetLineSamples() const {
    return SamplesIn(LINE_MICROSECONDS);
}

int64_t CDetailScrollMap::GetPageSamples() const {
    return SamplesIn(PAGE_SAMPLES_PER_SCALE * m_nPixelsPerMm * REFERENCE_INTERVAL);
}

int64_t CDetailScrollMap::GetMinuteSamples() const {
    return SamplesIn(MINUTE_MICROSECONDS);
}

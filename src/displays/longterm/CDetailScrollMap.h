#pragma once

#include <cstdint>

// The detail window's horizontal scrolling in samples and pixels: 55 seconds of range, 80 ms a line,
// two seconds a page at 4 pixels per mm. Everything follows the recording's sampling interval, so
// that the scroll bar stays on the drawn trace at every rate (at 250 Hz and 4 pixels per mm: 13,750
// samples, 0.4 pixels per sample, 20 samples a line, 500 a page).
class CDetailScrollMap {
public:
    CDetailScrollMap(int nSamplingInterval, int nPixelsPerMm);

    bool HasTimeBase() const { return m_nSamplingInterval > 0; }
    // Scroll position in pixels of a sample offset from the range start, and back.
    int PixelsOf(int64_t nSampleOffset) const;
    int64_t SamplesOf(int nPixels) const;
    int GetScrollMax() const;
    int64_t GetRangeSamples() const;
    int64_t GetLineSamples() const;
    int64_t GetPageSamples() const;
    // Samples of the one minute that the window draws.
    int64_t GetMinuteSamples() const;

private:
    int64_t SamplesIn(int64_t nMicroseconds) const;

    int64_t m_nSamplingInterval;
    int64_t m_nPixelsPerMm;
};

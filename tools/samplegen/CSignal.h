#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class CSampleRandom;

// One channel being synthesised: values in physical units (microvolts, mmHg) at a fixed sampling rate.
class CSignal {
public:
    CSignal(double dRateHz, double dSeconds);

    double Rate() const { return m_dRate; }
    size_t Size() const { return m_adValues.size(); }
    double TimeOf(size_t i) const { return static_cast<double>(i) / m_dRate; }
    const std::vector<double>& Values() const { return m_adValues; }

    // A Gaussian hump peaking at dTime, with separate widths (standard deviations) before and after the peak.
    void AddBump(double dTime, double dAmplitude, double dWidthBefore, double dWidthAfter);
    // A Gaussian-windowed cosine centred at dTime: the shape of a heart sound in one filter band.
    void AddBurst(double dTime, double dAmplitude, double dWidth, double dFrequency);
    void Add(const std::function<double(double)>& fnOfTime);
    void AddNoise(CSampleRandom& random, double dSigma);
    // Other must have the same rate and length.
    void AddScaled(const CSignal& other, double dFactor);
    // Stretches the values linearly so that their minimum and maximum become dLow and dHigh.
    void MapRange(double dLow, double dHigh);
    // Rounds value / dUnit to the nearest integer, clamped to the 16-bit range.
    std::vector<int16_t> Quantise(double dUnit) const;

private:
    void AddOver(double dFrom, double dTo, const std::function<double(double)>& fnOfTime);

    double m_dRate;
    std::vector<double> m_adValues;
};

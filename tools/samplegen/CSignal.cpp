#include "CSignal.h"

#include "CSampleRandom.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace {

// Beyond five standard deviations a Gaussian adds less than one part in a hundred thousand.
constexpr double kGaussianReach = 5.0;

double Gaussian(double dOffset, double dWidth) {
    const double z = dOffset / dWidth;
    return std::exp(-0.5 * z * z);
}

} // namespace

CSignal::CSignal(double dRateHz, double dSeconds)
    : m_dRate(dRateHz), m_adValues(static_cast<size_t>(std::llround(dRateHz * dSeconds)), 0.0) {}

void CSignal::AddBump(double dTime, double dAmplitude, double dWidthBefore, double dWidthAfter) {
    AddOver(dTime - kGaussianReach * dWidthBefore, dTime + kGaussianReach * dWidthAfter, [&](double t) {
        const double dOffset = t - dTime;
        return dAmplitude * Gaussian(dOffset, dOffset < 0.0 ? dWidthBefore : dWidthAfter);
    });
}

void CSignal::AddBurst(double dTime, double dAmplitude, double dWidth, double dFrequency) {
    AddOver(dTime - kGaussianReach * dWidth, dTime + kGaussianReach * dWidth, [&](double t) {
        const double dOffset = t - dTime;
        return dAmplitude * Gaussian(dOffset, dWidth) *
               std::cos(2.0 * std::numbers::pi * dFrequency * dOffset);
    });
}

void CSignal::Add(const std::function<double(double)>& fnOfTime) {
    for (size_t i = 0; i < m_adValues.size(); ++i) {
        m_adValues[i] += fnOfTime(TimeOf(i));
    }
}

void CSignal::AddNoise(CSampleRandom& random, double dSigma) {
    for (double& dValue : m_adValues) {
        dValue += dSigma * random.Gaussian();
    }
}

void CSignal::AddScaled(const CSignal& other, double dFactor) {
    if (other.Size() != Size()) {
        throw std::invalid_argument("signals of different lengths");
    }
    for (size_t i = 0; i < m_adValues.size(); ++i) {
        m_adValues[i] += dFactor * other.m_adValues[i];
    }
}

void CSignal::MapRange(double dLow, double dHigh) {
    if (m_adValues.empty()) {
        return;
    }
    const auto [itMin, itMax] = std::minmax_element(m_adValues.begin(), m_adValues.end());
    const double dMin = *itMin;
    const double dSpan = *itMax - dMin;
    for (double& dValue : m_adValues) {
        dValue = dSpan > 0.0 ? dLow + (dValue - dMin) * (dHigh - dLow) / dSpan : dLow;
    }
}

std::vector<int16_t> CSignal::Quantise(double dUnit) const {
    constexpr double kMin = std::numeric_limits<int16_t>::min();
    constexpr double kMax = std::numeric_limits<int16_t>::max();
    std::vector<int16_t> anSamples;
    anSamples.reserve(m_adValues.size());
    for (double dValue : m_adValues) {
        anSamples.push_back(static_cast<int16_t>(std::clamp(std::round(dValue / dUnit), kMin, kMax)));
    }
    return anSamples;
}

void CSignal::AddOver(double dFrom, double dTo, const std::function<double(double)>& fnOfTime) {
    const double dFirst = std::max(0.0, std::ceil(dFrom * m_dRate));
    const double dLast = std::min(static_cast<double>(m_adValues.size()) - 1.0, std::floor(dTo * m_dRate));
    for (double d = dFirst; d <= dLast; d += 1.0) {
        const auto i = static_cast<size_t>(d);
        m_adValues[i] += fnOfTime(TimeOf(i));
    }
}

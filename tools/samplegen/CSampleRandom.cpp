#include "CSampleRandom.h"

#include <cmath>
#include <numbers>

namespace {

constexpr uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;
constexpr int kMantissaBits = 53;
constexpr double kMantissaScale = 1.0 / static_cast<double>(1ULL << kMantissaBits);

} // namespace

uint64_t CSampleRandom::Next() {
    // splitmix64
    uint64_t z = (m_nState += kGoldenGamma);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double CSampleRandom::Uniform() {
    return static_cast<double>(Next() >> (64 - kMantissaBits)) * kMantissaScale;
}

double CSampleRandom::Between(double dLow, double dHigh) {
    return dLow + (dHigh - dLow) * Uniform();
}

double CSampleRandom::Gaussian() {
    // Box-Muller; 1 - u keeps the logarithm away from zero.
    const double u = 1.0 - Uniform();
    const double v = Uniform();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * std::numbers::pi * v);
}

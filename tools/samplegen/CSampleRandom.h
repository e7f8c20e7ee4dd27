#pragma once

#include <cstdint>

// A small seeded generator, so that every sample file comes out byte-identical on every machine (the
// standard distributions are free to differ between library implementations).
class CSampleRandom {
public:
    explicit CSampleRandom(uint64_t nSeed) : m_nState(nSeed) {}

    double Uniform();                          // [0, 1)
    double Between(double dLow, double dHigh); // [low, high)
    double Gaussian();                         // mean 0, standard deviation 1

private:
    uint64_t Next();

    uint64_t m_nState;
};

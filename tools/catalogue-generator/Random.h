#pragma once

#include <cstdint>
#include <random>

// A seeded generator whose numbers are the same with every standard library (the
// distributions of <random> are not), so the committed output can be reproduced.
class Random
{
public:
    explicit Random(std::uint32_t seed) : m_engine(seed) {}

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(m_engine() >> 5) / 134217728.0; }
    double range(double low, double high) { return low + (high - low) * unit(); }
    int below(int n) { return static_cast<int>(unit() * n); }
    // Roughly normal, mean 0, deviation 1 (sum of uniforms).
    double gauss()
    {
        double sum = 0;
        for (int k = 0; k < 6; ++k)
            sum += unit();
        return (sum - 3.0) * 1.41421356;
    }

private:
    std::mt19937 m_engine;
};

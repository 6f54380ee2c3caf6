#pragma once
// Chi-square for the fairness tests.

#include <cmath>

// A critical value of chi-square with the given degrees of freedom at a very small p
// (z is the matching normal quantile), by the Wilson-Hilferty approximation.
inline double chiSquareCritical(int degrees, double z)
{
    const double k = degrees, a = 2.0 / (9.0 * k);
    return k * std::pow(1.0 - a + z * std::sqrt(a), 3);
}

template <class Counts>
double chiSquare(const Counts& counts, double expected)
{
    double sum = 0;
    for (auto c : counts)
        sum += (c - expected) * (c - expected) / expected;
    return sum;
}

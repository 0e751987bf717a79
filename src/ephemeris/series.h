// Whole-number combinations of a few fundamental angles, so that the series tables of the Moon,
// the Sun, the giant planets and Pluto read as they are printed: 2 * D - Mp is twice the mean
// elongation less the Moon's mean anomaly.
#pragma once

#include <array>
#include <cstddef>

namespace orvantis {

template <std::size_t N>
struct Multiples {
    std::array<int, N> k{};

    friend constexpr Multiples operator+(Multiples a, const Multiples& b) {
        for (std::size_t i = 0; i < N; ++i) a.k[i] += b.k[i];
        return a;
    }
    friend constexpr Multiples operator-(Multiples a, const Multiples& b) {
        for (std::size_t i = 0; i < N; ++i) a.k[i] -= b.k[i];
        return a;
    }
    friend constexpr Multiples operator-(Multiples a) {
        for (std::size_t i = 0; i < N; ++i) a.k[i] = -a.k[i];
        return a;
    }
    friend constexpr Multiples operator*(int n, Multiples a) {
        for (std::size_t i = 0; i < N; ++i) a.k[i] *= n;
        return a;
    }

    // The combined angle in degrees, not reduced: the sum of k[i] · angles[i].
    constexpr double Of(const std::array<double, N>& angles) const {
        double sum = 0.0;
        for (std::size_t i = 0; i < N; ++i) {
            if (k[i] != 0) sum += k[i] * angles[i];
        }
        return sum;
    }
};

// The i-th fundamental angle on its own.
template <std::size_t N>
constexpr Multiples<N> Unit(std::size_t i) {
    Multiples<N> m;
    m.k[i] = 1;
    return m;
}

}  // namespace orvantis

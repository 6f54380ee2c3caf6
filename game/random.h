// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one random generator of the game, shared by the draw and the deal. It is reseeded
// from the time of day before every draw, and the reseed mixes the reading into the running
// state: draws made within one tick of the clock still differ.

#include <cstdint>
#include <functional>

class Generator {
public:
    // A reading of the time of day; tests may hand in a clock of their own.
    using Clock = std::function<std::uint64_t()>;

    Generator();
    Generator(Clock clock, std::uint64_t state);

    void reseed();
    // Uniform, 0 <= r < 1, with 53 random bits.
    double fraction();
    // What every draw of the game does: reseed, then draw.
    double reseededFraction();

    // Nanoseconds since midnight.
    static std::uint64_t timeOfDay();

private:
    std::uint64_t next();

    Clock m_clock;
    std::uint64_t m_state;
};

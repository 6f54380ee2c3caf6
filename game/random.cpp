// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/random.h"

#include <chrono>
#include <random>

namespace {

// SplitMix64's finaliser: a bijective mix, so distinct inputs give distinct outputs.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t Golden = 0x9e3779b97f4a7c15ULL;

}  // namespace

Generator::Generator() : Generator(&Generator::timeOfDay, (std::uint64_t{std::random_device{}()} << 32) ^ std::random_device{}()) {}

Generator::Generator(Clock clock, std::uint64_t state) : m_clock(std::move(clock)), m_state(state) {}

std::uint64_t Generator::timeOfDay()
{
    using namespace std::chrono;
    const auto now = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<std::uint64_t>(now % (86400LL * 1000000000LL));
}

void Generator::reseed()
{
    // Stir the reading in; never replace the state with it.
    m_state = mix(m_state + mix(m_clock()));
}

std::uint64_t Generator::next()
{
    m_state += Golden;
    return mix(m_state);
}

double Generator::fraction()
{
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

double Generator::reseededFraction()
{
    reseed();
    return fraction();
}

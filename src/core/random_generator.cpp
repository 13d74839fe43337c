#include "core/random_generator.h"

#include <chrono>
#include <cmath>

ClockRandomGenerator::ClockRandomGenerator()
{
    reseed();
}

int ClockRandomGenerator::draw(int n)
{
    if (n <= 1)
        return 0;
    std::uniform_int_distribution<int> pick(0, n - 1);
    return pick(m_engine);
}

void ClockRandomGenerator::reseed()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::uint64_t>(now));
}

std::int64_t nearest(double x)
{
    // std::nearbyint rounds in the current mode, which is round-half-even unless someone changed it.
    return static_cast<std::int64_t>(std::nearbyint(x));
}

#include "DemoRandom.h"

#include <cmath>

namespace tarvela::demo {

double DemoRandom::unit()
{
    return engine_() / 4294967296.0;
}

int DemoRandom::between(int low, int high)
{
    const auto span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<int>(static_cast<std::uint64_t>(unit() * span));
}

double DemoRandom::amount(double low, double high)
{
    return std::round((low + unit() * (high - low)) * 100.0) / 100.0;
}

bool DemoRandom::chance(double probability)
{
    return unit() < probability;
}

} // namespace tarvela::demo

#include "data/documents/Rounding.h"

#include <cfenv>
#include <cmath>

namespace tarvela {

double RoundHalfAway(double x, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double shifted = x * scale + (x >= 0 ? 0.5 : -0.5);
    const double result = std::trunc(shifted) / scale;
    return std::fabs(result) <= 1e-8 ? 0.0 : result;
}

long long WholeCents(double amount)
{
    return std::llround(RoundHalfAway(amount, 2) * 100);
}

bool EqualInWholeCents(double a, double b)
{
    constexpr double kHalfCent = 0.005;
    constexpr double kBinaryNoise = 1e-6;
    return WholeCents(a) == WholeCents(b) || std::fabs(a - b) <= kHalfCent + kBinaryNoise;
}

double RoundUpTenth(double x)
{
    const double r = RoundHalfAway(x, 1);
    return r - x < -0.0005 ? r + 0.1 : r;
}

double RoundUpUnit(double x)
{
    const double r = RoundHalfAway(x, 0);
    return r - x < -0.005 ? r + 1 : r;
}

double RoundHalfEven(double x)
{
    // nearbyint honours the current rounding mode; make sure it is the default.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double result = std::nearbyint(x);
    std::fesetround(saved);
    return result;
}

} // namespace tarvela

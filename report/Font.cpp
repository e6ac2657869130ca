#include "report/Font.h"

#include <algorithm>
#include <cmath>

namespace tarvela {

Rgb shadeColor(int percent)
{
    const double clamped = std::clamp(percent, 0, 100);
    const auto level = static_cast<std::uint8_t>(std::lround(255.0 * (100.0 - clamped) / 100.0));
    return {level, level, level};
}

} // namespace tarvela

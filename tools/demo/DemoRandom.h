// The demo's source of chance: std::mt19937 with its own tiny distributions,
// because the std distributions differ between libraries and the demo must
// give the same company for the same seed everywhere.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace tarvela::demo {

class DemoRandom {
public:
    explicit DemoRandom(std::uint32_t seed) : engine_(seed) {}

    // Inclusive bounds; low <= high.
    int between(int low, int high);
    // An amount with two decimals in [low, high].
    double amount(double low, double high);
    bool chance(double probability);

    template <typename T>
    const T& pick(const std::vector<T>& items)
    {
        return items[between(0, static_cast<int>(items.size()) - 1)];
    }

private:
    double unit();  // [0, 1)

    std::mt19937 engine_;
};

} // namespace tarvela::demo

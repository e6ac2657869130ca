#include "data/cdx/StoredCollation.h"

#include <algorithm>
#include <queue>

#include "data/cdx/Collation.h"

namespace tarvela::cdx {

// Each pair of neighbours says which byte weighs less at the first position
// where they differ; a table exists when these constraints form no cycle.
// The bytes are ranked in topological order, ties going by the Czech
// weights.
std::optional<WeightTable> weightsExplaining(const std::vector<std::string_view>& keys)
{
    std::array<std::vector<unsigned char>, 256> heavier;
    std::array<int, 256> lighterCount{};
    for (std::size_t i = 1; i < keys.size(); ++i) {
        const std::string_view a = keys[i - 1];
        const std::string_view b = keys[i];
        const auto differ = std::ranges::mismatch(a, b);
        if (differ.in1 == a.end() || differ.in2 == b.end())
            continue;
        const auto low = static_cast<unsigned char>(*differ.in1);
        const auto high = static_cast<unsigned char>(*differ.in2);
        if (std::ranges::find(heavier[low], high) == heavier[low].end()) {
            heavier[low].push_back(high);
            ++lighterCount[high];
        }
    }
    const auto byCzechWeight = [](unsigned char x, unsigned char y) { return collationWeight(x) > collationWeight(y); };
    std::priority_queue<unsigned char, std::vector<unsigned char>, decltype(byCzechWeight)> ready(byCzechWeight);
    for (int byte = 0; byte < 256; ++byte)
        if (lighterCount[byte] == 0)
            ready.push(static_cast<unsigned char>(byte));
    WeightTable weights{};
    int rank = 0;
    for (; !ready.empty(); ++rank) {
        const unsigned char byte = ready.top();
        ready.pop();
        weights[byte] = static_cast<unsigned char>(rank);
        for (const unsigned char next : heavier[byte])
            if (--lighterCount[next] == 0)
                ready.push(next);
    }
    if (rank < 256)
        return std::nullopt;
    return weights;
}

int compareByWeights(const WeightTable& weights, std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int wa = weights[static_cast<unsigned char>(a[i])];
        const int wb = weights[static_cast<unsigned char>(b[i])];
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace tarvela::cdx

// Which collation a tag's stored order follows, when it is not ours: other
// programs order character keys through their own weight tables, and the
// file does not say which. A checker can only find out whether some table
// of one weight per byte, compared position by position, explains the
// stored order; then the tag is whole, only foreign.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvela::cdx {

using WeightTable = std::array<unsigned char, 256>;

// keys in ascending stored order, all of one length. A table that orders
// them so, as close to the Czech collation as they allow; nothing when the
// order contradicts itself.
std::optional<WeightTable> weightsExplaining(const std::vector<std::string_view>& keys);

// <0, 0, >0 like memcmp, through the weights.
int compareByWeights(const WeightTable& weights, std::string_view a, std::string_view b);

} // namespace tarvela::cdx

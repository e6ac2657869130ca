#include "data/mem/MemLookup.h"

#include <algorithm>
#include <cstring>

namespace tarvela {

MemLookup::MemLookup(std::vector<std::size_t> fieldPositions) : positions_(std::move(fieldPositions)) {}

std::string MemLookup::keyOf(const std::vector<MemValue>& key)
{
    // Type tag, then the bytes of the value; texts are closed by a separator
    // no UTF-8 text contains.
    std::string encoded;
    for (const MemValue& value : key) {
        encoded += char('0' + value.index());
        if (const auto* text = std::get_if<std::string>(&value)) {
            encoded += *text;
            encoded += '\xff';
        } else if (const auto* number = std::get_if<double>(&value)) {
            const double normalized = *number == 0.0 ? 0.0 : *number;  // -0 equals 0
            char bytes[sizeof(double)];
            std::memcpy(bytes, &normalized, sizeof bytes);
            encoded.append(bytes, sizeof bytes);
        }
    }
    return encoded;
}

std::string MemLookup::rowKey(const std::vector<MemValue>& values) const
{
    std::vector<MemValue> key;
    key.reserve(positions_.size());
    for (const std::size_t position : positions_)
        key.push_back(values[position]);
    return keyOf(key);
}

void MemLookup::add(std::size_t row, const std::vector<MemValue>& values)
{
    rows_[rowKey(values)].push_back(row);
}

void MemLookup::change(std::size_t row, const std::vector<MemValue>& before, const std::vector<MemValue>& after)
{
    const std::string oldKey = rowKey(before);
    const std::string newKey = rowKey(after);
    if (oldKey == newKey)
        return;
    auto& oldRows = rows_[oldKey];
    oldRows.erase(std::remove(oldRows.begin(), oldRows.end(), row), oldRows.end());
    auto& newRows = rows_[newKey];
    newRows.insert(std::upper_bound(newRows.begin(), newRows.end(), row), row);
}

const std::vector<std::size_t>& MemLookup::find(const std::vector<MemValue>& key) const
{
    static const std::vector<std::size_t> none;
    const auto found = rows_.find(keyOf(key));
    return found == rows_.end() ? none : found->second;
}

} // namespace tarvela

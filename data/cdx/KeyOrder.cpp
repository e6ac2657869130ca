#include "data/cdx/KeyOrder.h"

#include <cstring>

#include "data/cdx/Collation.h"

namespace tarvela::cdx {

int KeyOrder::compareKeys(std::string_view a, std::string_view b) const
{
    if (collated_)
        return compareCollated(a, b);
    return a.compare(b);
}

int KeyOrder::compareInTagOrder(const Entry& entry, std::string_view key, std::uint32_t record) const
{
    int order = compareKeys(entry.key, key);
    if (order == 0 && entry.record != record)
        order = entry.record < record ? -1 : 1;
    return descending_ ? -order : order;
}

int KeyOrder::compareWithSearch(std::string_view stored, std::string_view search) const
{
    if (stored.size() > search.size())
        stored = stored.substr(0, search.size());
    return compareKeys(stored, search);
}

} // namespace tarvela::cdx

#include "data/cdx/KeyRange.h"

#include "data/cdx/Collation.h"
#include "data/cdx/SearchKey.h"
#include "platform/Text.h"

namespace tarvela::cdx {

namespace {
std::optional<std::string> bound(const Tag& tag, const std::string& text)
{
    if (withoutTrailingBlanks(text).empty())
        return std::nullopt;
    return searchKey(tag, text, false);
}
}

void KeyRange::set(const std::string& low852, const std::string& high852)
{
    low_ = low852;
    high_ = high852;
    set_ = !withoutTrailingBlanks(low852).empty() || !withoutTrailingBlanks(high852).empty();
}

void KeyRange::clear()
{
    set_ = false;
    low_.clear();
    high_.clear();
}

std::optional<std::string> KeyRange::low(const Tag& tag) const
{
    return set_ ? bound(tag, low_) : std::nullopt;
}

std::optional<std::string> KeyRange::high(const Tag& tag) const
{
    return set_ ? bound(tag, high_) : std::nullopt;
}

bool KeyRange::contains(const Tag& tag, const std::string& key) const
{
    if (!set_)
        return true;
    const auto lowKey = low(tag);
    const auto highKey = high(tag);
    return (!lowKey || tag.order.compareWithSearch(key, *lowKey) >= 0) &&
           (!highKey || tag.order.compareWithSearch(key, *highKey) <= 0);
}

} // namespace tarvela::cdx

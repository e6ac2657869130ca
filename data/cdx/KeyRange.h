// The key range of the active tag: both bounds inclusive, trailing blanks
// ignored, and a bound matches every key that begins with it (so the range
// F00012..F00012 holds F000123). An empty bound leaves that side open.
#pragma once

#include <optional>
#include <string>

#include "data/cdx/Tag.h"

namespace tarvela::cdx {

class KeyRange {
public:
    void set(const std::string& low852, const std::string& high852);
    void clear();
    bool isSet() const { return set_; }

    // Bounds as keys of the tag; nullopt for an open side.
    std::optional<std::string> low(const Tag& tag) const;
    std::optional<std::string> high(const Tag& tag) const;
    bool contains(const Tag& tag, const std::string& key) const;

private:
    bool set_ = false;
    std::string low_;
    std::string high_;
};

} // namespace tarvela::cdx

// One tag of an attached index file as this program uses it: the header, the
// key format and order that follow from the key expression, and the parsed
// expressions. A tag whose expressions this program cannot evaluate can still
// be walked, but not searched by value or kept up to date.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/cdx/Expression.h"
#include "data/cdx/KeyOrder.h"
#include "data/cdx/TagHeader.h"

namespace tarvela::cdx {

struct Tag {
    std::string name;
    std::uint32_t headerOffset = 0;
    TagHeader header;
    KeyFormat format;
    KeyOrder order{true, false};  // the order the entries are stored in
    // Flagged descending but stored ascending, as some programs write such
    // tags: the tag's order is the stored order read backward.
    bool reversed = false;
    std::shared_ptr<const Expression> key;
    std::shared_ptr<const Expression> condition;  // null: every record
    std::string expressionError;                  // why key is null

    bool isCharacter() const { return format.pad == ' '; }
    // The key expression, or an Error saying why it cannot be used.
    const Expression& keyExpression() const;
    // Whether a record belongs in the tag by its FOR condition.
    bool admits(const std::string& record) const;
};

Tag makeTag(const std::string& name, std::uint32_t headerOffset, const TagHeader& header,
            const std::vector<FieldDescriptor>& fields);

} // namespace tarvela::cdx

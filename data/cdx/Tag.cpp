#include "data/cdx/Tag.h"

namespace tarvela::cdx {

const Expression& Tag::keyExpression() const
{
    if (!key)
        throw Error(expressionError);
    return *key;
}

bool Tag::admits(const std::string& record) const
{
    return !condition || condition->isTrue(record);
}

Tag makeTag(const std::string& name, std::uint32_t headerOffset, const TagHeader& header,
            const std::vector<FieldDescriptor>& fields)
{
    Tag tag;
    tag.name = name;
    tag.headerOffset = headerOffset;
    tag.header = header;
    tag.format.keyLength = header.keyLength;
    try {
        auto key = std::make_shared<const Expression>(header.keyExpression, fields);
        if (key->type() == ValueType::Logical)
            throw Error("Index expression \"" + header.keyExpression + "\" gives no key");
        if (static_cast<std::uint32_t>(key->keyLength()) != header.keyLength)
            throw Error("Index tag " + name + " has key length " + std::to_string(header.keyLength) +
                        " but its expression gives " + std::to_string(key->keyLength()));
        if (header.hasForCondition()) {
            auto condition = std::make_shared<const Expression>(header.forExpression, fields);
            if (condition->type() != ValueType::Logical)
                throw Error("FOR condition \"" + header.forExpression + "\" is not logical");
            tag.condition = std::move(condition);
        }
        tag.key = std::move(key);
    } catch (const Error& error) {
        tag.expressionError = error.what();
    }
    const bool character = !tag.key || tag.key->type() == ValueType::Character;
    tag.format.pad = character ? ' ' : '\0';
    tag.order = KeyOrder(character, header.descending);
    return tag;
}

} // namespace tarvela::cdx

// A key expression or FOR condition of an index tag, parsed against the
// table's fields: field names, + on text (full field widths) and numbers,
// UPPER, NOT, > and - on numbers, parentheses. Records are raw code page 852
// bytes with the status byte first; a record shorter than the fields reads
// as blanks. Parse errors are Errors that name the expression.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/dbf/FieldDescriptor.h"

namespace tarvela::cdx {

enum class ValueType { Character, Numeric, Date, Logical };

class ExpressionNode;

class Expression {
public:
    Expression(const std::string& text, const std::vector<FieldDescriptor>& fields);
    ~Expression();
    Expression(Expression&&) noexcept;
    Expression& operator=(Expression&&) noexcept;

    const std::string& text() const { return text_; }
    ValueType type() const;
    // Bytes of a key: the text width for character values, 8 otherwise.
    int keyLength() const;
    // The fields the expression reads, in the order they first appear.
    const std::vector<FieldDescriptor>& fieldsUsed() const { return used_; }

    // The index key of a record: text padded to keyLength, or the 8-byte
    // encoding of a number or date. A logical expression has no key.
    std::string key(const std::string& record) const;
    // The truth of a logical expression for a record.
    bool isTrue(const std::string& record) const;

private:
    std::string text_;
    std::vector<FieldDescriptor> used_;
    std::unique_ptr<ExpressionNode> root_;
};

} // namespace tarvela::cdx

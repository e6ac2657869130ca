#include "data/cdx/Expression.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "data/cdx/ExpressionNode.h"
#include "data/cdx/KeyEncoding.h"
#include "platform/Error.h"
#include "platform/Text.h"

namespace tarvela::cdx {

namespace {

// Recursive descent over: comparison := sum ['>' sum]; sum := unary {(+|-) unary};
// unary := NOT unary | primary; primary := (expr) | UPPER(expr) | field | number.
class Parser {
public:
    Parser(const std::string& text, const std::vector<FieldDescriptor>& fields,
           std::vector<FieldDescriptor>& used)
        : text_(text), fields_(fields), used_(used) {}

    NodePtr parse()
    {
        auto node = comparison();
        skipBlanks();
        if (at_ != text_.size())
            fail("unexpected \"" + text_.substr(at_) + "\"");
        return node;
    }

private:
    [[noreturn]] void fail(const std::string& detail) const
    {
        throw Error("Invalid index expression \"" + text_ + "\": " + detail);
    }

    void skipBlanks()
    {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }

    bool accept(char c)
    {
        skipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    void expect(char c)
    {
        if (!accept(c))
            fail(std::string("\"") + c + "\" expected");
    }

    bool acceptWord(const std::string& word)
    {
        skipBlanks();
        const auto end = at_ + word.size();
        if (end > text_.size() || upperAscii(text_.substr(at_, word.size())) != word)
            return false;
        if (end < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[end])) || text_[end] == '_'))
            return false;
        at_ = end;
        return true;
    }

    NodePtr comparison()
    {
        auto left = sum();
        if (!accept('>'))
            return left;
        auto right = sum();
        if (left->type() != ValueType::Numeric || right->type() != ValueType::Numeric)
            fail("\">\" needs numbers");
        return makeGreaterNode(std::move(left), std::move(right));
    }

    NodePtr sum()
    {
        auto left = unary();
        for (;;) {
            skipBlanks();
            if (at_ >= text_.size() || (text_[at_] != '+' && text_[at_] != '-'))
                return left;
            const char op = text_[at_++];
            auto right = unary();
            if (op == '+' && left->type() == ValueType::Character && right->type() == ValueType::Character)
                left = makeConcatNode(std::move(left), std::move(right));
            else if (left->type() == ValueType::Numeric && right->type() == ValueType::Numeric)
                left = makeArithmeticNode(op, std::move(left), std::move(right));
            else
                fail(std::string("\"") + op + "\" cannot join these values");
        }
    }

    NodePtr unary()
    {
        if (acceptWord(".NOT.") || acceptWord("NOT") || accept('!')) {
            auto operand = unary();
            if (operand->type() != ValueType::Logical)
                fail("NOT needs a logical value");
            return makeNotNode(std::move(operand));
        }
        return primary();
    }

    NodePtr primary()
    {
        if (accept('(')) {
            auto node = comparison();
            expect(')');
            return node;
        }
        if (acceptWord("UPPER")) {
            expect('(');
            auto operand = comparison();
            expect(')');
            if (operand->type() != ValueType::Character)
                fail("UPPER needs a text");
            return makeUpperNode(std::move(operand));
        }
        skipBlanks();
        if (at_ < text_.size() && (std::isdigit(static_cast<unsigned char>(text_[at_])) || text_[at_] == '.'))
            return number();
        return field();
    }

    NodePtr number()
    {
        double value = 0.0;
        const auto result = std::from_chars(text_.data() + at_, text_.data() + text_.size(), value);
        if (result.ec != std::errc())
            fail("bad number");
        at_ = static_cast<std::size_t>(result.ptr - text_.data());
        return makeNumberNode(value);
    }

    NodePtr field()
    {
        const auto begin = at_;
        while (at_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[at_])) || text_[at_] == '_'))
            ++at_;
        if (begin == at_)
            fail(at_ < text_.size() ? "unexpected \"" + text_.substr(at_) + "\"" : "unexpected end");
        const auto name = upperAscii(text_.substr(begin, at_ - begin));
        const auto found = std::find_if(fields_.begin(), fields_.end(),
                                        [&](const FieldDescriptor& f) { return upperAscii(f.name) == name; });
        if (found == fields_.end())
            fail("unknown field " + name);
        if (std::none_of(used_.begin(), used_.end(), [&](const FieldDescriptor& f) { return f.name == found->name; }))
            used_.push_back(*found);
        return makeFieldNode(*found);
    }

    const std::string& text_;
    const std::vector<FieldDescriptor>& fields_;
    std::vector<FieldDescriptor>& used_;
    std::size_t at_ = 0;
};

} // namespace

Expression::Expression(const std::string& text, const std::vector<FieldDescriptor>& fields) : text_(text)
{
    root_ = Parser(text_, fields, used_).parse();
}

Expression::~Expression() = default;
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;

ValueType Expression::type() const
{
    return root_->type();
}

int Expression::keyLength() const
{
    return root_->type() == ValueType::Character ? root_->width() : kNumericKeyLength;
}

std::string Expression::key(const std::string& record) const
{
    const Value value = root_->evaluate(record);
    switch (root_->type()) {
    case ValueType::Character:
        return value.text;
    case ValueType::Numeric:
        return encodeNumberKey(value.number);
    case ValueType::Date:
        return encodeDateKey(value.date);
    case ValueType::Logical:
        break;
    }
    throw Error("Index expression \"" + text_ + "\" gives no key");
}

bool Expression::isTrue(const std::string& record) const
{
    return root_->evaluate(record).logical;
}

} // namespace tarvela::cdx

#include "data/cdx/ExpressionNode.h"

#include <charconv>

#include "data/cdx/CzechUpper.h"

namespace tarvela::cdx {

namespace {

std::string_view fieldBytes(const std::string& record, const FieldDescriptor& field)
{
    if (field.offset >= record.size())
        return {};
    return std::string_view(record).substr(field.offset, field.width);
}

double parseNumber(std::string_view text)
{
    const auto begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return 0.0;
    text.remove_prefix(begin);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

std::optional<DayNumber> parseDate(std::string_view text)
{
    if (text.size() != 8)
        return std::nullopt;
    int digits[3] = {};
    const int sizes[3] = {4, 2, 2};
    std::size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        const auto r = std::from_chars(text.data() + at, text.data() + at + sizes[i], digits[i]);
        if (r.ec != std::errc() || r.ptr != text.data() + at + sizes[i])
            return std::nullopt;
        at += sizes[i];
    }
    const CivilDate date{digits[0], digits[1], digits[2]};
    if (!isValidCivilDate(date))
        return std::nullopt;
    return toDayNumber(date);
}

bool parseLogical(std::string_view text)
{
    return !text.empty() && std::string_view("TtYyJj").find(text.front()) != std::string_view::npos;
}

ValueType fieldType(char letter)
{
    switch (letter) {
    case 'N':
    case 'F':
        return ValueType::Numeric;
    case 'D':
        return ValueType::Date;
    case 'L':
        return ValueType::Logical;
    default:
        return ValueType::Character;
    }
}

class FieldNode : public ExpressionNode {
public:
    explicit FieldNode(const FieldDescriptor& field)
        : ExpressionNode(fieldType(field.type), field.width), field_(field) {}
    Value evaluate(const std::string& record) const override
    {
        const auto bytes = fieldBytes(record, field_);
        Value value;
        switch (type()) {
        case ValueType::Character:
            value.text.assign(bytes);
            value.text.resize(field_.width, ' ');
            break;
        case ValueType::Numeric:
            value.number = parseNumber(bytes);
            break;
        case ValueType::Date:
            value.date = parseDate(bytes);
            break;
        case ValueType::Logical:
            value.logical = parseLogical(bytes);
            break;
        }
        return value;
    }

private:
    FieldDescriptor field_;
};

class NumberNode : public ExpressionNode {
public:
    explicit NumberNode(double number) : ExpressionNode(ValueType::Numeric, 0), number_(number) {}
    Value evaluate(const std::string&) const override
    {
        Value value;
        value.number = number_;
        return value;
    }

private:
    double number_;
};

class UpperNode : public ExpressionNode {
public:
    UpperNode(int width, NodePtr operand) : ExpressionNode(ValueType::Character, width), operand_(std::move(operand)) {}
    Value evaluate(const std::string& record) const override
    {
        Value value = operand_->evaluate(record);
        value.text = upperCp852(value.text);
        return value;
    }

private:
    NodePtr operand_;
};

class NotNode : public ExpressionNode {
public:
    explicit NotNode(NodePtr operand) : ExpressionNode(ValueType::Logical, 0), operand_(std::move(operand)) {}
    Value evaluate(const std::string& record) const override
    {
        Value value = operand_->evaluate(record);
        value.logical = !value.logical;
        return value;
    }

private:
    NodePtr operand_;
};

class BinaryNode : public ExpressionNode {
public:
    BinaryNode(ValueType type, int width, NodePtr left, NodePtr right)
        : ExpressionNode(type, width), left_(std::move(left)), right_(std::move(right)) {}

protected:
    NodePtr left_;
    NodePtr right_;
};

class ConcatNode : public BinaryNode {
public:
    ConcatNode(int width, NodePtr left, NodePtr right)
        : BinaryNode(ValueType::Character, width, std::move(left), std::move(right)) {}
    Value evaluate(const std::string& record) const override
    {
        Value value = left_->evaluate(record);
        value.text += right_->evaluate(record).text;
        return value;
    }
};

class ArithmeticNode : public BinaryNode {
public:
    ArithmeticNode(char op, NodePtr left, NodePtr right)
        : BinaryNode(ValueType::Numeric, 0, std::move(left), std::move(right)), op_(op) {}
    Value evaluate(const std::string& record) const override
    {
        Value value;
        const double a = left_->evaluate(record).number;
        const double b = right_->evaluate(record).number;
        value.number = op_ == '+' ? a + b : a - b;
        return value;
    }

private:
    char op_;
};

class GreaterNode : public BinaryNode {
public:
    GreaterNode(NodePtr left, NodePtr right)
        : BinaryNode(ValueType::Logical, 0, std::move(left), std::move(right)) {}
    Value evaluate(const std::string& record) const override
    {
        Value value;
        value.logical = left_->evaluate(record).number > right_->evaluate(record).number;
        return value;
    }
};

} // namespace

NodePtr makeFieldNode(const FieldDescriptor& field) { return std::make_unique<FieldNode>(field); }
NodePtr makeNumberNode(double value) { return std::make_unique<NumberNode>(value); }
NodePtr makeUpperNode(NodePtr operand)
{
    const int width = operand->width();
    return std::make_unique<UpperNode>(width, std::move(operand));
}
NodePtr makeNotNode(NodePtr operand) { return std::make_unique<NotNode>(std::move(operand)); }
NodePtr makeConcatNode(NodePtr left, NodePtr right)
{
    const int width = left->width() + right->width();
    return std::make_unique<ConcatNode>(width, std::move(left), std::move(right));
}
NodePtr makeArithmeticNode(char op, NodePtr left, NodePtr right)
{
    return std::make_unique<ArithmeticNode>(op, std::move(left), std::move(right));
}
NodePtr makeGreaterNode(NodePtr left, NodePtr right)
{
    return std::make_unique<GreaterNode>(std::move(left), std::move(right));
}

} // namespace tarvela::cdx

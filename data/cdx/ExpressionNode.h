// The parsed form of an index expression: a tree of typed nodes evaluated
// against one raw record. Built only by the expression parser, which checks
// the types, so evaluation never meets a type it cannot handle.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "data/cdx/Expression.h"
#include "platform/Date.h"

namespace tarvela::cdx {

struct Value {
    std::string text;                 // character values, code page 852
    double number = 0.0;
    std::optional<DayNumber> date;    // nullopt: empty date
    bool logical = false;
};

class ExpressionNode {
public:
    ExpressionNode(ValueType type, int width) : type_(type), width_(width) {}
    virtual ~ExpressionNode() = default;
    ValueType type() const { return type_; }
    int width() const { return width_; }  // character values only
    virtual Value evaluate(const std::string& record) const = 0;

private:
    ValueType type_;
    int width_;
};

using NodePtr = std::unique_ptr<ExpressionNode>;

NodePtr makeFieldNode(const FieldDescriptor& field);
NodePtr makeNumberNode(double value);
NodePtr makeUpperNode(NodePtr operand);
NodePtr makeNotNode(NodePtr operand);
NodePtr makeConcatNode(NodePtr left, NodePtr right);
NodePtr makeArithmeticNode(char op, NodePtr left, NodePtr right);
NodePtr makeGreaterNode(NodePtr left, NodePtr right);

} // namespace tarvela::cdx

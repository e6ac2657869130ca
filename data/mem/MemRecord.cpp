#include "data/mem/MemRecord.h"

#include <cmath>
#include <cstdio>

#include "platform/Error.h"

namespace tarvela {

namespace {

// Cuts UTF-8 text after `width` characters (not bytes).
std::string limitCharacters(const std::string& text, int width)
{
    int characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool startsCharacter = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == width)
            return text.substr(0, at);
    }
    return text;
}

std::string plainNumber(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

} // namespace

std::size_t MemRecord::checked(const std::string& field, bool forNumber) const
{
    return checked(schema_->indexOf(field), forNumber);
}

std::size_t MemRecord::checked(std::size_t index, bool forNumber) const
{
    const bool isText = schema_->at(index).type == MemFieldType::String;
    if (isText == forNumber)
        throw Error(formatMessage("Type mismatch for field '%s'", schema_->at(index).name));
    return index;
}

bool MemRecord::isNull(const std::string& field) const
{
    const MemValue& stored = (*values_)[schema_->indexOf(field)];
    if (const auto* text = std::get_if<std::string>(&stored))
        return text->empty();
    return std::holds_alternative<std::monostate>(stored);
}

std::string MemRecord::asString(const std::string& field) const
{
    const MemValue& stored = (*values_)[schema_->indexOf(field)];
    if (const auto* text = std::get_if<std::string>(&stored))
        return *text;
    if (const auto* number = std::get_if<double>(&stored))
        return plainNumber(*number);
    return {};
}

double MemRecord::asFloat(const std::string& field) const
{
    const MemValue& stored = (*values_)[checked(field, true)];
    const auto* number = std::get_if<double>(&stored);
    return number ? *number : 0.0;
}

double MemRecord::asDateTime(const std::string& field) const
{
    return asFloat(field);
}

DayNumber MemRecord::asDate(const std::string& field) const
{
    return static_cast<DayNumber>(std::floor(asDateTime(field)));
}

void MemRecord::setString(const std::string& field, const std::string& value)
{
    setString(schema_->indexOf(field), value);
}

void MemRecord::setString(std::size_t index, const std::string& value)
{
    (*values_)[checked(index, false)] = limitCharacters(value, schema_->at(index).width);
}

void MemRecord::setFloat(const std::string& field, double value)
{
    setFloat(schema_->indexOf(field), value);
}

void MemRecord::setFloat(std::size_t index, double value)
{
    (*values_)[checked(index, true)] = value;
}

void MemRecord::setDateTime(const std::string& field, double value)
{
    setFloat(field, value);
}

void MemRecord::setDate(const std::string& field, DayNumber value)
{
    setFloat(field, static_cast<double>(value));
}

void MemRecord::clear(const std::string& field)
{
    clear(schema_->indexOf(field));
}

void MemRecord::clear(std::size_t index)
{
    if (schema_->at(index).type == MemFieldType::String)
        (*values_)[index] = std::string();
    else
        (*values_)[index] = std::monostate{};
}

} // namespace tarvela

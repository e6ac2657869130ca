#include "controls/FieldBinding.h"

#include <QRegularExpression>
#include <QStringList>
#include <strings.h>

#include "controls/DecimalSeparator.h"
#include "controls/ValueChecks.h"
#include "data/table/DbfTable.h"
#include "platform/Error.h"

namespace tarvela {

void FieldBinding::bind(DbfTable* table, const std::string& fieldName)
{
    table_ = table;
    field_ = fieldName;
}

bool FieldBinding::isEditing() const
{
    return isBound() && (table_->state() == DbfTable::State::Edit || table_->state() == DbfTable::State::Insert);
}

char FieldBinding::fieldType() const
{
    if (!isBound() || !table_->isOpen())
        return 'C';
    for (const auto& field : table_->fields()) {
        if (strcasecmp(field.name.c_str(), field_.c_str()) == 0)
            return field.type;
    }
    return 'C';
}

bool FieldBinding::holdsFloat() const
{
    const char type = fieldType();
    return type == 'N' || type == 'F';
}

bool FieldBinding::holdsDate() const
{
    return fieldType() == 'D';
}

int FieldBinding::textWidth() const
{
    if (!isBound() || !table_->isOpen())
        return 0;
    for (const auto& field : table_->fields()) {
        if (field.type == 'C' && strcasecmp(field.name.c_str(), field_.c_str()) == 0)
            return field.width;
    }
    return 0;
}

QString FieldBinding::storedText() const
{
    if (!isBound() || !table_->isOpen() || (table_->eof() && table_->state() == DbfTable::State::Browse))
        return {};
    switch (fieldType()) {
    case 'N':
    case 'F': {
        QString text = QString::number(table_->asFloat(field_), 'g', 15);
        return text.replace('.', systemDecimalSeparator());
    }
    case 'D': {
        const DayNumber day = table_->asDate(field_);
        return day == 0 ? QString() : QString::fromStdString(formatCzechDate(day));
    }
    case 'L':
        return table_->asBool(field_) ? "T" : "F";
    default:
        return QString::fromStdString(table_->asString(field_)).remove(QRegularExpression(" +$"));
    }
}

void FieldBinding::store(const QString& text) const
{
    if (!isEditing())
        return;
    switch (fieldType()) {
    case 'N':
    case 'F': {
        const auto value = text.trimmed().isEmpty() ? std::optional<double>(0.0) : parseNumber(text);
        if (!value)
            throw Error(QStringLiteral("„%1“ není číslo: zadejte číslo, například %2.")
                            .arg(text, QStringLiteral("1250") + systemDecimalSeparator() + QStringLiteral("50"))
                            .toStdString());
        table_->setFloat(field_, *value);
        return;
    }
    case 'D': {
        if (text.trimmed().isEmpty())
            return storeDate(0);
        const auto day = parseCzechDate(checkDate(text, QDate::currentDate()).value_or(text).toStdString());
        if (!day)
            throw Error(formatMessage("„%s“ není datum: zadejte den, měsíc a rok, například 15.01.2008.", text.toStdString()));
        return storeDate(*day);
    }
    case 'L':
        table_->setBool(field_, QStringLiteral("TtYyJjAa").contains(text.trimmed().left(1)) && !text.trimmed().isEmpty());
        return;
    default:
        table_->setString(field_, text.toStdString());
    }
}

DayNumber FieldBinding::storedDate() const
{
    if (!isBound() || !table_->isOpen() || (table_->eof() && table_->state() == DbfTable::State::Browse))
        return 0;
    return table_->asDate(field_);
}

void FieldBinding::storeDate(DayNumber day) const
{
    if (isEditing())
        table_->setDate(field_, day);
}

} // namespace tarvela

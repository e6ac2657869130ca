#include "controls/ValueChecks.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <cstdint>

#include "controls/DecimalSeparator.h"

namespace tarvela {

std::optional<QString> checkInteger(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return QString::number(value);
}

std::optional<double> parseNumber(const QString& text)
{
    QString plain = text.trimmed();
    plain.replace(',', '.');
    static const QRegularExpression number(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)");
    if (!number.match(plain).hasMatch())
        return std::nullopt;
    return plain.toDouble();
}

std::optional<QString> checkFloat(const QString& text, int precision, int digits)
{
    const auto value = parseNumber(text);
    if (!value)
        return std::nullopt;
    double rounded = *value;
    if (rounded != 0.0 && precision > 0) {
        const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(rounded)))) + 1;
        const double scale = std::pow(10.0, precision - magnitude);
        rounded = std::round(rounded * scale) / scale;
    }
    QString result = QString::number(rounded, 'f', std::max(0, digits));
    result.replace('.', systemDecimalSeparator());
    return result;
}

namespace {

std::optional<int> wholePart(const QString& part)
{
    static const QRegularExpression digitsOnly(R"(^\d{1,4}$)");
    if (!digitsOnly.match(part).hasMatch())
        return std::nullopt;
    return part.toInt();
}

int fullYear(const QString& written, int value)
{
    if (written.size() > 2)
        return value;
    return value < 50 ? 2000 + value : 1900 + value;
}

// "1501", "150108" and "15012008" are day and month, with the year in two
// or four digits, typed without separators.
QString withSeparators(const QString& digits)
{
    static const QRegularExpression digitsOnly(R"(^\d+$)");
    const auto size = digits.size();
    if (!digitsOnly.match(digits).hasMatch() || (size != 4 && size != 6 && size != 8))
        return digits;
    return digits.left(2) + '.' + digits.mid(2, 2) + (size > 4 ? '.' + digits.mid(4) : QString());
}

} // namespace

std::optional<QDate> parseDate(const QString& text, const QDate& base)
{
    QString plain = withSeparators(text.trimmed());
    plain.replace(',', '.');
    if (plain.endsWith('.'))
        plain.chop(1);
    const QStringList parts = plain.split('.');
    if (plain.isEmpty() || parts.size() > 3)
        return std::nullopt;
    const auto day = wholePart(parts[0]);
    const auto month = parts.size() > 1 ? wholePart(parts[1]) : std::optional<int>(base.month());
    const auto year = parts.size() > 2 ? wholePart(parts[2]) : std::optional<int>(base.year());
    if (!day || !month || !year)
        return std::nullopt;
    const int yearValue = parts.size() > 2 ? fullYear(parts[2], *year) : *year;
    const QDate date(yearValue, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QString> checkDate(const QString& text, const QDate& base)
{
    const auto date = parseDate(text, base);
    if (!date)
        return std::nullopt;
    return formatDate(*date);
}

std::optional<QTime> parseTime(const QString& text, const QTime& base)
{
    const QStringList parts = text.trimmed().split(':');
    if (text.trimmed().isEmpty() || parts.size() > 3)
        return std::nullopt;
    int values[3] = {base.hour(), 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        const auto value = wholePart(parts[i]);
        if (!value || parts[i].size() > 2)
            return std::nullopt;
        values[i] = *value;
    }
    const QTime time(values[0], values[1], values[2]);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

std::optional<QString> checkTime(const QString& text, const QTime& base)
{
    const auto time = parseTime(text, base);
    if (!time)
        return std::nullopt;
    return formatTime(*time);
}

QString formatDate(const QDate& date)
{
    return date.toString("dd.MM.yyyy");
}

QString formatTime(const QTime& time)
{
    return time.toString("HH:mm:ss");
}

} // namespace tarvela

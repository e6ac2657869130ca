// Checks and rewrites of typed values by kind: integers, fixed-notation
// floats, dates in "dd.mm.yyyy" and times in "hh:mm:ss". Each returns the
// rewritten text, or nothing when the text is not a value of its kind.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace tarvela {

std::optional<QString> checkInteger(const QString& text);

// A number with either "," or "." as its decimal point, rewritten with
// `digits` decimals after rounding to `precision` significant digits.
std::optional<double> parseNumber(const QString& text);
std::optional<QString> checkFloat(const QString& text, int precision, int digits);

// A date of day, month and year separated by "." (or ","), or typed as
// 4, 6 or 8 digits ("1501", "150108", "15012008"); a missing year or month
// comes from `base`, a two-digit year falls in 1950..2049.
std::optional<QDate> parseDate(const QString& text, const QDate& base);
std::optional<QString> checkDate(const QString& text, const QDate& base);

// Hours, minutes and optional seconds separated by ":"; a missing part comes
// from `base`.
std::optional<QTime> parseTime(const QString& text, const QTime& base);
std::optional<QString> checkTime(const QString& text, const QTime& base);

QString formatDate(const QDate& date);
QString formatTime(const QTime& time);

} // namespace tarvela

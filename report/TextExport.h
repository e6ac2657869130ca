// The comma-separated text export of report data: a header line of column
// labels, then one line per row. Every value is quoted (inner quotes
// doubled) except empty ones, every line ends with one more comma and CR LF,
// numbers use "." and up to 15 significant digits, dates "dd/mm/yyyy", and
// the file is in code page 1250, whatever the user's regional settings.
// The file is written whole or not at all.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace tarvela {

// Days since 30 December 1899; the fraction is the time of day.
struct ExportDateTime {
    double value = 0;
};

struct ExportBool {
    bool value = false;
};

// monostate is an empty value, written as nothing; Booleans as "True", "False".
using ExportValue = std::variant<std::monostate, std::string, double, ExportDateTime, ExportBool>;

std::string exportBool(bool value);

struct ExportTable {
    std::vector<std::string> labels;             // UTF-8
    std::vector<std::vector<ExportValue>> rows;  // one value per label
};

// The number as the export writes it: 1234.5, -0.25, 1E20, 1E-7.
std::string exportNumber(double value);
// "dd/mm/yyyy", with " hh:mm:ss" only when the time is not midnight.
std::string exportDateTime(double value);

// The file's bytes, in code page 1250.
std::string textExportBytes(const ExportTable& table);
void writeTextExport(const ExportTable& table, const std::filesystem::path& path);

// The same with the rows handed over one at a time, so a large table is not
// copied first: nextRow fills in the next row (one value per label) and
// returns false after the last.
using ExportRows = std::function<bool(std::vector<ExportValue>& row)>;
std::string textExportBytes(const std::vector<std::string>& labels, const ExportRows& nextRow);
void writeTextExport(const std::vector<std::string>& labels, const ExportRows& nextRow,
                     const std::filesystem::path& path);

} // namespace tarvela

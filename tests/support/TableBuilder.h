// Writes small DBF files byte by byte for tests, independently of the table
// layer: values are given as they stand in the file (code page 852 text,
// numbers as decimal text), padded here to the field width.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "data/dbf/FieldDescriptor.h"

namespace tarvela::test {

struct TableRow {
    std::vector<std::string> values;  // one per field, raw
    bool deleted = false;
};

struct TableOptions {
    std::uint8_t version = 0x03;
    int bytesAfterTerminator = 1;  // 0 or 1 as writers do
    bool endMark = true;           // 0x1A after the last record
};

FieldDescriptor field(const std::string& name, char type, int width, int decimals = 0);

void writeTable(const std::filesystem::path& path, const std::vector<FieldDescriptor>& fields,
                const std::vector<TableRow>& rows, const TableOptions& options = {});

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

} // namespace tarvela::test

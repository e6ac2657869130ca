#include "support/TableBuilder.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace tarvela::test {

namespace {

void putLittle(std::string& bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string padded(const std::string& value, const FieldDescriptor& f)
{
    if (value.size() > f.width)
        throw std::invalid_argument("test value wider than its field: " + f.name);
    const std::string fill(f.width - value.size(), ' ');
    return f.type == 'N' || f.type == 'F' ? fill + value : value + fill;
}

} // namespace

FieldDescriptor field(const std::string& name, char type, int width, int decimals)
{
    FieldDescriptor f;
    f.name = name;
    f.type = type;
    f.width = static_cast<std::uint8_t>(width);
    f.decimals = static_cast<std::uint8_t>(decimals);
    return f;
}

void writeTable(const std::filesystem::path& path, const std::vector<FieldDescriptor>& fields,
                const std::vector<TableRow>& rows, const TableOptions& options)
{
    int recordLength = 1;
    for (const FieldDescriptor& f : fields)
        recordLength += f.width;
    const std::size_t headerLength = 32 + 32 * fields.size() + 1 + options.bytesAfterTerminator;
    std::string bytes(headerLength, '\0');
    bytes[0] = static_cast<char>(options.version);
    bytes[1] = 124;
    bytes[2] = 1;
    bytes[3] = 15;
    putLittle(bytes, 4, static_cast<std::uint32_t>(rows.size()), 4);
    putLittle(bytes, 8, static_cast<std::uint32_t>(headerLength), 2);
    putLittle(bytes, 10, static_cast<std::uint32_t>(recordLength), 2);
    bytes[29] = 0x64;
    std::uint32_t offset = 1;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t at = 32 + 32 * i;
        bytes.replace(at, fields[i].name.size(), fields[i].name);
        bytes[at + 11] = fields[i].type;
        putLittle(bytes, at + 12, offset, 4);
        bytes[at + 16] = static_cast<char>(fields[i].width);
        bytes[at + 17] = static_cast<char>(fields[i].decimals);
        offset += fields[i].width;
    }
    bytes[32 + 32 * fields.size()] = 0x0D;
    for (const TableRow& row : rows) {
        bytes += row.deleted ? '*' : ' ';
        for (std::size_t i = 0; i < fields.size(); ++i)
            bytes += padded(i < row.values.size() ? row.values[i] : std::string(), fields[i]);
    }
    if (options.endMark)
        bytes += '\x1A';
    writeBytes(path, bytes);
}

std::string readBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace tarvela::test

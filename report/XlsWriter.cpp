#include "report/XlsWriter.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "platform/CodePage.h"
#include "platform/Error.h"
#include "report/CompoundFile.h"

namespace tarvela {

namespace {

constexpr std::size_t kMaxRows = 65536;
constexpr std::size_t kMaxColumns = 256;
constexpr std::size_t kMaxRecordData = 8224;

enum RecordType : std::uint16_t {
    kEof = 0x000A,
    kFont = 0x0031,
    kWindow1 = 0x003D,
    kCodePage = 0x0042,
    kBoundSheet = 0x0085,
    kXf = 0x00E0,
    kDimensions = 0x0200,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kWindow2 = 0x023E,
    kStyle = 0x0293,
    kFormat = 0x041E,
    kBof = 0x0809,
};

// Cell formats: XF 15 is the default cell format; 16 and 17 show dates.
constexpr std::uint16_t kGeneralXf = 15;
constexpr std::uint16_t kDateXf = 16;
constexpr std::uint16_t kDateTimeXf = 17;
constexpr std::uint16_t kDateFormat = 164;  // first number of a user format
constexpr std::uint16_t kDateTimeFormat = 165;

class Bytes {
public:
    Bytes& u8(std::uint8_t v)
    {
        data_ += char(v);
        return *this;
    }
    Bytes& u16(std::uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
    Bytes& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Bytes& f64(double v)
    {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        return u32(std::uint32_t(bits)).u32(std::uint32_t(bits >> 32));
    }
    Bytes& raw(const std::string& bytes)
    {
        data_ += bytes;
        return *this;
    }
    const std::string& data() const { return data_; }

private:
    std::string data_;
};

std::string utf16le(const std::string& utf8)
{
    std::string out;
    auto put = [&](char32_t unit) {
        out += char(unit & 0xFF);
        out += char((unit >> 8) & 0xFF);
    };
    for (char32_t c : utf8ToUtf32(utf8)) {
        if (c > 0xFFFF) {
            c -= 0x10000;
            put(0xD800 + (c >> 10));
            put(0xDC00 + (c & 0x3FF));
        } else {
            put(c);
        }
    }
    return out;
}

// A string with a 16-bit (long) or 8-bit (short) character count, always
// stored as UTF-16 so that every Czech letter survives.
std::string unicodeString(const std::string& utf8, bool shortCount)
{
    const std::string units = utf16le(utf8);
    const std::size_t count = units.size() / 2;
    if (count > (shortCount ? 0xFFu : 0xFFFFu))
        throw Error("Text je pro soubor XLS příliš dlouhý: " + utf8);
    Bytes b;
    if (shortCount)
        b.u8(std::uint8_t(count));
    else
        b.u16(std::uint16_t(count));
    return b.u8(0x01).raw(units).data();
}

std::string record(std::uint16_t type, const std::string& data)
{
    if (data.size() > kMaxRecordData)
        throw Error("Hodnota je pro soubor XLS příliš dlouhá");
    return Bytes().u16(type).u16(std::uint16_t(data.size())).raw(data).data();
}

std::string bof(std::uint16_t kind)
{
    // BIFF8, build 3515 of 1996 as the format notes give, no history flags.
    return record(kBof, Bytes().u16(0x0600).u16(kind).u16(0x0DBB).u16(0x07CC).u32(0).u32(0x0006).data());
}

std::string font()
{
    Bytes b;
    b.u16(200).u16(0).u16(0x7FFF).u16(400).u16(0).u8(0).u8(0).u8(0).u8(0);
    return record(kFont, b.raw(unicodeString("Arial", true)).data());
}

std::string format(std::uint16_t number, const std::string& code)
{
    return record(kFormat, Bytes().u16(number).raw(unicodeString(code, false)).data());
}

// A style XF (style true) or a cell XF on the Normal style.
std::string xf(std::uint16_t numberFormat, bool style)
{
    Bytes b;
    b.u16(0).u16(numberFormat);
    b.u16(style ? 0xFFF5 : 0x0001);  // locked; style XFs have no parent
    b.u8(0x20).u8(0).u8(0);          // bottom-aligned
    b.u8(style ? 0xF4 : (numberFormat != 0 ? 0x04 : 0x00));
    b.u32(0).u32(0).u16(0x20C0);     // no borders, default pattern colours
    return record(kXf, b.data());
}

std::string globals(const std::string& sheetName, std::uint32_t sheetOffset)
{
    std::string out = bof(0x0005);
    out += record(kCodePage, Bytes().u16(1200).data());
    out += record(kWindow1, Bytes().u16(0).u16(0).u16(0x3000).u16(0x1E00).u16(0x0038).u16(0).u16(0).u16(1).u16(0x0258).data());
    for (int i = 0; i < 4; ++i)  // font 4 does not exist in the format; 0 to 3 are the usual set
        out += font();
    out += format(kDateFormat, "d.m.yyyy");
    out += format(kDateTimeFormat, "d.m.yyyy h:mm:ss");
    for (int i = 0; i < 15; ++i)
        out += xf(0, true);
    out += xf(0, false);
    out += xf(kDateFormat, false);
    out += xf(kDateTimeFormat, false);
    out += record(kStyle, Bytes().u16(0x8000).u8(0).u8(0xFF).data());
    out += record(kBoundSheet, Bytes().u32(sheetOffset).u8(0).u8(0).raw(unicodeString(sheetName, true)).data());
    return out + record(kEof, {});
}

std::string globalsFor(const std::string& sheetName)
{
    const std::size_t size = globals(sheetName, 0).size();
    return globals(sheetName, std::uint32_t(size));
}

std::string sheetStart(std::size_t rows, std::size_t columns)
{
    std::string out = bof(0x0010);
    out += record(kDimensions, Bytes().u32(0).u32(std::uint32_t(rows)).u16(0).u16(std::uint16_t(columns)).u16(0).data());
    return out + record(kWindow2, Bytes().u16(0x06B6).u16(0).u16(0).u32(0x40).u16(0).u16(0).u32(0).data());
}

Bytes cellStart(std::size_t row, std::size_t column, std::uint16_t xfIndex)
{
    Bytes b;
    b.u16(std::uint16_t(row)).u16(std::uint16_t(column)).u16(xfIndex);
    return b;
}

std::string numberCell(std::size_t row, std::size_t column, double value, std::uint16_t xfIndex)
{
    return record(kNumber, cellStart(row, column, xfIndex).f64(value).data());
}

std::string labelCell(std::size_t row, std::size_t column, const std::string& text)
{
    return record(kLabel, cellStart(row, column, kGeneralXf).raw(unicodeString(text, false)).data());
}

// Empty values stay blank cells: nothing is written for them.
std::string cell(std::size_t row, std::size_t column, const ExportValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        return labelCell(row, column, *text);
    if (const auto* number = std::get_if<double>(&value))
        return numberCell(row, column, *number, kGeneralXf);
    if (const auto* date = std::get_if<ExportDateTime>(&value)) {
        const bool wholeDay = date->value == std::floor(date->value);
        return numberCell(row, column, date->value, wholeDay ? kDateXf : kDateTimeXf);
    }
    if (const auto* flag = std::get_if<ExportBool>(&value))
        return labelCell(row, column, exportBool(flag->value));
    return {};
}

int percentDone(std::size_t done, std::size_t total)
{
    return int(std::lround(100.0 * double(done) / double(total)));
}

} // namespace

bool writeXlsWorkbook(const ExportTable& table, const std::string& sheetName, const std::filesystem::path& path,
                      const std::function<bool(int percent)>& keepGoing)
{
    if (table.rows.size() > kMaxRows || table.labels.size() > kMaxColumns)
        throw Error("Data se nevejdou na list souboru XLS (nejvýše 65536 řádků a 256 sloupců)");
    SingleStreamCompoundFile file(path.string(), "Workbook");
    file.append(globalsFor(sheetName));
    file.append(sheetStart(table.rows.size(), table.labels.size()));
    std::string rowBytes;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        rowBytes.clear();
        for (std::size_t c = 0; c < table.rows[r].size() && c < kMaxColumns; ++c)
            rowBytes += cell(r, c, table.rows[r][c]);
        file.append(rowBytes);
        if (keepGoing && !keepGoing(percentDone(r + 1, table.rows.size())))
            return false;
    }
    file.append(record(kEof, {}));
    file.commit();
    return true;
}

} // namespace tarvela

#include "data/dbf/DbfHeader.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "platform/Error.h"

namespace tarvela {

namespace {

constexpr std::size_t kDescriptorSize = 32;
constexpr char kTerminator = 0x0D;
constexpr const char* kNotATable = "Soubor %s není tabulka DBF nebo je poškozen";

// dBase III, dBase III/IV with memo, FoxBASE+/FoxPro, FoxPro 2 with memo,
// Visual FoxPro and dBase IV with SQL table.
constexpr std::array<std::uint8_t, 11> kKnownVersions{0x03, 0x83, 0x8B, 0xF5, 0xFB, 0x30,
                                                     0x31, 0x32, 0x43, 0x63, 0xCB};

std::uint32_t readLittle(std::string_view bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

void writeLittle(std::string& bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

[[noreturn]] void refuse(const std::string& fileName)
{
    throw Error(formatMessage(kNotATable, fileName));
}

bool isNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

FieldDescriptor parseDescriptor(std::string_view bytes, std::uint32_t offset, const std::string& fileName)
{
    FieldDescriptor field;
    const std::string_view rawName = bytes.substr(0, 11);
    field.name = std::string(rawName.substr(0, std::min(rawName.find('\0'), rawName.size())));
    if (field.name.empty() || !std::ranges::all_of(field.name, isNameCharacter))
        refuse(fileName);
    for (char& c : field.name)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    field.type = bytes[11];
    if (field.type < '0' || field.type > 'Z')
        refuse(fileName);
    field.width = static_cast<std::uint8_t>(bytes[16]);
    field.decimals = static_cast<std::uint8_t>(bytes[17]);
    field.offset = offset;
    if (field.width == 0)
        refuse(fileName);
    return field;
}

} // namespace

ChangeTime ChangeTime::now()
{
    const auto clock = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(clock);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(clock.time_since_epoch()).count() % 1000;
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(ms)};
}

std::uint32_t changeStamp(const ChangeTime& time)
{
    return ((static_cast<std::uint32_t>(time.hour) * 64 + time.minute) * 64 + time.second) * 1024
           + time.millisecond;
}

std::uint16_t DbfHeader::headerLengthOf(std::string_view prefix, const std::string& fileName)
{
    if (prefix.size() < kPrefixSize)
        refuse(fileName);
    const auto version = static_cast<std::uint8_t>(prefix[0]);
    if (std::ranges::find(kKnownVersions, version) == kKnownVersions.end())
        refuse(fileName);
    const auto length = static_cast<std::uint16_t>(readLittle(prefix, 8, 2));
    if (length < kPrefixSize + kDescriptorSize + 1)
        refuse(fileName);
    return length;
}

DbfHeader DbfHeader::parse(std::string_view bytes, const std::string& fileName)
{
    DbfHeader header;
    header.headerLength_ = headerLengthOf(bytes, fileName);
    if (bytes.size() < header.headerLength_)
        refuse(fileName);
    header.prefix_ = std::string(bytes.substr(0, kPrefixSize));
    header.recordLength_ = static_cast<std::uint16_t>(readLittle(bytes, 10, 2));
    std::uint32_t offset = 1;  // the status byte comes first
    std::size_t at = kPrefixSize;
    for (; at + kDescriptorSize <= header.headerLength_ && bytes[at] != kTerminator; at += kDescriptorSize) {
        FieldDescriptor field = parseDescriptor(bytes.substr(at, kDescriptorSize), offset, fileName);
        offset += field.width;
        header.fields_.push_back(std::move(field));
    }
    if (header.fields_.empty() || at >= header.headerLength_ || bytes[at] != kTerminator
        || offset != header.recordLength_)
        refuse(fileName);
    return header;
}

std::uint32_t DbfHeader::storedRecordCount() const
{
    return readLittle(prefix_, 4, 4);
}

std::string DbfHeader::lastUpdate() const
{
    const int year = static_cast<unsigned char>(prefix_[1]);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", static_cast<unsigned char>(prefix_[3]) % 100,
                  static_cast<unsigned char>(prefix_[2]) % 100, year < 80 ? 2000 + year : 1900 + year);
    return text;
}

std::string DbfHeader::stampedPrefix(std::uint32_t recordCount, std::uint32_t userNumber,
                                     const ChangeTime& time) const
{
    std::string bytes = prefix_;
    bytes[1] = static_cast<char>(time.year % 100);
    bytes[2] = static_cast<char>(time.month);
    bytes[3] = static_cast<char>(time.day);
    writeLittle(bytes, 4, recordCount, 4);
    writeLittle(bytes, 16, changeStamp(time), 4);
    writeLittle(bytes, 20, userNumber, 4);
    return bytes;
}

} // namespace tarvela

#include "data/dbf/DbfCreator.h"

#include <cmath>
#include <cstring>

#include "platform/CodePage.h"
#include "platform/Error.h"

namespace tarvela {

namespace {

constexpr unsigned char kVersion = 0x03;
constexpr unsigned char kCodePage852 = 0x64;

void putLittleEndian(std::string& bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool isKnownType(char type)
{
    return std::strchr("CNFDL", type) != nullptr;
}

} // namespace

DbfCreator::DbfCreator(std::string path, std::vector<FieldDescriptor> fields, CivilDate lastUpdate)
    : path_(std::move(path)), fields_(std::move(fields)), lastUpdate_(lastUpdate)
{
    std::uint32_t offset = 1;
    for (FieldDescriptor& field : fields_) {
        if (field.name.empty() || field.name.size() > 10 || !isKnownType(field.type) || field.width == 0)
            throw Error(formatMessage("Chybný popis pole %s", field.name));
        field.offset = offset;
        offset += field.width;
    }
    if (fields_.empty() || offset > 0xFFFF)
        throw Error(formatMessage("Chybný popis tabulky %s", path_));
    recordLength_ = static_cast<std::uint16_t>(offset);

    file_ = std::make_unique<AtomicFile>(path_);
    writeBytes(headerBytes());
}

DbfCreator::~DbfCreator() = default;

int DbfCreator::fieldIndex(const std::string& name) const
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

std::string DbfCreator::headerBytes() const
{
    const std::size_t headerLength = 32 * fields_.size() + 33;
    std::string bytes(headerLength, '\0');
    bytes[0] = static_cast<char>(kVersion);
    bytes[1] = static_cast<char>(lastUpdate_.year % 100);  // as the sibling programs write it
    bytes[2] = static_cast<char>(lastUpdate_.month);
    bytes[3] = static_cast<char>(lastUpdate_.day);
    putLittleEndian(bytes, 4, recordCount_, 4);
    putLittleEndian(bytes, 8, static_cast<std::uint32_t>(headerLength), 2);
    putLittleEndian(bytes, 10, recordLength_, 2);
    bytes[29] = static_cast<char>(kCodePage852);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const FieldDescriptor& field = fields_[i];
        const std::size_t at = 32 + 32 * i;
        std::memcpy(&bytes[at], field.name.data(), field.name.size());
        bytes[at + 11] = field.type;
        putLittleEndian(bytes, at + 12, field.offset, 4);
        bytes[at + 16] = static_cast<char>(field.width);
        bytes[at + 17] = static_cast<char>(field.decimals);
    }
    bytes[headerLength - 1] = 0x0D;
    return bytes;
}

void DbfCreator::writeBytes(const std::string& bytes)
{
    if (!file_)
        throw Error(formatMessage("Nelze zapsat soubor %s", path_));
    file_->append(bytes);
}

void DbfCreator::beginRecord()
{
    record_.assign(recordLength_, ' ');
}

char* DbfCreator::fieldBytes(int field, char type)
{
    if (field < 0 || field >= static_cast<int>(fields_.size()) || record_.empty())
        throw Error(formatMessage("Chybný popis pole %s", std::to_string(field)));
    const FieldDescriptor& descriptor = fields_[field];
    const bool numeric = type == 'N' && (descriptor.type == 'N' || descriptor.type == 'F');
    if (!numeric && descriptor.type != type)
        throw Error(formatMessage("Chybný popis pole %s", descriptor.name));
    return &record_[descriptor.offset];
}

void DbfCreator::setText(int field, const std::string& text)
{
    char* target = fieldBytes(field, 'C');
    const std::string oem = utf8ToOem(text);
    const std::size_t width = fields_[field].width;
    std::memset(target, ' ', width);
    std::memcpy(target, oem.data(), std::min(width, oem.size()));
}

void DbfCreator::setNumber(int field, double value)
{
    char* target = fieldBytes(field, 'N');
    const FieldDescriptor& descriptor = fields_[field];
    const double scale = std::pow(10.0, descriptor.decimals);
    if (std::round(std::abs(value) * scale) == 0)
        value = 0;  // no "-0.00"
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%*.*f", static_cast<int>(descriptor.width),
                                     static_cast<int>(descriptor.decimals), value);
    if (length < 0 || length > descriptor.width || !std::isfinite(value))
        throw Error("Číslo " + std::string(text) + " se nevejde do pole " + descriptor.name);
    std::memcpy(target, text, descriptor.width);
}

void DbfCreator::setDate(int field, DayNumber day)
{
    char* target = fieldBytes(field, 'D');
    if (day == 0) {
        std::memset(target, ' ', 8);
        return;
    }
    const CivilDate date = toCivilDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    std::memcpy(target, text, 8);
}

void DbfCreator::setBool(int field, bool value)
{
    *fieldBytes(field, 'L') = value ? 'T' : 'F';
}

void DbfCreator::markDeleted()
{
    if (!record_.empty())
        record_[0] = '*';
}

void DbfCreator::endRecord()
{
    if (record_.empty())
        return;
    writeBytes(record_);
    record_.clear();
    ++recordCount_;
}

// The header goes in last, with the final count; the file takes its name
// only once it is complete on disk.
void DbfCreator::finish()
{
    writeBytes(std::string(1, '\x1A'));
    file_->writeAt(0, headerBytes());
    file_->commit();
    file_.reset();
}

} // namespace tarvela

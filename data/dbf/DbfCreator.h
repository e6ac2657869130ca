// Writes a new DBF table in one pass (dBase III / FoxPro 2, version 0x03,
// code page mark of 852): fields first, then records one by one through a
// large buffer. The file appears under its name only when finish() succeeds;
// until then, and after a failure, an older file of that name is untouched.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/dbf/FieldDescriptor.h"
#include "platform/AtomicFile.h"
#include "platform/Date.h"

namespace tarvela {

class DbfCreator {
public:
    // Field offsets are computed here; names longer than 10 characters,
    // a record longer than 65535 bytes or a bad type letter are refused.
    DbfCreator(std::string path, std::vector<FieldDescriptor> fields, CivilDate lastUpdate);
    ~DbfCreator();
    DbfCreator(const DbfCreator&) = delete;
    DbfCreator& operator=(const DbfCreator&) = delete;

    const std::vector<FieldDescriptor>& fields() const { return fields_; }
    int fieldIndex(const std::string& name) const;  // -1 when unknown

    // A record starts blank; setters address fields by index. Text is UTF-8
    // and is stored in code page 852, cut to the field width.
    void beginRecord();
    void setText(int field, const std::string& text);
    void setNumber(int field, double value);  // error when it does not fit
    void setDate(int field, DayNumber day);   // day 0 stays blank
    void setBool(int field, bool value);
    void markDeleted();
    void endRecord();

    std::uint32_t recordCount() const { return recordCount_; }
    void finish();

private:
    void writeBytes(const std::string& bytes);
    std::string headerBytes() const;
    char* fieldBytes(int field, char type);

    std::string path_;
    std::vector<FieldDescriptor> fields_;
    CivilDate lastUpdate_;
    std::uint16_t recordLength_ = 1;
    std::unique_ptr<AtomicFile> file_;  // nullptr once finished
    std::string record_;
    std::uint32_t recordCount_ = 0;
};

} // namespace tarvela

// A table held in memory for the index tests: field descriptors and raw
// records (code page 852, status byte first) built from text values, so the
// index engine can be tested without the DBF layer.
#pragma once

#include <string>
#include <vector>

#include "data/dbf/RecordSource.h"

namespace tarvela::test {

class MemoryTable : public RecordSource {
public:
    // (name, type, width, decimals) per field.
    struct Column {
        std::string name;
        char type;
        int width;
        int decimals = 0;
    };
    explicit MemoryTable(const std::vector<Column>& columns);

    // Values as they stand in the file; character values padded, numbers right-aligned.
    std::string record(const std::vector<std::string>& values) const;
    std::uint32_t append(const std::vector<std::string>& values);
    void replace(std::uint32_t number, const std::string& bytes) { records_.at(number - 1) = bytes; }
    const std::string& raw(std::uint32_t number) const { return records_.at(number - 1); }

    const std::vector<FieldDescriptor>& fields() const override { return fields_; }
    std::uint32_t currentRecordCount() override { return static_cast<std::uint32_t>(records_.size()); }
    void readRawRecord(std::uint32_t number, std::string& bytes) override { bytes = records_.at(number - 1); }
    std::string fileName() const override { return "TEST.DBF"; }
    LockProtocol lockProtocol() const override { return LockProtocol::Clipper; }

private:
    std::vector<FieldDescriptor> fields_;
    std::size_t length_ = 1;
    std::vector<std::string> records_;
};

} // namespace tarvela::test

// Feeds arbitrary bytes to the DBF header reader, as a table file of another
// program would: a header that does not add up is refused with an Error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/dbf/DbfHeader.h"
#include "platform/Error.h"

using namespace tarvela;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        if (size < DbfHeader::kPrefixSize)
            return 0;
        const std::uint16_t length = DbfHeader::headerLengthOf(bytes.substr(0, DbfHeader::kPrefixSize), "fuzz.dbf");
        if (length > size)
            return 0;
        const DbfHeader header = DbfHeader::parse(bytes.substr(0, length), "fuzz.dbf");
        header.stampedPrefix(header.storedRecordCount(), 0, ChangeTime{});
    } catch (const Error&) {
    }
    return 0;
}

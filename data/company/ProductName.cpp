#include "data/company/ProductName.h"

#include "data/table/DbfTable.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

// Puts the range back on the record it stood on, or past its end.
void restorePosition(DbfTable& range, std::uint32_t record, bool atEnd)
{
    if (record != 0 && !atEnd) {
        range.setRecordNumber(record);
    } else if (atEnd) {
        range.last();
        range.next();
    }
}

} // namespace

std::string productName(DbfTable& range, const std::string& card)
{
    const std::string wanted = withoutTrailingBlanks(card);
    if (wanted.empty() || !range.isOpen() || range.state() != DbfTable::State::Browse
        || range.attachedTagCount() == 0)
        return {};
    const std::string tag = range.activeTag();
    const std::uint32_t record = range.recordNumber();
    const bool atEnd = range.eof();
    range.selectTag("KAV");
    const std::string name = range.seek(wanted) ? withoutTrailingBlanks(range.asString("SOR_NAC")) : std::string();
    range.selectTag(tag);
    restorePosition(range, record, atEnd);
    return name;
}

} // namespace tarvela

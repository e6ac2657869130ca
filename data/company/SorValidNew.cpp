#include "data/company/SorValidNew.h"

#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

bool refused(TData& data, bool refuseRetired)
{
    if (!refuseRetired || !data.Sortiment.asBool("SOR_OLD"))
        return false;
    data.ui().showMessage(kRetiredCardMessage);
    return true;
}

} // namespace

bool SorValidNew(TData& data, const std::string& text, bool refuseRetired, const ProductChooser& choose,
                 std::string& card)
{
    DbfTable& range = data.Sortiment;
    ScopedTableOpen open(data, range, "KAV");
    range.selectTag("KAV");
    const std::string typed = trimmed(text);
    if (!(typed.size() >= 6 && range.seek(typed))) {
        range.first();
        if (!range.eof() && data.lastCardRecord != 0)
            range.setRecordNumber(data.lastCardRecord);
        if (!choose() || range.eof())
            return false;
    }
    if (refused(data, refuseRetired))
        return false;
    data.lastCardRecord = range.recordNumber();
    card = range.asString("SOR_KAV");
    return true;
}

} // namespace tarvela

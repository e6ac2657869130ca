#include "commission/DocumentBooks.h"

#include <algorithm>
#include <functional>

#include "data/table/DbfTable.h"
#include "data/documents/DocumentRows.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

// Visits every live record in file order and puts the active tag back.
void walkInRecordOrder(DbfTable& table, const std::function<void()>& visit)
{
    const std::string tag = table.activeTag();
    table.selectTag("");
    try {
        for (table.first(); !table.eof(); table.next())
            visit();
    } catch (...) {
        table.selectTag(tag);
        throw;
    }
    table.selectTag(tag);
}

} // namespace

PaymentBook::PaymentBook(DbfTable& vypisy)
{
    walkInRecordOrder(vypisy, [&] {
        PaymentStatus& status = byDocument_[withoutTrailingBlanks(vypisy.asString("VYP_DO1"))];
        status.paidSum += vypisy.asFloat("VYP_HOD");
        status.lastPaymentDate = std::max(status.lastPaymentDate, vypisy.asDate("VYP_DVS"));
    });
}

PaymentStatus PaymentBook::of(const std::string& document) const
{
    const auto found = byDocument_.find(withoutTrailingBlanks(document));
    return found == byDocument_.end() ? PaymentStatus{} : found->second;
}

SplitBook::SplitBook(DbfTable& delProv)
{
    walkInRecordOrder(delProv, [&] {
        byDocument_[withoutTrailingBlanks(delProv.asString("DPR_FAK"))].push_back(
            {delProv.asString("DPR_OBC"), delProv.asFloat("DPR_PRO"), delProv.asFloat("DPR_OBR"),
             delProv.asString("DPR_TYP")});
    });
}

const std::vector<SplitShare>& SplitBook::of(const std::string& document) const
{
    static const std::vector<SplitShare> none;
    const auto found = byDocument_.find(withoutTrailingBlanks(document));
    return found == byDocument_.end() ? none : found->second;
}

} // namespace tarvela

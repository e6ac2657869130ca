#include "data/documents/DocumentBooks.h"

#include <algorithm>

#include "data/table/DbfTable.h"
#include "data/table/FileOrderWalk.h"
#include "platform/Text.h"

namespace tarvela {

PaymentBook::PaymentBook(DbfTable& vypisy)
{
    forEachRecordInFileOrder(vypisy, [&] {
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
    forEachRecordInFileOrder(delProv, [&] {
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

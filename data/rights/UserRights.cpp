#include "data/rights/UserRights.h"

#include "data/catalogue/TableCatalogue.h"
#include "data/company/TData.h"
#include "data/rights/RightsTable.h"

namespace tarvela {

UserRights::UserRights(TData& data, CurrentUser user)
    : data_(data), user_(std::move(user))
{
}

UserRights::~UserRights()
{
    DbfTable& rights = data_.UziPrava;
    if (!rights.isOpen())
        return;
    try {
        rights.detachIndexFile(indexFileOf("UziPrava", data_.settings().companyNumber));
    } catch (const std::exception&) {
        // The table is closed below either way; nothing is left to repair.
    }
    rights.close();
}

bool UserRights::HasRight(const std::string& taskCode)
{
    return rightOf(data_, taskCode, user_.Code, user_.Group);
}

bool rightOf(TData& data, const std::string& taskCode, const std::string& code, const std::string& group)
{
    if (const auto own = rightStatus(data, taskCode, code))
        return *own > 0;
    const auto ofGroup = rightStatus(data, taskCode, group);
    return ofGroup && *ofGroup > 0;
}

} // namespace tarvela

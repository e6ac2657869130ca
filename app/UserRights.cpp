#include "app/UserRights.h"

#include "data/catalogue/TableCatalogue.h"
#include "data/company/TData.h"

namespace tarvela {

namespace {

std::string codeOfThree(std::string code)
{
    code.resize(3, ' ');
    return code;
}

} // namespace

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
        rights.detachIndexFile(rightsIndexFile());
    } catch (const std::exception&) {
        // The table is closed below either way; nothing is left to repair.
    }
    rights.close();
}

void UserRights::openRights()
{
    DbfTable& rights = data_.UziPrava;
    if (!rights.isOpen()) {
        rights.open();
        rights.attachIndexFile(rightsIndexFile());
    }
    rights.selectTag("URT");
}

std::string UserRights::rightsIndexFile() const
{
    return indexFileOf("UziPrava", data_.settings().companyNumber);
}

int UserRights::findStatus(const std::string& taskCode, const std::string& code, bool& found)
{
    DbfTable& rights = data_.UziPrava;
    found = rights.seek(codeOfThree(taskCode) + codeOfThree(code), true);
    return found ? static_cast<int>(rights.asFloat("URS_URS")) : 0;
}

bool UserRights::HasRight(const std::string& taskCode)
{
    openRights();
    bool found = false;
    const int own = findStatus(taskCode, user_.Code, found);
    if (found)
        return own > 0;
    const int group = findStatus(taskCode, user_.Group, found);
    return found && group > 0;
}

} // namespace tarvela

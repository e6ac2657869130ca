#include "data/rights/RightsTable.h"

#include "data/catalogue/TableCatalogue.h"
#include "data/company/TData.h"
#include "data/table/HeldRecordWrite.h"
#include "data/table/LockRecordWithRetry.h"

namespace tarvela {

namespace {

// Positions the table on the row; false when there is none.
bool seekRight(TData& data, const std::string& taskCode, const std::string& code)
{
    openRightsTable(data);
    return data.UziPrava.seek(rightsCode(taskCode) + rightsCode(code), true);
}

// Waiting for the lock lets window messages through, and the rights window
// seeks this table while it rereads its rows: stand on the locked record
// again before it is written.
bool lockFoundRight(TData& data)
{
    DbfTable& rights = data.UziPrava;
    const std::uint32_t record = rights.recordNumber();
    if (!LockRecordWithRetry(rights, data.ui()))
        return false;
    rights.setRecordNumber(record);
    return true;
}

} // namespace

std::string rightsCode(std::string code)
{
    code.resize(3, ' ');
    return code;
}

void openRightsTable(TData& data)
{
    DbfTable& rights = data.UziPrava;
    if (!rights.isOpen()) {
        rights.open();
        rights.attachIndexFile(indexFileOf("UziPrava", data.settings().companyNumber));
    }
    rights.selectTag("URT");
}

std::optional<int> rightStatus(TData& data, const std::string& taskCode, const std::string& code)
{
    if (!seekRight(data, taskCode, code))
        return std::nullopt;
    return static_cast<int>(data.UziPrava.asFloat("URS_URS"));
}

bool writeRight(TData& data, const std::string& taskCode, const std::string& code, bool allowed)
{
    DbfTable& rights = data.UziPrava;
    const bool exists = seekRight(data, taskCode, code);
    if (exists && !lockFoundRight(data))
        return false;
    HeldRecordWrite held(rights);
    if (exists) {
        rights.edit();
    } else {
        rights.append();
        rights.setString("URS_URT", rightsCode(taskCode));
        rights.setString("URS_KOD", rightsCode(code));
    }
    rights.setInteger("URS_URS", allowed ? 1 : 0);
    rights.post();
    return true;
}

bool removeRight(TData& data, const std::string& taskCode, const std::string& code)
{
    DbfTable& rights = data.UziPrava;
    if (!seekRight(data, taskCode, code) || !lockFoundRight(data))
        return false;
    HeldRecordWrite held(rights);
    rights.deleteRecord();
    return true;
}

} // namespace tarvela

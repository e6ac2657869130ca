#include "data/rights/UserAccounts.h"

#include <vector>

#include "data/company/TData.h"
#include "data/table/HeldRecordWrite.h"
#include "data/rights/RightsTable.h"
#include "data/table/LockRecordWithRetry.h"
#include "platform/Error.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

// Calls visit for every live user, read through a second handle so that the
// record the list is editing stays as it is.
template <typename Visit>
void forEachUser(TData& data, Visit visit)
{
    DbfTable users;
    data.nameSecondHandle(users, data.Uzivatele);
    users.open();
    for (users.first(); !users.eof(); users.next())
        visit(users);
}

std::string loginKey(const std::string& name)
{
    return upperAscii(trimmed(name));
}

} // namespace

std::optional<UserConflict> userConflict(TData& data, const std::string& code, const std::string& loginName,
                                         std::uint32_t ownRecord)
{
    std::optional<UserConflict> conflict;
    forEachUser(data, [&](DbfTable& users) {
        if (conflict || users.recordNumber() == ownRecord)
            return;
        if (trimmed(users.asString("USR_KOD")) == trimmed(code))
            conflict = {true, "Uživatel s kódem " + trimmed(code) + " již existuje. Zadejte jiný kód."};
        else if (!loginKey(loginName).empty() && loginKey(users.asString("USR_LNA")) == loginKey(loginName))
            conflict = {false, "Přihlašovací jméno " + loginKey(loginName)
                                   + " již má jiný uživatel. Zadejte jiné jméno."};
    });
    return conflict;
}

bool groupExists(TData& data, const std::string& code)
{
    return data.UzivSkup.locate({"UGR_KOD"}, {FieldValue(code)});
}

bool deleteGroup(TData& data)
{
    DbfTable& groups = data.UzivSkup;
    const std::string code = rightsCode(withoutTrailingBlanks(groups.asString("UGR_KOD")));
    std::string members;
    bool codeOfUser = false;
    forEachUser(data, [&](DbfTable& users) {
        if (rightsCode(users.asString("USR_GRP")) == code)
            members += (members.empty() ? "" : ", ") + trimmed(users.asString("USR_KOD"));
        codeOfUser = codeOfUser || rightsCode(users.asString("USR_KOD")) == code;
    });
    if (!members.empty())
        throw Error("Skupinu " + trimmed(code) + " nelze smazat, patří do ní uživatelé " + members + ".");
    if (!LockRecordWithRetry(groups, data.ui()))
        return false;
    {
        HeldRecordWrite held(groups);
        groups.deleteRecord();
    }
    // A user of the same code shares the rows; they are his then.
    if (codeOfUser)
        return true;
    std::vector<std::string> tasks;
    openRightsTable(data);
    DbfTable& rights = data.UziPrava;
    for (rights.first(); !rights.eof(); rights.next()) {
        if (rightsCode(rights.asString("URS_KOD")) == code)
            tasks.push_back(rights.asString("URS_URT"));
    }
    for (const std::string& task : tasks)
        removeRight(data, task, code);
    return true;
}

} // namespace tarvela

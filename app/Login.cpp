#include "app/Login.h"

#include <QString>
#include <algorithm>

#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

std::string journalDateMessage(DayNumber day)
{
    return "Zápis ve skladovém deniků je (" + formatCzechDate(day) + ") tj. později než je systémové datum";
}

} // namespace

std::string loginNameOf(const std::string& logonName)
{
    const QString name = QString::fromStdString(logonName).trimmed().left(10);
    return name.toUpper().toStdString();
}

Login::Login(TData& data, AskLogin askLogin, std::string logonName, DayNumber today)
    : data_(data), askLogin_(std::move(askLogin)), logonName_(std::move(logonName)), today_(today)
{
}

LoginOutcome Login::run(CurrentUser& user)
{
    if (data_.settings().loginByDialog)
        return runByDialog(user);
    try {
        return runByLogonName(user);
    } catch (const std::exception&) {
        // The tables were closed on the way out, as the reindexing needs.
        data_.Index();
        return user.Code.empty() ? LoginOutcome::NotLoggedIn : LoginOutcome::LoggedIn;
    }
}

bool Login::findUser(const std::string& loginName, CurrentUser& user)
{
    DbfTable& users = data_.Uzivatele;
    if (!users.locate({"USR_LNA"}, {FieldValue(loginName)}))
        return false;
    user.FullName = withoutTrailingBlanks(users.asString("USR_NAC"));
    user.Code = withoutTrailingBlanks(users.asString("USR_KOD"));
    user.Group = withoutTrailingBlanks(users.asString("USR_GRP"));
    return true;
}

LoginOutcome Login::runByDialog(CurrentUser& user)
{
    const auto answer = askLogin_();
    if (!answer)
        return LoginOutcome::EndProgram;
    ScopedTableOpen users(data_.Uzivatele);
    CurrentUser found;
    if (!findUser(upperAscii(answer->name), found))
        return LoginOutcome::EndProgram;
    const std::string stored = trimmed(upperAscii(data_.Uzivatele.asString("USR_PSW")));
    if (stored != trimmed(upperAscii(answer->password))) {
        data_.ui().showMessage("Neplatné heslo !!!");
        return LoginOutcome::EndProgram;
    }
    user = found;
    users.keepOpen();  // the dialog path leaves the users table open after a success
    return LoginOutcome::LoggedIn;
}

LoginOutcome Login::runByLogonName(CurrentUser& user)
{
    {
        ScopedTableOpen users(data_.Uzivatele);
        if (!findUser(loginNameOf(logonName_), user) && runByDialog(user) == LoginOutcome::EndProgram)
            return LoginOutcome::EndProgram;
    }
    return checkJournalDate();
}

LoginOutcome Login::checkJournalDate()
{
    DbfTable& journal = data_.Denik;
    DayNumber last = 0;
    {
        ScopedTableOpen opened(journal);
        journal.last();
        last = journal.eof() ? 0 : journal.asDate("DEN_DAT");
    }
    if (last > today_) {
        data_.ui().showMessage(journalDateMessage(last));
        return LoginOutcome::EndProgram;
    }
    return LoginOutcome::LoggedIn;
}

} // namespace tarvela

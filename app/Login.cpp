#include "app/Login.h"

#include <QString>
#include <algorithm>

#include "data/TData.h"

namespace tarvela {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string trimmedRight(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string journalDateMessage(DayNumber day)
{
    return "Zápis ve skladovém deniků je (" + formatCzechDate(day) + ") tj. později než je systémové datum";
}

} // namespace

std::string upperAsciiLetters(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

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
        data_.Uzivatele.close();
        data_.Denik.close();
        data_.Index();
        return user.Code.empty() ? LoginOutcome::NotLoggedIn : LoginOutcome::LoggedIn;
    }
}

bool Login::findUser(const std::string& loginName, CurrentUser& user)
{
    DbfTable& users = data_.Uzivatele;
    if (!users.isOpen())
        users.open();
    if (!users.locate({"USR_LNA"}, {FieldValue(loginName)}))
        return false;
    user.FullName = trimmedRight(users.asString("USR_NAC"));
    user.Code = trimmedRight(users.asString("USR_KOD"));
    user.Group = trimmedRight(users.asString("USR_GRP"));
    return true;
}

LoginOutcome Login::runByDialog(CurrentUser& user)
{
    const auto answer = askLogin_();
    if (!answer)
        return LoginOutcome::EndProgram;
    CurrentUser found;
    if (!findUser(upperAsciiLetters(answer->name), found)) {
        data_.Uzivatele.close();
        return LoginOutcome::EndProgram;
    }
    const std::string stored = trimmed(upperAsciiLetters(data_.Uzivatele.asString("USR_PSW")));
    if (stored != trimmed(upperAsciiLetters(answer->password))) {
        data_.ui().showMessage("Neplatné heslo !!!");
        data_.Uzivatele.close();
        return LoginOutcome::EndProgram;
    }
    user = found;
    return LoginOutcome::LoggedIn;
}

LoginOutcome Login::runByLogonName(CurrentUser& user)
{
    LoginOutcome outcome = LoginOutcome::LoggedIn;
    if (!findUser(loginNameOf(logonName_), user)) {
        data_.Uzivatele.close();
        outcome = runByDialog(user);
    }
    data_.Uzivatele.close();
    if (outcome == LoginOutcome::EndProgram)
        return outcome;
    return checkJournalDate();
}

LoginOutcome Login::checkJournalDate()
{
    DbfTable& journal = data_.Denik;
    journal.open();
    journal.last();
    const DayNumber last = journal.eof() ? 0 : journal.asDate("DEN_DAT");
    journal.close();
    if (last > today_) {
        data_.ui().showMessage(journalDateMessage(last));
        return LoginOutcome::EndProgram;
    }
    return LoginOutcome::LoggedIn;
}

} // namespace tarvela

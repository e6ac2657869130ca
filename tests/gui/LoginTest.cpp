#include <gtest/gtest.h>

#include "platform/FileNames.h"
#include "support/CompanyFixture.h"
#include "app/Login.h"
#include "platform/Text.h"
#include "data/rights/UserRights.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;

namespace {

const DayNumber todayForTests = toDayNumber({2026, 3, 10});

void addUser(CompanyFixture& company, const std::string& code, const std::string& login,
             const std::string& password, const std::string& group)
{
    company.add("Uzivatele", {{"USR_KOD", code}, {"USR_LNA", login}, {"USR_PSW", password},
                              {"USR_NAC", "Uživatel " + code}, {"USR_GRP", group}});
}

void addJournalDate(CompanyFixture& company, DayNumber day)
{
    company.add("Denik", {{"DEN_DOK", std::string("F000001")}, {"DEN_DAT", DateValue {day}}});
}

AskLogin answering(std::optional<LoginAnswer> answer, int* asked = nullptr)
{
    return [answer, asked] {
        if (asked != nullptr)
            ++*asked;
        return answer;
    };
}

AskLogin neverAsked()
{
    return [] () -> std::optional<LoginAnswer> {
        ADD_FAILURE() << "the login dialog was shown";
        return std::nullopt;
    };
}

} // namespace

TEST(LoginByLogonName, LowerCaseNameFindsUpperCaseRow)
{
    CompanyFixture company;
    addUser(company, "007", "NOVAK", "x", "OBC");
    addJournalDate(company, todayForTests);
    CurrentUser user;
    Login login(company.data(), neverAsked(), "  novak ", todayForTests);
    EXPECT_EQ(login.run(user), LoginOutcome::LoggedIn);
    EXPECT_EQ(user.Code, "007");
    EXPECT_EQ(user.Group, "OBC");
    EXPECT_EQ(user.FullName, "Uživatel 007");
    EXPECT_FALSE(company.data().Uzivatele.isOpen());
    EXPECT_FALSE(company.data().Denik.isOpen());
}

TEST(LoginByLogonName, TwelveCharacterNameMatchesItsFirstTen)
{
    CompanyFixture company;
    addUser(company, "008", "DVORAKOVAM", "x", "OBC");
    addJournalDate(company, todayForTests);
    CurrentUser user;
    Login login(company.data(), neverAsked(), "dvorakovami2", todayForTests);
    EXPECT_EQ(login.run(user), LoginOutcome::LoggedIn);
    EXPECT_EQ(user.Code, "008");
}

TEST(LoginByLogonName, JournalDatedTomorrowEndsTheProgram)
{
    CompanyFixture company;
    addUser(company, "007", "NOVAK", "x", "OBC");
    addJournalDate(company, todayForTests + 1);
    CurrentUser user;
    Login login(company.data(), neverAsked(), "novak", todayForTests);
    EXPECT_EQ(login.run(user), LoginOutcome::EndProgram);
    ASSERT_EQ(company.ui.messages.size(), 1u);
    EXPECT_EQ(company.ui.messages[0],
              "Zápis ve skladovém deniků je (11.03.2026) tj. později než je systémové datum");
}

TEST(LoginByLogonName, UnknownNameFallsBackToDialog)
{
    CompanyFixture company;
    addUser(company, "007", "NOVAK", "Tajne", "OBC");
    addJournalDate(company, todayForTests);
    CurrentUser user;
    int asked = 0;
    Login login(company.data(), answering(LoginAnswer {"novak", " tajne "}, &asked), "someone", todayForTests);
    EXPECT_EQ(login.run(user), LoginOutcome::LoggedIn);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(user.Code, "007");
}

TEST(LoginByDialog, PasswordIgnoresCaseAndOuterBlanks)
{
    CompanyFixture company;
    addUser(company, "007", "NOVAK", " Heslo", "OBC");
    addJournalDate(company, todayForTests + 5);
    company.data().settings().loginByDialog = true;
    CurrentUser user;
    Login login(company.data(), answering(LoginAnswer {"Novak", "HESLO  "}), "novak", todayForTests);
    EXPECT_EQ(login.run(user), LoginOutcome::LoggedIn);
    EXPECT_EQ(user.Code, "007");
    EXPECT_TRUE(company.ui.messages.empty()) << "the journal date is checked on the silent path only";
    EXPECT_TRUE(company.data().Uzivatele.isOpen());
}

TEST(LoginByDialog, WrongPasswordEndsWithMessage)
{
    CompanyFixture company;
    addUser(company, "007", "NOVAK", "heslo", "OBC");
    company.data().settings().loginByDialog = true;
    CurrentUser user;
    Login login(company.data(), answering(LoginAnswer {"NOVAK", "hesla"}), "", todayForTests);
    EXPECT_EQ(login.run(user), LoginOutcome::EndProgram);
    EXPECT_EQ(company.ui.messages, std::vector<std::string>{"Neplatné heslo !!!"});
    EXPECT_TRUE(user.Code.empty());
    EXPECT_FALSE(company.data().Uzivatele.isOpen());
}

TEST(LoginByDialog, UnknownNameOrCancelEndsSilently)
{
    CompanyFixture company;
    addUser(company, "007", "NOVAK", "heslo", "OBC");
    company.data().settings().loginByDialog = true;
    CurrentUser user;
    Login unknown(company.data(), answering(LoginAnswer {" NOVAK", "heslo"}), "", todayForTests);
    EXPECT_EQ(unknown.run(user), LoginOutcome::EndProgram);
    Login cancelled(company.data(), answering(std::nullopt), "", todayForTests);
    EXPECT_EQ(cancelled.run(user), LoginOutcome::EndProgram);
    EXPECT_TRUE(company.ui.messages.empty());
}

TEST(LoginByLogonName, MissingJournalRebuildsIndexesAndGoesOn)
{
    CompanyFixture company;
    addUser(company, "007", "NOVAK", "x", "OBC");
    TData& data = company.data();
    ASSERT_TRUE(std::filesystem::remove(resolvePathIgnoringCase(company.dataDirectory() + "Den0001.dbf")));
    CurrentUser user;
    Login login(data, neverAsked(), "novak", todayForTests);
    EXPECT_EQ(login.run(user), LoginOutcome::LoggedIn);
    EXPECT_EQ(user.Code, "007");
    EXPECT_FALSE(company.ui.messages.empty()) << "the reindexing reports the missing tables";
}

TEST(LoginNames, LoginNameIsTrimmedCutAndUpperCase)
{
    EXPECT_EQ(loginNameOf("  jan.novotny.x "), "JAN.NOVOTN");
    EXPECT_EQ(loginNameOf("žofie"), "ŽOFIE");
    EXPECT_EQ(upperAscii("heslo ž"), "HESLO ž");
}

namespace {

void addRight(CompanyFixture& company, const std::string& code, const std::string& task, double status)
{
    company.add("UziPrava", {{"URS_KOD", code}, {"URS_URT", task}, {"URS_URS", status}});
}

} // namespace

TEST(UserRightsCheck, UserRowBeforeGroupRowAndNoRowDenies)
{
    CompanyFixture company;
    addRight(company, "OBC", "004", 1);
    addRight(company, "007", "004", 0);
    addRight(company, "OBC", "003", 1);
    addRight(company, "008", "005", 1);
    UserRights rights(company.data(), CurrentUser {"Novák", "007", "OBC"});
    EXPECT_FALSE(rights.HasRight("004"));
    EXPECT_TRUE(rights.HasRight("003"));
    EXPECT_FALSE(rights.HasRight("005"));
    EXPECT_FALSE(rights.HasRight("009"));
    EXPECT_TRUE(company.data().UziPrava.isOpen());
    EXPECT_EQ(company.data().UziPrava.activeTag(), "URT");
}

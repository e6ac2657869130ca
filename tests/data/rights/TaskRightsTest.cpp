// The rights of a user and of a group task by task: what the rights window
// shows agrees with HasRight, F4 writes the code's own row, Delete removes
// it, and nothing changes without the logged-in user's right "003".
#include <gtest/gtest.h>

#include "data/rights/RightsTable.h"
#include "data/rights/TaskRights.h"
#include "data/rights/UserAccounts.h"
#include "data/rights/UserRights.h"
#include "platform/Error.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;

namespace {

class Rights : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* task : {"001", "002", "003", "004"})
            company.add("UziPopPrav", {{"URT_KOD", std::string(task)}, {"URT_NAC", "Úloha " + std::string(task)}});
        // ADM may change rights; OBC may see invoices; user 007 of OBC is
        // denied invoices by his own row.
        allow("ADM", "003", 1);
        allow("OBC", "001", 1);
        allow("OBC", "002", 1);
        allow("007", "001", 0);
        allow("008", "004", 1);
    }

    void allow(const std::string& code, const std::string& task, double status)
    {
        company.add("UziPrava", {{"URS_KOD", code}, {"URS_URT", task}, {"URS_URS", status}});
    }

    std::map<std::string, std::string> shown(TaskRights& rights)
    {
        std::map<std::string, std::string> rows;
        for (const TaskRight& row : rights.rows())
            rows[row.KodUlohy] = row.Zdroj + "/" + row.Stav;
        return rows;
    }

    CompanyFixture company;
};

} // namespace

TEST_F(Rights, WindowShowsWhatHasRightAnswersForUserAndGroup)
{
    TData& data = company.data();
    UserRights admin(data, CurrentUser {"Správce", "001", "ADM"});
    UserRights member(data, CurrentUser {"Člen", "007", "OBC"});
    TaskRights user(data, admin, RightsHolder::User, "007", "OBC");
    TaskRights group(data, admin, RightsHolder::Group, "OBC", "OBC");
    EXPECT_FALSE(user.isGroupMode());
    EXPECT_TRUE(group.isGroupMode());
    EXPECT_EQ(shown(user), (std::map<std::string, std::string>{
                               {"001", "Uživatel/Ne"}, {"002", "Skupina/Ano"}, {"003", "Skupina/Ne"},
                               {"004", "Skupina/Ne"}}));
    EXPECT_EQ(shown(group)["001"], "Skupina/Ano");
    // A user whose code is his group's code is still shown as a user.
    TaskRights sameCode(data, admin, RightsHolder::User, "OBC", "OBC");
    EXPECT_FALSE(sameCode.isGroupMode());
    EXPECT_EQ(shown(sameCode)["001"], "Uživatel/Ano");
    EXPECT_EQ(shown(sameCode)["003"], "Skupina/Ne");
    for (const TaskRight& row : user.rows())
        EXPECT_EQ(member.HasRight(row.KodUlohy), row.Stav == "Ano") << row.KodUlohy;
    EXPECT_EQ(user.rows().front().NazevUlohy, "Úloha 001");
}

TEST_F(Rights, ChangeWritesOwnRowAndDeriveRemovesIt)
{
    TData& data = company.data();
    UserRights admin(data, CurrentUser {"Správce", "001", "ADM"});
    UserRights member(data, CurrentUser {"Člen", "007", "OBC"});
    TaskRights user(data, admin, RightsHolder::User, "007", "OBC");
    ASSERT_TRUE(user.change("002"));
    EXPECT_EQ(shown(user)["002"], "Uživatel/Ne");
    EXPECT_FALSE(member.HasRight("002"));
    ASSERT_TRUE(user.change("002"));
    EXPECT_EQ(shown(user)["002"], "Uživatel/Ano");

    ASSERT_TRUE(user.deriveFromGroup("001"));
    EXPECT_EQ(shown(user)["001"], "Skupina/Ano");
    EXPECT_TRUE(member.HasRight("001"));
    try {
        user.deriveFromGroup("001");
        ADD_FAILURE() << "deriving a derived right was not refused";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Nelze měnit odvozená práva");
    }
    TaskRights group(data, admin, RightsHolder::Group, "OBC", "OBC");
    EXPECT_FALSE(group.deriveFromGroup("002"));
    ASSERT_TRUE(group.change("004"));
    EXPECT_EQ(shown(user)["004"], "Skupina/Ano");
    EXPECT_TRUE(company.ui.messages.empty());
}

TEST_F(Rights, RowsReadWhileALockIsAwaitedDoNotMoveTheWrite)
{
    TData& data = company.data();
    UserRights admin(data, CurrentUser {"Správce", "001", "ADM"});
    TaskRights user(data, admin, RightsHolder::User, "007", "OBC");
    // The rights window rereads its rows when it becomes active again.
    company.ui.onProcessEvents = [&user] { user.rows(); };
    ASSERT_TRUE(user.deriveFromGroup("001"));
    EXPECT_FALSE(rightStatus(data, "001", "007").has_value());
    EXPECT_EQ(rightStatus(data, "001", "OBC"), 1) << "the group's row stays";
    ASSERT_TRUE(user.change("002"));
    ASSERT_TRUE(user.change("002"));
    EXPECT_EQ(rightStatus(data, "002", "007"), 1);
    EXPECT_EQ(rightStatus(data, "002", "OBC"), 1);
    EXPECT_EQ(rightStatus(data, "004", "008"), 1);
    company.ui.onProcessEvents = nullptr;
}

TEST_F(Rights, WithoutRight003NothingChanges)
{
    TData& data = company.data();
    UserRights member(data, CurrentUser {"Člen", "007", "OBC"});
    TaskRights himself(data, member, RightsHolder::User, "007", "OBC");
    const auto before = shown(himself);
    EXPECT_FALSE(himself.mayChange());
    EXPECT_FALSE(himself.change("003"));
    // His own row denies invoices; deriving would give him the group's yes.
    EXPECT_FALSE(himself.deriveFromGroup("001"));
    EXPECT_EQ(shown(himself), before);
    EXPECT_FALSE(member.HasRight("001"));
}

TEST_F(Rights, GroupInUseIsNotDeletedAndAFreeOneTakesItsRows)
{
    company.add("Uzivatele", {{"USR_KOD", std::string("007")}, {"USR_LNA", std::string("NOVAK")},
                              {"USR_GRP", std::string("OBC")}});
    company.add("UzivSkup", {{"UGR_KOD", std::string("OBC")}});
    company.add("UzivSkup", {{"UGR_KOD", std::string("ADM")}});
    TData& data = company.data();
    data.UzivSkup.open();
    ASSERT_TRUE(groupExists(data, "OBC"));
    EXPECT_FALSE(groupExists(data, "obc"));
    EXPECT_THROW(deleteGroup(data), Error);
    EXPECT_TRUE(groupExists(data, "OBC"));
    ASSERT_TRUE(groupExists(data, "ADM"));
    EXPECT_TRUE(deleteGroup(data));
    EXPECT_FALSE(groupExists(data, "ADM"));
    EXPECT_FALSE(rightStatus(data, "003", "ADM").has_value());
    EXPECT_TRUE(rightStatus(data, "001", "OBC").has_value());
    data.UzivSkup.close();
}

TEST_F(Rights, UserCodeAndLoginNameBelongToOneUser)
{
    company.add("Uzivatele", {{"USR_KOD", std::string("007")}, {"USR_LNA", std::string("NOVAK")}});
    TData& data = company.data();
    const auto code = userConflict(data, "007", "JINY", 0);
    ASSERT_TRUE(code);
    EXPECT_TRUE(code->ofCode);
    EXPECT_EQ(code->message, "Uživatel s kódem 007 již existuje. Zadejte jiný kód.");
    const auto login = userConflict(data, "009", "novak ", 0);
    ASSERT_TRUE(login);
    EXPECT_FALSE(login->ofCode);
    EXPECT_EQ(login->message, "Přihlašovací jméno NOVAK již má jiný uživatel. Zadejte jiné jméno.");
    EXPECT_FALSE(userConflict(data, "007", "NOVAK", 1));
    EXPECT_FALSE(userConflict(data, "009", "SVOBODA", 0));
}

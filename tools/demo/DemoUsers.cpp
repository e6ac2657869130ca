// Users, user groups, tasks and rights, and the owner record.
#include <algorithm>

#include "DemoGenerators.h"
#include "DemoSchemas.h"
#include "DemoTable.h"

namespace tarvela::demo {

namespace {

struct DemoUser {
    std::string code, login, password, initials, group, name;
};

std::vector<DemoUser> usersFor(const std::string& logonName)
{
    std::vector<DemoUser> users = {
        {"001", "ADMIN", "admin", "AD", "ADM", "Správce systému"},
        {"002", "NOVAKOVA", "Jana", "JN", "UCT", "Nováková Jana, Ing."},
        {"003", "SVOBODA", " petr ", "PS", "OBC", "Svoboda Petr"},
        {"004", "HORAK", "kůň", "MH", "OBC", "Horák Miloš"},
    };
    // The logon name as the login compares it: trimmed, at most 10
    // characters, upper case.
    std::string login = logonName.substr(0, 10);
    for (char& c : login) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    const bool known = std::ranges::any_of(users, [&](const DemoUser& u) { return u.login == login; });
    if (!login.empty() && !known)
        users.push_back({"005", login, "demo", "UD", "ADM", "Uživatel demo"});
    return users;
}

} // namespace

void writeUsersAndRights(DemoModel& model, const std::string& logonName)
{
    DemoTable users(model.dataDirectory, model.fileName("Uzivatele"), schemas::uzivatele(), model.lastUpdate());
    for (const DemoUser& u : usersFor(logonName)) {
        users.begin()
            .text("USR_KOD", u.code)
            .text("USR_LNA", u.login)
            .text("USR_PSW", u.password)
            .text("USR_INI", u.initials)
            .text("USR_GRP", u.group)
            .text("USR_NAC", u.name)
            .text("USR_TEL", "+420 541 000 " + u.code)
            .text("USR_EML", "uzivatel" + u.code + "@zelezarstvi-demo.cz")
            .end();
    }
    users.finish();

    DemoTable groups(model.dataDirectory, model.fileName("UzivSkup"), schemas::uzivSkup(), model.lastUpdate());
    groups.begin().text("UGR_KOD", "ADM").text("UGR_NAC", "Správci").end();
    groups.begin().text("UGR_KOD", "UCT").text("UGR_NAC", "Účtárna").end();
    groups.begin().text("UGR_KOD", "OBC").text("UGR_NAC", "Obchodní oddělení").end();
    groups.finish();

    const std::pair<const char*, const char*> tasks[] = {
        {"001", "Prohlížení vydaných faktur"}, {"002", "Úhrady dokladů"},
        {"003", "Změna přístupových práv"},     {"004", "Správa uživatelů"},
        {"005", "Sestavy provizí"},             {"006", "Číselník obchodníků"},
        {"007", "Provizní karty"},              {"008", "Indexace souborů"}};
    DemoTable taskTable(model.dataDirectory, model.fileName("UziPopPrav"), schemas::uziPopPrav(), model.lastUpdate());
    for (const auto& [code, name] : tasks)
        taskTable.begin().text("URT_KOD", code).text("URT_NAC", name).text("URT_GRP", "PRO").end();
    taskTable.finish();

    // Group rows, plus user rows that allow or deny against their group.
    struct Right { const char* who; const char* task; int status; };
    const Right rights[] = {
        {"ADM", "001", 1}, {"ADM", "002", 1}, {"ADM", "003", 1}, {"ADM", "004", 1},
        {"ADM", "005", 1}, {"ADM", "006", 1}, {"ADM", "007", 1}, {"ADM", "008", 1},
        {"UCT", "001", 1}, {"UCT", "002", 1}, {"UCT", "005", 1}, {"UCT", "003", 0},
        {"OBC", "001", 1}, {"OBC", "005", 1}, {"002", "004", 1}, {"003", "005", 0},
        {"004", "007", 1}, {"001", "003", 1}};
    DemoTable rightTable(model.dataDirectory, model.fileName("UziPrava"), schemas::uziPrava(), model.lastUpdate());
    for (const Right& r : rights)
        rightTable.begin().text("URS_KOD", r.who).text("URS_URT", r.task).number("URS_URS", r.status).end();
    rightTable.finish();
}

void writeOwner(DemoModel& model)
{
    DemoTable owner(model.dataDirectory, model.fileName("Vlastnik"), schemas::vlastnik(), model.lastUpdate());
    owner.begin()
        .text("VLA_NAC", "Železářství Brno - velkoobchod")
        .text("VLA_FIR", "Železářství Kovář a syn, s.r.o.")
        .text("VLA_ULI", "Křižíkova 1234/56")
        .text("VLA_MES", "Brno - Královo Pole")
        .text("VLA_PSC", "612 00")
        .text("VLA_ICO", "25512345")
        .text("VLA_DIC", "CZ25512345")
        .text("VLA_TEL", "+420 541 123 456")
        .text("VLA_EML", "obchod@zelezarstvi-demo.cz")
        .text("VLA_BAN", "123456789/0800")
        .number("VLA_PR1", 1)
        .number("VLA_PR2", 2)
        .text("VLA_ORG", "001")
        .end();
    owner.finish();
}

} // namespace tarvela::demo

// Logs the user in at start-up: silently by his logon name, or through the
// login dialog with a password compared in plain text, as the shared users
// table keeps it. The silent path also refuses a stock journal dated after
// today, and answers any failure by rebuilding the index files.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "data/rights/CurrentUser.h"
#include "platform/Date.h"

namespace tarvela {

class TData;

struct LoginAnswer {
    std::string name;
    std::string password;
};

// Shows the login dialog; nothing when it was not closed with OK.
using AskLogin = std::function<std::optional<LoginAnswer>()>;

enum class LoginOutcome { LoggedIn, NotLoggedIn, EndProgram };

class Login {
public:
    Login(TData& data, AskLogin askLogin, std::string logonName, DayNumber today);

    // Runs the login; fills `user` on success. The caller ends the program
    // on EndProgram; NotLoggedIn means start-up goes on without a user.
    LoginOutcome run(CurrentUser& user);

private:
    LoginOutcome runByDialog(CurrentUser& user);
    LoginOutcome runByLogonName(CurrentUser& user);
    LoginOutcome checkJournalDate();
    // Positions the open users table on the login name.
    bool findUser(const std::string& loginName, CurrentUser& user);

    TData& data_;
    AskLogin askLogin_;
    std::string logonName_;
    DayNumber today_;
};

// The logon name as it is looked up: trimmed, at most 10 characters, upper case.
std::string loginNameOf(const std::string& logonName);

} // namespace tarvela

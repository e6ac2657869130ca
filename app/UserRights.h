// Answers whether the logged-in user may perform a task: his own row in the
// rights table first, then his group's row; no row means no. The rights
// table stays open (tag "URT") after a check and is closed with this object.
#pragma once

#include <string>

#include "app/CurrentUser.h"

namespace tarvela {

class TData;

class UserRights {
public:
    UserRights(TData& data, CurrentUser user);
    ~UserRights();
    UserRights(const UserRights&) = delete;
    UserRights& operator=(const UserRights&) = delete;

    const CurrentUser& currentUser() const { return user_; }
    // taskCode: 3 characters, e.g. "004".
    bool HasRight(const std::string& taskCode);

private:
    void openRights();
    // The row's answer, or nothing when there is no row for the code.
    std::string rightsIndexFile() const;
    int findStatus(const std::string& taskCode, const std::string& code, bool& found);

    TData& data_;
    CurrentUser user_;
};

} // namespace tarvela

// Answers whether the logged-in user may perform a task: his own row in the
// rights table first, then his group's row; no row means no. The rights
// table stays open (tag "URT") after a check and is closed with this object.
#pragma once

#include <string>

#include "data/rights/CurrentUser.h"

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
    TData& data_;
    CurrentUser user_;
};

// The answer for a user or group code and the group code beside it (the
// same code twice for a group): the code's own row, then the group's row.
bool rightOf(TData& data, const std::string& taskCode, const std::string& code, const std::string& group);

} // namespace tarvela

// Rules of the shared user list that the sibling system does not keep: a
// user's code and his login name (compared in upper case) belong to him
// alone, and a group is deleted only while no user belongs to it, together
// with its rows in the rights table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvela {

class TData;

struct UserConflict {
    bool ofCode;          // the code is taken, else the login name
    std::string message;  // for the user
};

// Why a user with this code and login name cannot be stored, or nothing
// when he can. ownRecord is the record being changed, 0 for a new user; his
// own row does not count. Reads Uzivatele through a handle of its own.
std::optional<UserConflict> userConflict(TData& data, const std::string& code, const std::string& loginName,
                         std::uint32_t ownRecord);

// A group of exactly this code (not trimmed) exists in the open UzivSkup.
bool groupExists(TData& data, const std::string& code);

// Deletes the group UzivSkup stands on and its rights rows. Throws Error
// when a user belongs to it; false when its record stayed locked.
bool deleteGroup(TData& data);

} // namespace tarvela

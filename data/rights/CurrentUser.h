// The user logged in for this run: filled once at start-up, never changed.
// Empty when the users table was not reachable.
#pragma once

#include <string>

namespace tarvela {

struct CurrentUser {
    std::string FullName;  // USR_NAC
    std::string Code;      // USR_KOD
    std::string Group;     // USR_GRP
};

} // namespace tarvela

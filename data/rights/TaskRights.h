// The rights of one user or one user group, task by task, as the rights
// window shows and changes them. A user's own row in UziPrava overrides his
// group's row; a group has only its own rows. Changing and deriving need the
// logged-in user's right "003"; without it they do nothing.
#pragma once

#include <string>
#include <vector>

namespace tarvela {

class TData;
class UserRights;

inline const char* const kRightFromUser = "Uživatel";
inline const char* const kRightFromGroup = "Skupina";
inline const char* const kRightAllowed = "Ano";
inline const char* const kRightDenied = "Ne";
inline const char* const kChangeRightsTask = "003";
inline const char* const kManageUsersTask = "004";

// Whose rights the window shows; its opener knows, the codes cannot tell.
enum class RightsHolder { User, Group };

struct TaskRight {
    std::string KodUlohy;    // URT_KOD
    std::string NazevUlohy;  // URT_NAC
    std::string Zdroj;       // kRightFromUser or kRightFromGroup
    std::string Stav;        // kRightAllowed or kRightDenied: what HasRight answers
};

class TaskRights {
public:
    // User mode: the user's code and his group's code; group mode: the
    // group's code as both.
    TaskRights(TData& data, UserRights& current, RightsHolder holder, std::string code, std::string group);

    bool isGroupMode() const { return holder_ == RightsHolder::Group; }
    bool mayChange();
    // One row per task of UziPopPrav, in its stored order.
    std::vector<TaskRight> rows();
    // The row of one task.
    TaskRight taskRight(const std::string& taskCode, const std::string& taskName);
    // Turns the task's effective right over into the code's own row.
    // False when nothing was written (no right, or the row stayed locked).
    bool change(const std::string& taskCode);
    // User mode: deletes the user's own row, so the group's right applies.
    // Throws Error "Nelze měnit odvozená práva" when he has none; false when
    // nothing was done (group mode, no right, the row stayed locked).
    bool deriveFromGroup(const std::string& taskCode);

private:
    bool effectiveRight(const std::string& taskCode, std::string* source);

    TData& data_;
    UserRights& current_;
    RightsHolder holder_;
    std::string code_;
    std::string group_;
};

} // namespace tarvela

#include "data/rights/TaskRights.h"

#include "data/company/TData.h"
#include "data/rights/RightsTable.h"
#include "data/rights/UserRights.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/Error.h"
#include "platform/Text.h"

namespace tarvela {

TaskRights::TaskRights(TData& data, UserRights& current, RightsHolder holder, std::string code,
                       std::string group)
    : data_(data), current_(current), holder_(holder), code_(rightsCode(std::move(code))),
      group_(rightsCode(std::move(group)))
{
}

bool TaskRights::mayChange()
{
    return current_.HasRight(kChangeRightsTask);
}

bool TaskRights::effectiveRight(const std::string& taskCode, std::string* source)
{
    const auto own = isGroupMode() ? std::nullopt : rightStatus(data_, taskCode, code_);
    if (source != nullptr)
        *source = own ? kRightFromUser : kRightFromGroup;
    if (own)
        return *own > 0;
    return rightOf(data_, taskCode, group_, group_);
}

std::vector<TaskRight> TaskRights::rows()
{
    std::vector<TaskRight> rows;
    DbfTable& tasks = data_.UziPopPrav;
    ScopedTableOpen opened(tasks);
    for (tasks.first(); !tasks.eof(); tasks.next()) {
        rows.push_back(taskRight(withoutTrailingBlanks(tasks.asString("URT_KOD")),
                                 withoutTrailingBlanks(tasks.asString("URT_NAC"))));
    }
    return rows;
}

TaskRight TaskRights::taskRight(const std::string& taskCode, const std::string& taskName)
{
    TaskRight row {taskCode, taskName, {}, {}};
    row.Stav = effectiveRight(taskCode, &row.Zdroj) ? kRightAllowed : kRightDenied;
    return row;
}

bool TaskRights::change(const std::string& taskCode)
{
    if (!mayChange())
        return false;
    return writeRight(data_, taskCode, code_, !effectiveRight(taskCode, nullptr));
}

bool TaskRights::deriveFromGroup(const std::string& taskCode)
{
    if (isGroupMode() || !mayChange())
        return false;
    if (!rightStatus(data_, taskCode, code_))
        throw Error("Nelze měnit odvozená práva");
    return removeRight(data_, taskCode, code_);
}

} // namespace tarvela

// The rights window of one user (user mode) or one user group (group mode),
// the mode given by its opener: every task of UziPopPrav with where its
// right comes from and whether it is allowed, as HasRight answers it. F4
// turns the current task's right over, Delete lets a user's task follow his
// group again; both need the right "003". The rows are read again whenever
// the window becomes active; the task the user chose stays selected. The
// window opens UziPopPrav for its lifetime unless it is open already.
#pragma once

#include <memory>
#include <string>

#include "data/rights/TaskRights.h"
#include "gui/ListWindow.h"

namespace tarvela {

class ScopedTableOpen;
class TData;
class UserRights;

class TPrehledPravUzi : public ListWindow {
    Q_OBJECT
public:
    // Group mode: the group's code as both codes.
    TPrehledPravUzi(QWidget* owner, TData& data, UserRights& rights, RightsHolder holder, const std::string& code,
                    const std::string& group);
    ~TPrehledPravUzi() override;

    void changeRight();
    void deriveFromGroup();

private:
    // The task of the current row; empty without one.
    std::string currentTask();
    // The right of the task the table stands on, as the row shows it.
    TaskRight shownRight(const DbfTable& tasks);

    TData& data_;
    TaskRights rights_;
    std::unique_ptr<ScopedTableOpen> tasks_;
};

} // namespace tarvela

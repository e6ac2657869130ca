// The rights window of one user (user mode) or one user group (group mode):
// every task with where its right comes from and whether it is allowed, as
// HasRight answers it. F4 turns the current task's right over, Delete lets a
// user's task follow his group again; both need the right "003". The rows
// are read again whenever the window becomes active; the task the user chose
// stays selected.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "data/rights/TaskRights.h"

class QStandardItemModel;
class QTableView;

namespace tarvela {

class GridPanel;
class TData;
class UserRights;

class TPrehledPravUzi : public QDialog {
    Q_OBJECT
public:
    // Group mode: the group's code as both codes.
    TPrehledPravUzi(QWidget* owner, TData& data, UserRights& rights, RightsHolder holder, const std::string& code,
                    const std::string& group);
    ~TPrehledPravUzi() override;

    QTableView& grid() const { return *grid_; }
    void changeRight();
    void deriveFromGroup();

protected:
    bool event(QEvent* event) override;

private:
    // The task of the current row; empty without one.
    std::string currentTask() const;
    void showRows(const std::string& selectedTask);

    TData& data_;
    TaskRights rights_;
    QStandardItemModel* rows_;
    QTableView* grid_;
    std::unique_ptr<GridPanel> panel_;
};

} // namespace tarvela

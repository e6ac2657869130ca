// The main window: menu, toolbar of three picture buttons, status bar. It
// starts every screen and report, each a modal window at a fixed offset from
// its top-left corner, and holds the single-instance guard, the always-on-top
// switch and the snapping to the work area's edges. Closing it ends the run.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "commission/ReportRuns.h"

class QAction;

namespace tarvela {

class AlwaysOnTop;
class ReportCommands;
class SingleInstance;
class StatusPanes;
class DbfTable;
class MemTable;
class TData;
class UserRights;

class TZakladni : public QMainWindow {
    Q_OBJECT
public:
    TZakladni(TData& data, UserRights& rights, ReportRuns runs);
    ~TZakladni() override;

    // Runs the guard; true when this copy handed over to a running one and
    // must end without showing the window.
    bool Loaded(const QString& executableName, const QStringList& parameters);

    StatusPanes& statusPanes() const { return *panes_; }
    AlwaysOnTop& alwaysOnTop() const { return *onTop_; }
    // The menu item of that caption, for the shortcuts and tests.
    QAction* menuAction(const QString& caption) const;

    void salesmenList();
    void FakturyShow();
    void DobropisyShow();
    void stockMovements();
    void usersList();
    void groupsList();
    void deviceSettings();

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    void buildMenu();
    void buildToolbar();
    void showTitleAndUser(const UserRights& rights);
    void reindex();
    // Runs a command; a failure is shown to the user and the window stays usable.
    void guarded(const std::function<void()>& command);
    QAction* addCommand(QMenu& menu, const QString& caption, const std::function<void()>& command);

    TData& data_;
    UserRights& rights_;
    StatusPanes* panes_;
    AlwaysOnTop* onTop_;
    std::function<MemTable&(const DbfTable&, DocumentKind)> commissionItems_;
    ReportCommands* reports_;
    std::unique_ptr<SingleInstance> guard_;
    bool snapping_ = false;
};

} // namespace tarvela

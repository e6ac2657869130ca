#include "screens/users/TPrehledSkupUziv.h"

#include <QTableView>

#include "data/company/TData.h"
#include "data/rights/TaskRights.h"
#include "data/rights/UserAccounts.h"
#include "data/rights/UserRights.h"
#include "gui/ColumnFit.h"
#include "gui/WindowPlacement.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "screens/users/TPrehledPravUzi.h"

namespace tarvela {

TPrehledSkupUziv::TPrehledSkupUziv(QWidget* owner, TData& data, UserRights& rights)
    : CodeListWindow(owner, data, data.UzivSkup,
                     {{"UGR_KOD", QStringLiteral("Kód")}, {"UGR_NAC", QStringLiteral("Název uživ. skup.")}},
                     {GridStep::Previous, GridStep::Next}),
      rights_(rights)
{
    setWindowTitle(QStringLiteral("Přehled skupin uživatelů"));
    setFixedSize(243, 136);
    panel().addCommand(QStringLiteral("F10 Práva"), Qt::Key_F10, [this] { showRights(); });
    panel().addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { deleteGroup(); });
    fitColumnWidths(grid(), {29, 177}, 1, width() - 2);
}

void TPrehledSkupUziv::showRights()
{
    if (!followGrid())
        return;
    const std::string group = withoutTrailingBlanks(table_.asString("UGR_KOD"));
    TPrehledPravUzi window(this, data_, rights_, group, group);
    placeAt(window, *this, -40, 50);
    window.exec();
    grid().setFocus();
}

void TPrehledSkupUziv::deleteGroup()
{
    if (!rights_.HasRight(kManageUsersTask) || !confirmDelete())
        return;
    try {
        tarvela::deleteGroup(data_);
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    refreshRows();
}

} // namespace tarvela

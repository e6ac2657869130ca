#include "screens/users/TPrehledSkupUziv.h"

#include "data/company/TData.h"
#include "data/rights/TaskRights.h"
#include "data/rights/UserAccounts.h"
#include "data/rights/UserRights.h"
#include "gui/RecordNavigator.h"
#include "gui/RowEditing.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "screens/users/TPrehledPravUzi.h"

namespace tarvela {

TPrehledSkupUziv::TPrehledSkupUziv(QWidget* owner, TData& data, UserRights& rights)
    : ListWindow(owner, data.ui(), data.UzivSkup,
                 {{"UGR_KOD", QStringLiteral("Kód"), 29}, {"UGR_NAC", QStringLiteral("Název uživ. skup."), 177}}),
      data_(data), rights_(rights)
{
    setWindowTitle(QStringLiteral("Přehled skupin uživatelů"));
    setFixedSize(243, 136);
    layOut({{QStringLiteral("F10 Práva"), Qt::Key_F10, [this] { showRights(); }}},
           {.margin = 4, .commandsAtRight = true, .navigator = RecordNavigator::Buttons::PriorNext});
    addKey(QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { deleteGroup(); });
    browser().showTableRecord();
}

void TPrehledSkupUziv::showRights()
{
    if (browser().isEmpty())
        return;
    browser().standOnCurrent();
    const std::string group = withoutTrailingBlanks(data_.UzivSkup.asString("UGR_KOD"));
    TPrehledPravUzi window(this, data_, rights_, RightsHolder::Group, group, group);
    placeAt(window, *this, -40, 50);
    window.exec();
    browser().setFocus();
}

void TPrehledSkupUziv::deleteGroup()
{
    if (!rights_.HasRight(kManageUsersTask) || !confirmDeleteCurrentRow(*this, browser()))
        return;
    browser().standOnCurrent();
    try {
        tarvela::deleteGroup(data_);
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    browser().refresh();
}

} // namespace tarvela

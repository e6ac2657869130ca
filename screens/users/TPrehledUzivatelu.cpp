#include "screens/users/TPrehledUzivatelu.h"

#include <QPushButton>
#include <QTableView>

#include "data/company/TData.h"
#include "data/rights/TaskRights.h"
#include "data/rights/UserRights.h"
#include "gui/ColumnFit.h"
#include "gui/WindowPlacement.h"
#include "platform/Text.h"
#include "screens/users/TPrehledPravUzi.h"
#include "screens/users/TUsrPolEdit.h"

namespace tarvela {

TPrehledUzivatelu::TPrehledUzivatelu(QWidget* owner, TData& data, UserRights& rights)
    : CodeListWindow(owner, data, data.Uzivatele,
                     {{"USR_KOD", QStringLiteral("Kód")},
                      {"USR_GRP", QStringLiteral("Skup.")},
                      {"USR_NAC", QStringLiteral("Příjmení, jméno,tit.")},
                      {"USR_LNA", QStringLiteral("Přihl.jméno")},
                      {"USR_INI", QStringLiteral("Inic.")}},
                     {GridStep::First, GridStep::Previous, GridStep::Next, GridStep::Last}),
      rights_(rights)
{
    setWindowTitle(QStringLiteral("Přehled uživatelů"));
    setFixedSize(371, 190);
    panel().addCommand(QStringLiteral("F10 Práva"), Qt::Key_F10, [this] { showRights(); });
    QPushButton* change = panel().addCommand(QStringLiteral("F4 Oprava"), Qt::Key_F4, [this] { changeUser(); });
    QPushButton* add = panel().addCommand(QStringLiteral("F2 Nový"), Qt::Key_F2, [this] { newUser(); });
    const bool manages = rights_.HasRight(kManageUsersTask);
    change->setEnabled(manages);
    add->setEnabled(manages);
    fitColumnWidths(grid(), {32, 0, 183, 0, 64}, 2, width() - 2);
}

bool TPrehledUzivatelu::runForm(bool isNew)
{
    TUsrPolEdit form(this, data_, rights_, isNew);
    form.refreshFields();
    placeAt(form, *this, 70, 30);
    return form.exec() == QDialog::Accepted;
}

void TPrehledUzivatelu::newUser()
{
    if (rights_.HasRight(kManageUsersTask))
        editInForm(true, [this] { return runForm(true); });
}

void TPrehledUzivatelu::changeUser()
{
    if (rights_.HasRight(kManageUsersTask))
        editInForm(false, [this] { return runForm(false); });
}

void TPrehledUzivatelu::showRights()
{
    if (!followGrid())
        return;
    TPrehledPravUzi window(this, data_, rights_, withoutTrailingBlanks(table_.asString("USR_KOD")),
                           withoutTrailingBlanks(table_.asString("USR_GRP")));
    placeAt(window, *this, -40, 50);
    window.exec();
    grid().setFocus();
}

} // namespace tarvela

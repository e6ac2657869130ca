#include "screens/users/TPrehledUzivatelu.h"

#include <QPushButton>

#include "data/company/TData.h"
#include "data/rights/TaskRights.h"
#include "data/rights/UserRights.h"
#include "gui/CommandButton.h"
#include "gui/RowEditing.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"
#include "platform/Text.h"
#include "screens/users/TPrehledPravUzi.h"
#include "screens/users/TUsrPolEdit.h"

namespace tarvela {

TPrehledUzivatelu::TPrehledUzivatelu(QWidget* owner, TData& data, UserRights& rights)
    : ListWindow(owner, data.ui(), data.Uzivatele,
                 {{"USR_KOD", QStringLiteral("Kód"), 32},
                  {"USR_GRP", QStringLiteral("Skup."), 36},
                  {"USR_NAC", QStringLiteral("Příjmení, jméno,tit."), 183},
                  {"USR_LNA", QStringLiteral("Přihl.jméno")},
                  {"USR_INI", QStringLiteral("Inic."), 64}}),
      data_(data), rights_(rights)
{
    setWindowTitle(QStringLiteral("Přehled uživatelů"));
    setFixedSize(371, 190);
    layOut({{QStringLiteral("F10 Práva"), Qt::Key_F10, [this] { showRights(); }},
            {QStringLiteral("F4 Oprava"), Qt::Key_F4, [this] { changeUser(); }},
            {QStringLiteral("F2 Nový"), Qt::Key_F2, [this] { newUser(); }}},
           {.margin = 4, .commandsAtRight = true});
    const bool manages = rights_.HasRight(kManageUsersTask);
    for (const QString& caption : {QStringLiteral("F4 Oprava"), QStringLiteral("F2 Nový")})
        buttonOf(*this, caption)->setEnabled(manages);
    browser().showTableRecord();
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
    if (!rights_.HasRight(kManageUsersTask))
        return;
    if (appendFromForm(data_.Uzivatele, data_.ui(), [] {}, [this] { return runForm(true); }))
        browser().showTableRecord();
    else
        browser().refresh();
    browser().setFocus();
}

void TPrehledUzivatelu::changeUser()
{
    if (!rights_.HasRight(kManageUsersTask))
        return;
    changeCurrentRow(browser(), data_.Uzivatele, data_.ui(), [] {}, [this] { return runForm(false); });
    browser().refresh();
    browser().setFocus();
}

void TPrehledUzivatelu::showRights()
{
    if (browser().isEmpty())
        return;
    browser().standOnCurrent();
    TPrehledPravUzi window(this, data_, rights_, RightsHolder::User,
                           withoutTrailingBlanks(data_.Uzivatele.asString("USR_KOD")),
                           withoutTrailingBlanks(data_.Uzivatele.asString("USR_GRP")));
    placeAt(window, *this, -40, 50);
    window.exec();
    browser().setFocus();
}

} // namespace tarvela

#include "screens/salesmen/TPrehledObchZas.h"

#include <QTableView>

#include "data/company/TData.h"
#include "data/table/LockRecordWithRetry.h"
#include "gui/ColumnFit.h"
#include "gui/WindowPlacement.h"
#include "platform/Error.h"
#include "screens/cards/TPrehledProvKarta.h"
#include "screens/salesmen/TObchEditForm.h"

namespace tarvela {

TPrehledObchZas::TPrehledObchZas(QWidget* owner, TData& data)
    : CodeListWindow(owner, data, data.Obchodnici,
                     {{"OBC_KOD", QStringLiteral("Kód")},
                      {"OBC_NAC", QStringLiteral("Název obchodníka")},
                      {"OBC_LIM", QStringLiteral("Lim.sl. %")},
                      {"OBC_KRA", QStringLiteral("Koe.kr.pr.")},
                      {"OBC_SPL", QStringLiteral("Lim.spl.")}},
                     {GridStep::First, GridStep::Previous, GridStep::Next, GridStep::Last})
{
    setWindowTitle(QStringLiteral("Přehled obchodních zástupců"));
    resize(414, 230);
    panel().addCommand(QStringLiteral("F9 Karty"), Qt::Key_F9, [this] { showCards(); });
    panel().addCommand(QStringLiteral("F4 Oprava"), Qt::Key_F4, [this] { changeSalesman(); });
    panel().addCommand(QStringLiteral("F2 Nový"), Qt::Key_F2, [this] { newSalesman(); });
    panel().addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { deleteSalesman(); });
    fitColumnWidths(grid(), {40, 170}, 1, width() - 2);
}

bool TPrehledObchZas::runForm(bool isNew)
{
    TObchEditForm form(this, data_, isNew);
    form.refreshFields();
    placeAt(form, *this, 40, 30);
    return form.exec() == QDialog::Accepted;
}

void TPrehledObchZas::newSalesman()
{
    editInForm(true, [this] { return runForm(true); });
}

void TPrehledObchZas::changeSalesman()
{
    editInForm(false, [this] { return runForm(false); });
}

void TPrehledObchZas::deleteSalesman()
{
    if (!confirmDelete())
        return;
    try {
        if (LockRecordWithRetry(table_, data_.ui())) {
            table_.deleteRecord();
            table_.unlockRecord();
        }
    } catch (const Error& error) {
        table_.unlockRecord();
        data_.ui().showMessage(error.what());
    }
    refreshRows();
}

void TPrehledObchZas::showCards()
{
    if (followGrid())
        TPrehledProvKarta::showFor(*this, data_, data_.Obchodnici.asString("OBC_KOD"));
    grid().setFocus();
}

} // namespace tarvela

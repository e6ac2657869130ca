#include "screens/salesmen/TPrehledObchZas.h"

#include "data/company/TData.h"
#include "gui/RowEditing.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"
#include "screens/cards/TPrehledProvKarta.h"
#include "screens/salesmen/TObchEditForm.h"

namespace tarvela {

TPrehledObchZas::TPrehledObchZas(QWidget* owner, TData& data)
    : ListWindow(owner, data.ui(), data.Obchodnici,
                 {{"OBC_KOD", QStringLiteral("Kód"), 40},
                  {"OBC_NAC", QStringLiteral("Název obchodníka"), 170},
                  {"OBC_LIM", QStringLiteral("Lim.sl. %")},
                  {"OBC_KRA", QStringLiteral("Koe.kr.pr.")},
                  {"OBC_SPL", QStringLiteral("Lim.spl.")}}),
      data_(data)
{
    setWindowTitle(QStringLiteral("Přehled obchodních zástupců"));
    resize(414, 230);
    layOut({{QStringLiteral("F9 Karty"), Qt::Key_F9, [this] { showCards(); }},
            {QStringLiteral("F4 Oprava"), Qt::Key_F4, [this] { changeSalesman(); }},
            {QStringLiteral("F2 Nový"), Qt::Key_F2, [this] { newSalesman(); }}},
           {.margin = 4, .commandsAtRight = true});
    addKey(QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { deleteSalesman(); });
    browser().showTableRecord();
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
    if (appendFromForm(data_.Obchodnici, data_.ui(), [] {}, [this] { return runForm(true); }))
        browser().showTableRecord();
    else
        browser().refresh();
    browser().setFocus();
}

void TPrehledObchZas::changeSalesman()
{
    changeCurrentRow(browser(), data_.Obchodnici, data_.ui(), [] {}, [this] { return runForm(false); });
    browser().refresh();
    browser().setFocus();
}

void TPrehledObchZas::deleteSalesman()
{
    if (deleteCurrentRow(*this, browser(), data_.Obchodnici, data_.ui()))
        browser().refresh();
}

void TPrehledObchZas::showCards()
{
    if (!browser().isEmpty()) {
        browser().standOnCurrent();
        TPrehledProvKarta::showFor(*this, data_, data_.Obchodnici.asString("OBC_KOD"));
    }
    browser().setFocus();
}

} // namespace tarvela

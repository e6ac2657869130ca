#include "screens/commission/TProvDelPrehl.h"

#include <QTableView>

#include "data/company/TData.h"
#include "data/documents/DocumentRows.h"
#include "data/documents/SplitRow.h"
#include "gui/BrowserWindowLayout.h"
#include "gui/CommandButton.h"
#include "gui/RowEditing.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"
#include "platform/Text.h"
#include "screens/commission/TDelProvFormEdit.h"

namespace tarvela {

namespace {

// Obchodnici is small and open while the list is shown.
std::string salesmanNameOf(TData& data, const DbfTable& delProv)
{
    const std::string code = delProv.asString("DPR_OBC");
    if (!data.Obchodnici.isOpen() || trimmed(code).empty()
        || !data.Obchodnici.locate({"OBC_KOD"}, {FieldValue(code)}))
        return {};
    return withoutTrailingBlanks(data.Obchodnici.asString("OBC_NAC"));
}

} // namespace

TProvDelPrehl::TProvDelPrehl(QWidget* owner, TData& data, Mode mode)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data),
      document_((mode == CreditNoteMode ? data.Dobropisy : data.Faktury).asString("HLA_DO1")),
      browser_(new TableBrowser(
          this, data.ui(), data.DelProv,
          {{"DPR_OBN", QStringLiteral("Obchodník"), 160,
            [&data](const DbfTable& delProv) { return salesmanNameOf(data, delProv); }},
           {"DPR_PRO", {}, 0},
           {"DPR_OBR", {}, 0},
           {"DPR_TYP", QStringLiteral("Typ "), 30},
           {"DPR_PRS", {}, 0},
           {"DPR_FAK", {}, 0},
           {"DPR_OBC", {}, 0}},
          [this](const DbfTable& delProv) { return sameNumber(delProv.asString("DPR_FAK"), document_); }))
{
    setWindowTitle(QStringLiteral("Přehled rozdělení provizí "));
    setFixedSize(516, 155);
    layOutBrowserWindow(*this, *browser_,
                        {{QStringLiteral("F4 Oprava"), [this] { changeRow(); }},
                         {QStringLiteral("F2 Nový"), [this] { newRow(); }}},
                        {.commandsAtRight = true});

    addKeyCommand(*this, Qt::Key_F2, [this] { newRow(); });
    addKeyCommand(*this, Qt::Key_F4, [this] { changeRow(); });
    addKeyCommand(*this, QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { deleteRow(); });
    browser_->first();
    browser_->setFocus();
}

bool TProvDelPrehl::formAccepted()
{
    TDelProvFormEdit form(this, data_);
    form.refreshFields();
    placeAt(form, *this, 30, 40);
    return form.exec() == QDialog::Accepted;
}

void TProvDelPrehl::newRow()
{
    if (withoutTrailingBlanks(document_).empty())
        return;
    DbfTable& splits = data_.DelProv;
    if (appendFromForm(splits, data_.ui(), [&] { presetSplitRow(splits, document_); }, [this] { return formAccepted(); }))
        browser_->showTableRecord();
    else
        browser_->refresh();
    browser_->setFocus();
}

void TProvDelPrehl::changeRow()
{
    if (withoutTrailingBlanks(document_).empty())
        return;
    DbfTable& splits = data_.DelProv;
    changeCurrentRow(*browser_, splits, data_.ui(), [&] { splits.setString("DPR_FAK", document_); },
                     [this] { return formAccepted(); });
    browser_->refresh();
    browser_->setFocus();
}

void TProvDelPrehl::deleteRow()
{
    if (deleteCurrentRow(*this, *browser_, data_.DelProv, data_.ui()))
        browser_->refresh();
}

} // namespace tarvela

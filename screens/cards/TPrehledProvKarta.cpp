#include "screens/cards/TPrehledProvKarta.h"

#include <QTableView>

#include "data/company/ProductName.h"
#include "data/company/TData.h"
#include "data/documents/DocumentRows.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/BrowserWindowLayout.h"
#include "gui/CommandButton.h"
#include "gui/RowEditing.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "screens/cards/TProvizeKartaEdit.h"

namespace tarvela {

namespace {

std::string cardNameOf(TData& data, const DbfTable& cards)
{
    return productName(data.Sortiment, cards.asString("PRK_KAR"));
}

} // namespace

TPrehledProvKarta::TPrehledProvKarta(QWidget* owner, TData& data, const std::string& salesman)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data),
      salesman_(salesman),
      browser_(new TableBrowser(
          this, data.ui(), data.ProvKar,
          {{"PRO_OBC", {}, 40},
           {"PRK_KAR", {}, 60},
           {"PRK_NAC", QStringLiteral("Název"), 150, [&data](const DbfTable& cards) { return cardNameOf(data, cards); }},
           {"PRK_PRO", {}, 0}},
          [this](const DbfTable& cards) { return sameNumber(cards.asString("PRO_OBC"), salesman_); }))
{
    setWindowTitle(QStringLiteral("Přehled provizí na kartu"));
    setSizeGripEnabled(true);
    resize(365, 211);
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

void TPrehledProvKarta::showFor(QWidget& opener, TData& data, const std::string& salesman)
{
    if (withoutTrailingBlanks(salesman).empty())
        return;
    data.OpenSor(0, "KAV");
    try {
        ScopedTableOpen cards(data, data.ProvKar, "KOD");
        data.ProvKar.selectTag("KOD");
        data.ProvKar.setKeyRange(salesman + "000000", salesman + "999999");
        TPrehledProvKarta list(&opener, data, salesman);
        placeAt(list, opener, 50, 40);
        list.exec();
        data.ProvKar.clearKeyRange();
    } catch (const Error& error) {
        data.ui().showMessage(error.what());
    }
    data.CloseSor();
}

bool TPrehledProvKarta::formAccepted(bool isNew)
{
    TProvizeKartaEdit form(this, data_, isNew);
    form.refreshFields();
    placeAt(form, *this, 50, 30);
    return form.exec() == QDialog::Accepted;
}

void TPrehledProvKarta::newRow()
{
    DbfTable& cards = data_.ProvKar;
    if (appendFromForm(cards, data_.ui(), [&] { cards.setString("PRO_OBC", salesman_); },
                       [this] { return formAccepted(true); }))
        browser_->showTableRecord();
    else
        browser_->refresh();
    browser_->setFocus();
}

void TPrehledProvKarta::changeRow()
{
    changeCurrentRow(*browser_, data_.ProvKar, data_.ui(), [] {}, [this] { return formAccepted(false); });
    browser_->refresh();
    browser_->setFocus();
}

void TPrehledProvKarta::deleteRow()
{
    if (deleteCurrentRow(*this, *browser_, data_.ProvKar, data_.ui()))
        browser_->refresh();
}

} // namespace tarvela

#include "screens/commission/TPrehledTypProvize.h"

#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>

#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"

namespace tarvela {

TPrehledTypProvize::TPrehledTypProvize(QWidget* owner, TData& data)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      browser_(new TableBrowser(this, data.ui(), data.TypProvize,
                                {{"TPR_TYP", QStringLiteral("Typ"), 36}, {"TPT_NAC", QStringLiteral("Název "), 169}}))
{
    setWindowTitle(QStringLiteral("Přehled typu provize"));
    setFixedSize(223, 110);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    connect(&browser_->view(), &QTableView::doubleClicked, this, [this] {
        if (selectionMode_)
            chooseCurrent();
    });
    browser_->showTableRecord();
    browser_->setFocus();
}

void TPrehledTypProvize::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectionMode_) {
        chooseCurrent();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPrehledTypProvize::chooseCurrent()
{
    if (!browser_->isEmpty()) {
        browser_->standOnCurrent();
        accept();
    }
}

bool TPrehledTypProvize::kindExists(TData& data, const std::string& code)
{
    if (code.size() != 3)
        return false;
    ScopedTableOpen kinds(data.TypProvize);
    return data.TypProvize.locate({"TPR_TYP"}, {FieldValue(code)});
}

std::optional<std::string> TPrehledTypProvize::choose(QWidget& opener, TData& data)
{
    ScopedTableOpen kinds(data.TypProvize);
    data.TypProvize.first();
    TPrehledTypProvize list(&opener, data);
    list.setSelectionMode(true);
    placeAt(list, opener, 40, 90);
    if (list.exec() != QDialog::Accepted)
        return std::nullopt;
    return data.TypProvize.asString("TPR_TYP");
}

} // namespace tarvela

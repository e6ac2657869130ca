#include "screens/payments/TPrehledTypPlateb.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/CommandButton.h"
#include "gui/RecordNavigator.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"

namespace tarvela {

TPrehledTypPlateb::TPrehledTypPlateb(QWidget* owner, TData& data)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      browser_(new TableBrowser(this, data.ui(), data.TypPlatby,
                                {{"BPT_KOD", QStringLiteral("Kód"), 40}, {"BPT_NAC", QStringLiteral("Popis "), 0}}))
{
    setWindowTitle(QStringLiteral("Přehled typu plateb"));
    setFixedSize(240, 137);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* panel = new QHBoxLayout;
    panel->setContentsMargins(2, 2, 2, 2);
    panel->addWidget(new RecordNavigator(this, *browser_, RecordNavigator::Buttons::PriorNext));
    panel->addStretch();
    for (const QString& caption : {QStringLiteral("F4 Oprava"), QStringLiteral("F2 Nový")}) {
        panel->addWidget(commandButton(caption, this));
    }
    layout->addLayout(panel);
    layout->addWidget(browser_);
    connect(&browser_->view(), &QTableView::doubleClicked, this, [this] {
        if (selectionMode_)
            chooseCurrent();
    });
    browser_->showTableRecord();
    browser_->setFocus();
}

void TPrehledTypPlateb::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectionMode_) {
        chooseCurrent();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPrehledTypPlateb::chooseCurrent()
{
    if (!browser_->isEmpty()) {
        browser_->standOnCurrent();
        accept();
    }
}

bool TPrehledTypPlateb::typeExists(TData& data, const std::string& code)
{
    if (code.size() != 3)
        return false;
    ScopedTableOpen types(data.TypPlatby);
    return data.TypPlatby.locate({"BPT_KOD"}, {FieldValue(code)});
}

std::optional<std::string> TPrehledTypPlateb::choose(QWidget& opener, TData& data)
{
    ScopedTableOpen types(data.TypPlatby);
    data.TypPlatby.first();
    TPrehledTypPlateb list(&opener, data);
    list.setSelectionMode(true);
    placeAt(list, opener, 40, 45);
    if (list.exec() != QDialog::Accepted)
        return std::nullopt;
    return data.TypPlatby.asString("BPT_KOD");
}

} // namespace tarvela

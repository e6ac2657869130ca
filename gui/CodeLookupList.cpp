#include "gui/CodeLookupList.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "data/table/DbfTable.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/CommandButton.h"
#include "gui/RecordNavigator.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"

namespace tarvela {

CodeLookupList::CodeLookupList(QWidget* owner, Ui& ui, DbfTable& table, const Shape& shape)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      table_(table), codeField_(shape.columns.front().field), browser_(new TableBrowser(this, ui, table, shape.columns))
{
    setWindowTitle(shape.title);
    setFixedSize(shape.size);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (shape.withPanel) {
        layout->setSpacing(0);
        auto* panel = new QHBoxLayout;
        panel->setContentsMargins(2, 2, 2, 2);
        panel->addWidget(new RecordNavigator(this, *browser_, RecordNavigator::Buttons::PriorNext));
        panel->addStretch();
        for (const QString& caption : {QStringLiteral("F4 Oprava"), QStringLiteral("F2 Nový")})
            panel->addWidget(commandButton(caption, this));
        layout->addLayout(panel);
    }
    layout->addWidget(browser_);
    connect(&browser_->view(), &QTableView::doubleClicked, this, [this] {
        if (selectionMode_)
            chooseCurrent();
    });
    browser_->showTableRecord();
    browser_->setFocus();
}

void CodeLookupList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectionMode_) {
        chooseCurrent();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CodeLookupList::chooseCurrent()
{
    if (!browser_->isEmpty()) {
        browser_->standOnCurrent();
        accept();
    }
}

bool CodeLookupList::codeExists(DbfTable& table, const std::string& codeField, const std::string& code)
{
    if (code.size() != 3)
        return false;
    ScopedTableOpen open(table);
    return table.locate({codeField}, {FieldValue(code)});
}

std::optional<std::string> CodeLookupList::chooseAt(QWidget& opener, QPoint offset)
{
    setSelectionMode(true);
    placeAt(*this, opener, offset.x(), offset.y());
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return table_.asString(codeField_);
}

} // namespace tarvela

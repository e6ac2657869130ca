#include "gui/ListWindow.h"

#include <QKeyEvent>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/CommandButton.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"

namespace tarvela {

ListWindow::ListWindow(QWidget* owner, Ui& ui, DbfTable& table, std::vector<BrowserColumn> columns)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      browser_(new TableBrowser(this, ui, table, std::move(columns)))
{
    connect(&browser_->view(), &QTableView::doubleClicked, this, [this] {
        if (selectionMode_)
            chooseCurrent();
    });
    browser_->setFocus();
}

QTableView& ListWindow::grid() const
{
    return browser_->view();
}

void ListWindow::layOut(const std::vector<Command>& commands, const BrowserPanelLook& look)
{
    std::vector<WindowCommand> buttons;
    for (const Command& command : commands) {
        buttons.push_back({command.caption, command.run});
        if (!command.keys.isEmpty() && command.run)
            addKey(command.keys, command.run);
    }
    layOutBrowserWindow(*this, *browser_, buttons, look);
}

void ListWindow::layOutGridOnly()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void ListWindow::addKey(const QKeySequence& keys, std::function<void()> run)
{
    addKeyCommand(*this, keys, std::move(run));
}

void ListWindow::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectionMode_) {
        chooseCurrent();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ListWindow::chooseCurrent()
{
    if (!browser_->isEmpty()) {
        browser_->standOnCurrent();
        accept();
    }
}

bool ListWindow::showForChoice(QWidget& opener, QPoint offset)
{
    setSelectionMode(true);
    placeAt(*this, opener, offset.x(), offset.y());
    return exec() == QDialog::Accepted;
}

} // namespace tarvela

#include "screens/products/TPrehledSortimentu.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QTableView>

#include "data/company/TData.h"
#include "gui/BrowserWindowLayout.h"
#include "gui/CommandButton.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"
#include "screens/products/TSorHle.h"

namespace tarvela {

TPrehledSortimentu::TPrehledSortimentu(QWidget* owner, TData& data)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data),
      browser_(new TableBrowser(this, data.ui(), data.Sortiment,
                                {{"SOR_KAV", {}, 0},
                                 {"SOR_NAC", {}, 0},
                                 {"SOR_PC1", {}, 0},
                                 {"SOR_STA", {}, 0},
                                 {"SOR_DAN", {}, 0},
                                 {"SOR_SKL", {}, 0},
                                 {"SOR_OLD", {}, 0},
                                 {"SOR_SKU", {}, 0}}))
{
    setWindowTitle(QStringLiteral("Přehled položek sortimentu"));
    setSizeGripEnabled(true);
    resize(463, 223);
    QVBoxLayout* layout = layOutBrowserWindow(*this, *browser_, {{QStringLiteral("F5 Hledej"), [this] { search(); }}});
    layout->addWidget(new QStatusBar(this));
    addKeyCommand(*this, Qt::Key_F5, [this] { search(); });
    connect(&browser_->view(), &QTableView::doubleClicked, this, [this] {
        if (selectionMode_)
            chooseCurrent();
    });
    browser_->showTableRecord();
    browser_->setFocus();
}

void TPrehledSortimentu::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && selectionMode_) {
        chooseCurrent();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPrehledSortimentu::chooseCurrent()
{
    if (!browser_->isEmpty()) {
        browser_->standOnCurrent();
        accept();
    }
}

void TPrehledSortimentu::search()
{
    TSorHle dialog(this, data_);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    if (dialog.exec() == QDialog::Accepted)
        browser_->showTableRecord();
    browser_->setFocus();
}

bool TPrehledSortimentu::choose(QWidget* opener, TData& data)
{
    TPrehledSortimentu list(opener, data);
    list.setSelectionMode(true);
    list.move(data.lastBrowserLeft + 50, data.lastBrowserTop + 102);
    return list.exec() == QDialog::Accepted;
}

} // namespace tarvela

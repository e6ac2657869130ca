#include "screens/stock/TPrehledPohybu.h"

#include "data/company/TData.h"
#include "gui/BrowserWindowLayout.h"
#include "gui/CommandButton.h"
#include "gui/OuterHeight.h"
#include "gui/TableBrowser.h"
#include "screens/stock/TPohybyHledej.h"

namespace tarvela {

namespace {

constexpr int kHeightCode = 12;  // PohHeight
constexpr int kDefaultHeight = 361;

} // namespace

TPrehledPohybu::TPrehledPohybu(QWidget* owner, TData& data)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      data_(data),
      browser_(new TableBrowser(this, data.ui(), data.Denik,
                                {{"DEN_DAT", {}, 0},
                                 {"DEN_KDY", {}, 0},
                                 {"DEN_KAV", {}, 0},
                                 {"DEN_IND", {}, 0},
                                 {"DEN_DOK", {}, 0},
                                 {"DEN_OPE", {}, 0},
                                 {"DEN_KUS", {}, 0},
                                 {"DEN_HNC", {}, 0},
                                 {"DEN_HPC", {}, 0},
                                 {"DEN_DAN", {}, 0},
                                 {"DEN_REF", {}, 0},
                                 {"DEN_ZAS", {}, 0}}))
{
    setWindowTitle(QStringLiteral("Přehled pohybů skladu"));
    setSizeGripEnabled(true);
    height_ = new OuterHeight(*this, 430, data.GetIniWinHigh(kHeightCode), kDefaultHeight);
    layOutBrowserWindow(*this, *browser_, {{QStringLiteral("F5 Hledej"), [this] { search(); }}},
                        {.margin = 4, .navigatorGap = 12});
    addKeyCommand(*this, Qt::Key_F5, [this] { search(); });
    browser_->last();
    browser_->setFocus();
}

void TPrehledPohybu::search()
{
    if (data_.Denik.isOpen()) {
        TPohybyHledej dialog(this, data_);
        dialog.move(geometry().center() - dialog.rect().center());
        if (dialog.exec() == QDialog::Accepted)
            browser_->showTableRecord();
    }
    browser_->setFocus();
}

void TPrehledPohybu::done(int result)
{
    data_.SeTIniWinHigh(kHeightCode, height_->current());
    QDialog::done(result);
}

} // namespace tarvela

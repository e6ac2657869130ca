#include "screens/invoices/TFakturyPrehled.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "data/company/TData.h"
#include "data/documents/InvoiceTint.h"
#include "data/table/LockRecordWithRetry.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/BrowserStatusBar.h"
#include "gui/CommandButton.h"
#include "gui/NotAvailable.h"
#include "gui/RecordNavigator.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "screens/invoices/TFakDoplForm.h"
#include "screens/invoices/TFakHle.h"
#include "screens/payments/TPrehledUhrad.h"

namespace tarvela {

namespace {

constexpr int kHeightCode = 1;  // FakHeight
constexpr int kDefaultHeight = 361;

std::vector<BrowserColumn> invoiceColumns()
{
    std::vector<BrowserColumn> columns;
    for (const char* field : {"HLA_DAT", "HLA_DO1", "HLA_NAC", "HLA_OBC", "HLA_CUH", "HLA_BPL", "HLA_DSP",
                              "HLA_BDP", "HLA_SBD", "HLA_FHV", "HLA_DVS", "HLA_DZP", "HLA_PCA", "HLA_DO2",
                              "HLA_DO3", "HLA_NCA", "HLA_ODB", "HLA_ODP", "HLA_FUH", "HLA_FDO", "HLA_Z00",
                              "HLA_Z05", "HLA_Z22", "HLA_D05", "HLA_D22", "HLA_PLA", "HLA_EDT", "HLA_PRN",
                              "HLA_REF", "HLA_CEN", "HLA_SLE", "HLA_TSK", "HLA_DO4"})
        columns.push_back({field, {}, std::string_view(field) == "HLA_NAC" ? 198 : 0});
    return columns;
}

QColor tintColour(InvoiceTint tint)
{
    switch (tint) {
    case InvoiceTint::Overdue: return Qt::red;
    case InvoiceTint::Unpaid: return QColor(0, 0, 128);
    default: return {};
    }
}

} // namespace

TFakturyPrehled::TFakturyPrehled(QWidget* owner, TData& data)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint),
      data_(data),
      browser_(new TableBrowser(this, data.ui(), data.Faktury, invoiceColumns()))
{
    setWindowTitle(QStringLiteral("Přehled vydaných faktur"));
    setSizeGripEnabled(true);
    const int height = data.GetIniWinHigh(kHeightCode);
    resize(663, height > 0 ? height : kDefaultHeight);
    browser_->setRowColour([](const DbfTable& invoices) { return tintColour(invoiceTintOf(invoices, today())); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* menu = new QMenuBar(this);
    QMenu* documents = menu->addMenu(QStringLiteral("Doklady"));
    connect(documents->addAction(QStringLiteral("F11 Doplňkové údaje")), &QAction::triggered, this,
            &TFakturyPrehled::supplementaryData);
    connect(menu->addAction(QStringLiteral("Hledej")), &QAction::triggered, this, &TFakturyPrehled::search);
    layout->setMenuBar(menu);

    auto* panel = new QHBoxLayout;
    panel->setContentsMargins(4, 4, 4, 4);
    panel->addWidget(new RecordNavigator(this, *browser_));
    panel->addSpacing(12);
    const std::pair<QString, void (TFakturyPrehled::*)()> buttons[] = {
        {QStringLiteral("F5 Hledej"), &TFakturyPrehled::search},
        {QStringLiteral("F9 Úhrada"), &TFakturyPrehled::payments},
        {QStringLiteral("F11 Obch."), &TFakturyPrehled::supplementaryData},
        {QStringLiteral("F12 Provize"), &TFakturyPrehled::commissionItems}};
    for (const auto& [caption, command] : buttons) {
        panel->addWidget(commandButton(caption, this, [this, command = command] { (this->*command)(); }));
    }
    panel->addStretch();
    layout->addLayout(panel);
    layout->addWidget(browser_, 1);
    layout->addWidget(new BrowserStatusBar(this));

    addCommand(Qt::Key_F5, &TFakturyPrehled::search);
    addCommand(Qt::Key_F9, &TFakturyPrehled::payments);
    addCommand(Qt::Key_F11, &TFakturyPrehled::supplementaryData);
    addCommand(QKeySequence(Qt::SHIFT | Qt::Key_F11), &TFakturyPrehled::commissionSplit);
    addCommand(Qt::Key_F12, &TFakturyPrehled::commissionItems);

    openTables();
    browser_->last();
    browser_->setFocus();
}

TFakturyPrehled::~TFakturyPrehled()
{
    data_.CloseFakSle();
    data_.CloseFak();
}

void TFakturyPrehled::openTables()
{
    const auto opened = [this] {
        return data_.Faktury.isOpen() && data_.FaktSlevy.isOpen() && data_.Faktury.activeTag() == "DO1";
    };
    data_.OpenFak(0, "DO1");
    data_.OpenFakSle(0, "DO1");
    if (opened())
        return;
    data_.CloseFakSle();
    data_.CloseFak();
    if (!data_.Index())
        return;
    data_.OpenFak(0, "DO1");
    data_.OpenFakSle(0, "DO1");
}

void TFakturyPrehled::done(int result)
{
    data_.SeTIniWinHigh(kHeightCode, height());
    QDialog::done(result);
}

void TFakturyPrehled::addCommand(const QKeySequence& keys, void (TFakturyPrehled::*command)())
{
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, command);
}

bool TFakturyPrehled::hasCurrentInvoice()
{
    if (browser_->isEmpty())
        return false;
    browser_->standOnCurrent();
    return !browser_->isEmpty() && !withoutTrailingBlanks(data_.Faktury.asString("HLA_DO1")).empty();
}

void TFakturyPrehled::search()
{
    if (data_.Faktury.isOpen()) {
        TFakHle dialog(this, data_);
        dialog.move(geometry().center() - dialog.rect().center());
        if (dialog.exec() == QDialog::Accepted)
            browser_->showTableRecord();
    }
    browser_->setFocus();
}

void TFakturyPrehled::payments()
{
    if (!hasCurrentInvoice())
        return;
    try {
        ScopedTableOpen payments(data_, data_.Vypisy, "Do1");
        data_.Vypisy.selectTag("Do1");
        const std::string number = data_.Faktury.asString("HLA_DO1");
        data_.Vypisy.setKeyRange(number, number);
        TPrehledUhrad list(this, data_, defaults_);
        placeAt(list, *this, 250, 30);
        list.exec();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    browser_->refresh();
    browser_->setFocus();
}

void TFakturyPrehled::supplementaryData()
{
    if (!hasCurrentInvoice())
        return;
    DbfTable& invoices = data_.Faktury;
    if (!LockRecordWithRetry(invoices, data_.ui()))
        return;
    try {
        invoices.edit();
        TFakDoplForm form(this, data_);
        placeAt(form, *this, 50, 50);
        if (form.exec() == QDialog::Accepted)
            invoices.post();
        else
            invoices.cancel();
    } catch (const Error& error) {
        if (invoices.state() != DbfTable::State::Browse)
            invoices.cancel();
        data_.ui().showMessage(error.what());
    }
    invoices.unlockRecord();
    browser_->refresh();
    browser_->setFocus();
}

void TFakturyPrehled::commissionSplit()
{
    if (hasCurrentInvoice())
        showNotAvailable(this);
    browser_->setFocus();
}

void TFakturyPrehled::commissionItems()
{
    if (hasCurrentInvoice())
        showNotAvailable(this);
    browser_->setFocus();
}

} // namespace tarvela

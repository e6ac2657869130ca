#include "screens/invoices/TFakturyPrehled.h"

#include <QEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <optional>

#include "data/company/TData.h"
#include "data/documents/InvoiceTint.h"
#include "data/mem/MemTable.h"
#include "data/table/LockRecordWithRetry.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/BrowserWindowLayout.h"
#include "gui/BrowserStatusBar.h"
#include "gui/CommandButton.h"
#include "gui/OuterHeight.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"
#include "platform/Error.h"
#include "platform/ReadBatch.h"
#include "platform/Text.h"
#include "screens/commission/TPrehlProvPol.h"
#include "screens/commission/TProvDelPrehl.h"
#include "screens/credit_notes/TDobHle.h"
#include "screens/invoices/TFakDoplForm.h"
#include "screens/invoices/TFakHle.h"
#include "screens/payments/TPrehledUhrad.h"

namespace tarvela {

namespace {

constexpr int kDefaultHeight = 361;

// What tells the two browsers apart besides their commands.
struct BrowserLook {
    QString title;
    int width;
    int heightCode;  // FakHeight, DobHeight
    QString paymentsCaption;
    QString supplementaryItem;
    std::vector<const char*> fields;
};

// The credit notes have no column 17 of their own; they show the invoices'
// "Fin.slevy" (HLA_SBD) there.
BrowserLook lookOf(DocumentKind kind)
{
    if (kind == DocumentKind::Invoice)
        return {QStringLiteral("Přehled vydaných faktur"), 663, 1, QStringLiteral("F9 Úhrada"),
                QStringLiteral("F11 Doplňkové údaje"),
                {"HLA_DAT", "HLA_DO1", "HLA_NAC", "HLA_OBC", "HLA_CUH", "HLA_BPL", "HLA_DSP", "HLA_BDP", "HLA_SBD",
                 "HLA_FHV", "HLA_DVS", "HLA_DZP", "HLA_PCA", "HLA_DO2", "HLA_DO3", "HLA_NCA", "HLA_ODB", "HLA_ODP",
                 "HLA_FUH", "HLA_FDO", "HLA_Z00", "HLA_Z05", "HLA_Z22", "HLA_D05", "HLA_D22", "HLA_PLA", "HLA_EDT",
                 "HLA_PRN", "HLA_REF", "HLA_CEN", "HLA_SLE", "HLA_TSK", "HLA_DO4"}};
    return {QStringLiteral("Přehled vydaných dobropisů"), 660, 2, QStringLiteral("F9 Platby"),
            QStringLiteral("Doplňkové údaje"),
            {"HLA_DAT", "HLA_DO1", "HLA_DO2", "HLA_NAC", "HLA_OBC", "HLA_CUH", "HLA_BPL", "HLA_BDP", "HLA_FHV",
             "HLA_DVS", "HLA_DZP", "HLA_DSP", "HLA_PCA", "HLA_NCA", "HLA_ODB", "HLA_ODP", "HLA_SBD", "HLA_FUH",
             "HLA_DO3", "HLA_FDO", "HLA_Z00", "HLA_Z05", "HLA_Z22", "HLA_D05", "HLA_D22", "HLA_PLA", "HLA_EDT",
             "HLA_PRN", "HLA_REF", "HLA_CEN", "HLA_SLE", "HLA_TSK", "HLA_DO4"}};
}

std::vector<BrowserColumn> columnsOf(DocumentKind kind)
{
    const bool creditNote = kind == DocumentKind::CreditNote;
    std::vector<BrowserColumn> columns;
    for (const char* field : lookOf(kind).fields) {
        const std::string_view name(field);
        BrowserColumn column{field, {}, name == "HLA_NAC" ? 198 : 0};
        if (creditNote) {
            static const std::pair<const char*, const char*> titles[] = {
                {"HLA_DO1", "Dobropis"},   {"HLA_DO2", "Faktura"},     {"HLA_BDP", "Zapl. dat."},
                {"HLA_Z22", "Základ 22%"}, {"HLA_D22", "Daň 22%"},     {"HLA_SBD", "Fin.slevy"}};
            for (const auto& [titled, title] : titles)
                if (name == titled)
                    column.title = QString::fromUtf8(title);
            if (name == "HLA_OBC")
                column.width = 36;
            if (name == "HLA_BPL")
                column.width = 61;
        }
        columns.push_back(std::move(column));
    }
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

TFakturyPrehled::TFakturyPrehled(QWidget* owner, TData& data, CommissionItems items)
    : TFakturyPrehled(owner, data, std::move(items), DocumentKind::Invoice)
{
}

TFakturyPrehled::TFakturyPrehled(QWidget* owner, TData& data, CommissionItems items, DocumentKind kind)
    : QDialog(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowCloseButtonHint),
      data_(data),
      kind_(kind),
      documents_(kind == DocumentKind::Invoice ? data.Faktury : data.Dobropisy),
      items_(std::move(items)),
      browser_(new TableBrowser(this, data.ui(), documents_, columnsOf(kind)))
{
    const BrowserLook look = lookOf(kind);
    setWindowTitle(look.title);
    setSizeGripEnabled(true);
    height_ = new OuterHeight(*this, look.width, data.GetIniWinHigh(look.heightCode), kDefaultHeight);
    if (kind == DocumentKind::Invoice)
        browser_->setRowColour([](const DbfTable& invoices) { return tintColour(invoiceTintOf(invoices, today())); });

    QVBoxLayout* layout = layOutBrowserWindow(
        *this, *browser_,
        {{QStringLiteral("F5 Hledej"), [this] { search(); }},
         {look.paymentsCaption, [this] { payments(); }},
         {QStringLiteral("F11 Obch."), [this] { supplementaryData(); }},
         {QStringLiteral("F12 Provize"), [this] { commissionItems(); }}},
        {.margin = 4, .navigatorGap = 12});
    auto* menu = new QMenuBar(this);
    QMenu* documentsMenu = menu->addMenu(QStringLiteral("Doklady"));
    QAction* supplementary = documentsMenu->addAction(look.supplementaryItem);
    if (kind == DocumentKind::CreditNote)
        supplementary->setShortcut(Qt::Key_F11);
    supplementary->setShortcutContext(Qt::WidgetShortcut);
    connect(supplementary, &QAction::triggered, this, &TFakturyPrehled::supplementaryData);
    connect(menu->addAction(QStringLiteral("Hledej")), &QAction::triggered, this, &TFakturyPrehled::search);
    layout->setMenuBar(menu);
    layout->addWidget(new BrowserStatusBar(this));

    addKeyCommand(*this, Qt::Key_F5, [this] { search(); });
    addKeyCommand(*this, Qt::Key_F9, [this] { payments(); });
    addKeyCommand(*this, Qt::Key_F11, [this] { supplementaryData(); });
    addKeyCommand(*this, QKeySequence(Qt::SHIFT | Qt::Key_F11), [this] { commissionSplit(); });
    addKeyCommand(*this, Qt::Key_F12, [this] { commissionItems(); });

    openTables();
    browser_->last();
    browser_->setFocus();
}

TFakturyPrehled::~TFakturyPrehled()
{
    closeTables();
}

void TFakturyPrehled::openTables()
{
    const auto open = [this] {
        if (kind_ == DocumentKind::Invoice)
            data_.OpenFak(0, "DO1");
        else
            data_.OpenDob(0, "DO1");
        data_.OpenFakSle(0, "DO1");
    };
    open();
    if (documents_.isOpen() && data_.FaktSlevy.isOpen() && documents_.activeTag() == "DO1")
        return;
    closeTables();
    if (data_.Index())
        open();
}

void TFakturyPrehled::closeTables()
{
    data_.CloseFakSle();
    if (kind_ == DocumentKind::Invoice)
        data_.CloseFak();
    else
        data_.CloseDob();
}

void TFakturyPrehled::done(int result)
{
    data_.SeTIniWinHigh(lookOf(kind_).heightCode, height_->current());
    QDialog::done(result);
}

void TFakturyPrehled::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        data_.lastBrowserLeft = x();
        data_.lastBrowserTop = y();
    }
}

bool TFakturyPrehled::hasCurrentDocument()
{
    if (browser_->isEmpty())
        return false;
    browser_->standOnCurrent();
    return !browser_->isEmpty() && !withoutTrailingBlanks(documents_.asString("HLA_DO1")).empty();
}

void TFakturyPrehled::search()
{
    if (documents_.isOpen()) {
        std::unique_ptr<TFakHle> dialog;
        if (kind_ == DocumentKind::Invoice)
            dialog = std::make_unique<TFakHle>(this, data_);
        else
            dialog = std::make_unique<TDobHle>(this, data_);
        dialog->move(geometry().center() - dialog->rect().center());
        if (dialog->exec() == QDialog::Accepted)
            browser_->showTableRecord();
    }
    browser_->setFocus();
}

void TFakturyPrehled::payments()
{
    if (!hasCurrentDocument())
        return;
    try {
        // The opening reads as one batch; the list then waits for the user.
        std::optional<ReadBatch> opening(std::in_place);
        ScopedTableOpen payments(data_, data_.Vypisy, "Do1");
        data_.Vypisy.selectTag("Do1");
        const std::string number = documents_.asString("HLA_DO1");
        data_.Vypisy.setKeyRange(number, number);
        std::unique_ptr<TPrehledUhrad> list;
        if (kind_ == DocumentKind::Invoice)
            list = std::make_unique<TPrehledUhrad>(this, data_, defaults_);
        else
            list = std::make_unique<TPrehledUhradDob>(this, data_, defaults_);
        opening.reset();
        placeAt(*list, *this, 250, 30);
        list->exec();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    browser_->refresh();
    browser_->setFocus();
}

void TFakturyPrehled::supplementaryData()
{
    if (!hasCurrentDocument())
        return;
    if (!LockRecordWithRetry(documents_, data_.ui()))
        return;
    try {
        documents_.edit();
        std::unique_ptr<TFakDoplForm> form;
        if (kind_ == DocumentKind::Invoice)
            form = std::make_unique<TFakDoplForm>(this, data_);
        else
            form = std::make_unique<TDopDoplForm>(this, data_);
        placeAt(*form, *this, 50, 50);
        if (form->exec() == QDialog::Accepted)
            documents_.post();
        else
            documents_.cancel();
    } catch (const Error& error) {
        if (documents_.state() != DbfTable::State::Browse)
            documents_.cancel();
        data_.ui().showMessage(error.what());
    }
    documents_.unlockRecord();
    browser_->refresh();
    browser_->setFocus();
}

// The header stays locked while the split is edited, so that no other
// program changes the document meanwhile.
void TFakturyPrehled::commissionSplit()
{
    if (!hasCurrentDocument() || !LockRecordWithRetry(documents_, data_.ui())) {
        browser_->setFocus();
        return;
    }
    try {
        ScopedTableOpen salesmen(data_.Obchodnici);
        ScopedTableOpen splits(data_, data_.DelProv, "DO1");
        data_.DelProv.selectTag("DO1");
        const std::string number = documents_.asString("HLA_DO1");
        data_.DelProv.setKeyRange(number, number);
        TProvDelPrehl list(this, data_,
                           kind_ == DocumentKind::Invoice ? TProvDelPrehl::InvoiceMode : TProvDelPrehl::CreditNoteMode);
        placeAt(list, *this, 50, 50);
        list.exec();
        data_.DelProv.clearKeyRange();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    documents_.unlockRecord();
    browser_->refresh();
    browser_->setFocus();
}

void TFakturyPrehled::commissionItems()
{
    if (!hasCurrentDocument() || !items_) {
        browser_->setFocus();
        return;
    }
    MemTable* items = nullptr;
    try {
        items = &items_(documents_, kind_);
        TPrehlProvPol view(this, *items);
        view.exec();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    if (items != nullptr)
        items->close();
    browser_->standOnCurrent();
    browser_->setFocus();
}

} // namespace tarvela

#include "screens/payments/TPrehledUhrad.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "data/company/TData.h"
#include "data/documents/DocumentRows.h"
#include "data/documents/PaidState.h"
#include "data/documents/PaymentStatus.h"
#include "gui/CommandButton.h"
#include "gui/RowEditing.h"
#include "gui/TableBrowser.h"
#include "gui/WindowPlacement.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "screens/payments/PaymentDefaults.h"
#include "screens/payments/TUhradaForm.h"

namespace tarvela {

TPrehledUhrad::TPrehledUhrad(QWidget* owner, TData& data, PaymentDefaults& defaults)
    : TPrehledUhrad(owner, data, data.Faktury, defaults)
{
}

TPrehledUhradDob::TPrehledUhradDob(QWidget* owner, TData& data, PaymentDefaults& defaults)
    : TPrehledUhrad(owner, data, data.Dobropisy, defaults)
{
}

TPrehledUhrad::TPrehledUhrad(QWidget* owner, TData& data, DbfTable& header, PaymentDefaults& defaults)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data),
      header_(header),
      defaults_(defaults),
      document_(header.asString("HLA_DO1")),
      headerRecord_(header.recordNumber()),
      browser_(new TableBrowser(this, data.ui(), data.Vypisy,
                                {{"VYP_DO2", {}, 0},
                                 {"VYP_DVS", {}, 0},
                                 {"VYP_TYP", {}, 25},
                                 {"VYP_HOD", {}, 66},
                                 {"VYP_PRN", {}, 0},
                                 {"VYP_DO1", {}, 0},
                                 {"VYP_DAT", {}, 0}},
                                [this](const DbfTable& payments) {
                                    return sameNumber(payments.asString("VYP_DO1"), document_);
                                }))
{
    setWindowTitle(QStringLiteral("Přehled úhrad"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* menu = new QMenuBar(this);
    menu->addMenu(QStringLiteral("Sestavy"))->addAction(QStringLiteral("Přehled plateb"));
    layout->setMenuBar(menu);
    auto* panel = new QHBoxLayout;
    panel->setContentsMargins(2, 2, 2, 2);
    const std::pair<QString, void (TPrehledUhrad::*)()> buttons[] = {
        {QStringLiteral("F2 Nový"), &TPrehledUhrad::newPayment},
        {QStringLiteral("F4 Oprava"), &TPrehledUhrad::changePayment}};
    for (const auto& [caption, command] : buttons) {
        panel->addWidget(commandButton(caption, this, [this, command = command] { (this->*command)(); }));
    }
    panel->addStretch();
    layout->addLayout(panel);
    layout->addWidget(browser_);
    setFixedSize(std::max(258, widthShowingAmounts()), 140 + menu->sizeHint().height());

    addKeyCommand(*this, Qt::Key_F2, [this] { newPayment(); });
    addKeyCommand(*this, Qt::Key_F4, [this] { changePayment(); });
    addKeyCommand(*this, QKeySequence(Qt::CTRL | Qt::Key_Delete), [this] { deletePayment(); });
    browser_->first();
    browser_->setFocus();
}

// Wide enough for the statement, date, type and amount in this font, which
// is wider than the one the list was drawn for.
int TPrehledUhrad::widthShowingAmounts() const
{
    const QTableView& view = browser_->view();
    int columns = 0;
    for (int column = 0; column < 4; ++column)
        columns += view.columnWidth(column);
    return columns + 2 * view.frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

bool TPrehledUhrad::formAccepted()
{
    TUhradaForm form(this, data_);
    form.refreshFields();
    placeAt(form, *this, -70, 50);
    if (form.exec() != QDialog::Accepted)
        return false;
    writing_.emplace();
    return true;
}

void TPrehledUhrad::newPayment()
{
    if (withoutTrailingBlanks(document_).empty())
        return;
    DbfTable& payments = data_.Vypisy;
    const auto preset = [&] {
        payments.setString("VYP_DO1", document_);
        payments.setDate("VYP_DAT", today());
        payments.setString("VYP_DO2", defaults_.lastStatement);
        payments.setString("VYP_TYP", defaults_.lastPaymentType);
        payments.setDate("VYP_DVS", defaults_.lastStatementDate);
    };
    if (appendFromForm(payments, data_.ui(), preset, [this] { return formAccepted(); })) {
        defaults_.lastStatement = payments.asString("VYP_DO2");
        defaults_.lastStatementDate = payments.asDate("VYP_DVS");
        defaults_.lastPaymentType = payments.asString("VYP_TYP");
        const std::uint32_t added = payments.recordNumber();
        updateHeader([&] {
            payments.setRecordNumber(added);
            browser_->showTableRecord();
        });
    } else {
        browser_->refresh();
    }
    writing_.reset();
    browser_->setFocus();
}

void TPrehledUhrad::changePayment()
{
    if (changeCurrentRow(*browser_, data_.Vypisy, data_.ui(), [] {}, [this] { return formAccepted(); })) {
        data_.ui().setBusy(true);
        updateHeader([this] { browser_->refresh(); });
        data_.ui().setBusy(false);
    } else {
        browser_->refresh();
    }
    writing_.reset();
    browser_->setFocus();
}

void TPrehledUhrad::deletePayment()
{
    if (deleteCurrentRow(*this, *browser_, data_.Vypisy, data_.ui(), [this] { writing_.emplace(); }))
        updateHeader([this] { browser_->refresh(); });
    writing_.reset();
}

// The header's record lock is waited for outside the batch, so that no lock
// the batch keeps waits with it. The header is found again by its record:
// the browser behind this list may have walked its table meanwhile; taking
// the lock reads it afresh.
void TPrehledUhrad::updateHeader(const std::function<void()>& showRows)
{
    try {
        const PaymentStatus status = sumPayments(data_.Vypisy, document_);
        showRows();
        writing_.reset();
        if (header_.recordNumber() != headerRecord_)
            header_.setRecordNumber(headerRecord_);
        storePaidState(header_, status, data_.ui());
    } catch (const Error& error) {
        writing_.reset();
        data_.ui().showMessage(error.what());
    }
}

} // namespace tarvela

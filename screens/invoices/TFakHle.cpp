#include "screens/invoices/TFakHle.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "controls/TEditOrvo.h"
#include "data/company/TData.h"
#include "data/documents/DocumentSearch.h"
#include "platform/Error.h"

namespace tarvela {

TFakHle::TFakHle(QWidget* owner, TData& data)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), data_(data)
{
    setWindowTitle(QStringLiteral("Hledej položku databáze"));
    setFixedSize(300, 190);
    const QString captions[] = {QStringLiteral("Hledej dle čísla faktury"), QStringLiteral("Hledej název odběratele"),
                                QStringLiteral("Hledej dle čísla objednávky odběratele "),
                                QStringLiteral("Hledej dle čísla proformy")};
    for (int i = 0; i < 4; ++i) {
        choices_[i] = new QRadioButton(captions[i], this);
        choices_[i]->setGeometry(12, 8 + 22 * i, 276, 20);
        choices_[i]->installEventFilter(this);
    }
    auto* label = new QLabel(QStringLiteral("Hledej tento text"), this);
    label->setGeometry(12, 100, 200, 18);
    text_ = new TEditOrvo(this);
    text_->setGeometry(12, 120, 276, 22);
    text_->setEnterIsTab(false);
    text_->installEventFilter(this);
    label->setBuddy(text_);
    search_ = new QPushButton(QStringLiteral("&Hledej"), this);
    search_->setGeometry(132, 156, 75, 25);
    auto* cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setGeometry(213, 156, 75, 25);
    for (auto* button : {search_, cancel})
        button->setAutoDefault(false);
    connect(search_, &QPushButton::clicked, this, &TFakHle::search);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(text_, &QLineEdit::textEdited, this, [this] { search_->setEnabled(true); });

    text_->clear();
    search_->setEnabled(false);
    choices_[0]->setChecked(true);
    choices_[0]->setFocus();
}

bool TFakHle::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == text_) {
        if (enter) {
            search();
            return true;
        }
        if (key != Qt::Key_Escape && key != Qt::Key_Tab && key != Qt::Key_Backtab)
            search_->setEnabled(true);
    } else if (enter) {
        text_->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFakHle::search()
{
    int chosen = 0;
    for (int i = 0; i < 4; ++i)
        if (choices_[i]->isChecked())
            chosen = i;
    DbfTable& invoices = data_.Faktury;
    try {
        const std::string current = invoices.recordNumber() != 0 ? invoices.asString("HLA_DO1") : std::string();
        seekNearest(invoices, invoiceSearchKey(static_cast<InvoiceSearch>(chosen), text_->text().toStdString(), current));
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    accept();
}

} // namespace tarvela

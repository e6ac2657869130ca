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

TFakHle::KeyOf TFakHle::documentKeyOf(DbfTable& documents)
{
    return [&documents](int choice, const std::string& text) {
        const std::string current = documents.recordNumber() != 0 ? documents.asString("HLA_DO1") : std::string();
        return invoiceSearchKey(static_cast<InvoiceSearch>(choice), text, current);
    };
}

TFakHle::TFakHle(QWidget* owner, TData& data)
    : TFakHle(owner, data, data.Faktury,
              {QStringLiteral("Hledej dle čísla faktury"), QStringLiteral("Hledej název odběratele"),
               QStringLiteral("Hledej dle čísla objednávky odběratele "), QStringLiteral("Hledej dle čísla proformy")},
              documentKeyOf(data.Faktury))
{
}

TFakHle::TFakHle(QWidget* owner, TData& data, DbfTable& table, const QStringList& captions, KeyOf keyOf)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      data_(data),
      table_(table),
      keyOf_(std::move(keyOf))
{
    setWindowTitle(QStringLiteral("Hledej položku databáze"));
    const int count = static_cast<int>(captions.size());
    const int textTop = 12 + 22 * count;
    setFixedSize(300, textTop + 90);
    for (int i = 0; i < count; ++i) {
        choices_.push_back(new QRadioButton(captions[i], this));
        choices_[i]->setGeometry(12, 8 + 22 * i, 276, 20);
        choices_[i]->installEventFilter(this);
        connect(choices_[i], &QRadioButton::toggled, this, &TFakHle::followChoice);
    }
    auto* label = new QLabel(QStringLiteral("Hledej tento text"), this);
    label->setGeometry(12, textTop, 200, 18);
    text_ = new TEditOrvo(this);
    text_->setGeometry(12, textTop + 20, 276, 22);
    text_->setEnterIsTab(false);
    text_->installEventFilter(this);
    label->setBuddy(text_);
    search_ = new QPushButton(QStringLiteral("&Hledej"), this);
    search_->setGeometry(132, textTop + 56, 75, 25);
    auto* cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setGeometry(213, textTop + 56, 75, 25);
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

int TFakHle::chosen() const
{
    for (std::size_t i = 0; i < choices_.size(); ++i)
        if (choices_[i]->isChecked())
            return static_cast<int>(i);
    return 0;
}

void TFakHle::setPriceChoice(int choice)
{
    priceChoice_ = choice;
    followChoice();
}

void TFakHle::followChoice()
{
    const bool price = chosen() == priceChoice_;
    text_->setEditType(price ? EditType::ttFloat : EditType::ttString);
    text_->setFloatPrecision(price ? 10 : 0);
    text_->setFloatDigits(price ? 2 : 0);
}

void TFakHle::search()
{
    try {
        seekNearest(table_, keyOf_(chosen(), text_->text().toStdString()));
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    accept();
}

} // namespace tarvela

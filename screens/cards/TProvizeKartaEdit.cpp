#include "screens/cards/TProvizeKartaEdit.h"

#include <QLabel>
#include <QPushButton>

#include "controls/TDBEditOrvo.h"
#include "data/company/ProductName.h"
#include "data/company/SorValidNew.h"
#include "data/company/TData.h"
#include "data/table/ScopedTableOpen.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "screens/products/TPrehledSortimentu.h"

namespace tarvela {

TProvizeKartaEdit::TProvizeKartaEdit(QWidget* owner, TData& data, bool newRow)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data),
      newRow_(newRow),
      card_(new TDBEditOrvo(this)),
      cardName_(new QLabel(this)),
      percent_(new TDBEditOrvo(this))
{
    setWindowTitle(QStringLiteral("Editace provize karty"));
    setFixedSize(252, 164);
    auto* cardLabel = new QLabel(QStringLiteral("Číslo karty"), this);
    cardLabel->setGeometry(12, 12, 100, 18);
    cardLabel->setBuddy(card_);
    card_->setGeometry(120, 10, 90, 22);
    cardName_->setGeometry(12, 38, 228, 18);
    auto* percentLabel = new QLabel(QStringLiteral("Provize v %"), this);
    percentLabel->setGeometry(12, 74, 100, 18);
    percentLabel->setBuddy(percent_);
    percent_->setGeometry(120, 72, 70, 22);
    percent_->setEditType(DBEditType::setFloat);
    for (auto* edit : {card_, percent_})
        edit->setColorDisable(palette().color(QPalette::Window));
    card_->bind(&data.ProvKar, "PRK_KAR");
    percent_->bind(&data.ProvKar, "PRK_PRO");
    card_->setButtonVisible(true);
    card_->setEnabled(newRow);
    card_->OnValid = [this](TDBEditOrvo&, QString& text, bool& valid) { valid = checkCard(text); };
    card_->OnClickButton = [this](TDBEditOrvo&) {
        QString text = card_->text();
        if (checkCard(text))
            card_->setText(text);
    };

    auto* ok = new QPushButton(QStringLiteral("Zapiš"), this);
    ok->setGeometry(84, 130, 75, 25);
    // "Storno" takes no focus, so leaving the card towards it does not check it.
    auto* cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setGeometry(166, 130, 75, 25);
    cancel->setFocusPolicy(Qt::NoFocus);
    for (auto* button : {ok, cancel})
        button->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TProvizeKartaEdit::write);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    (newRow ? card_ : percent_)->setFocus();
}

void TProvizeKartaEdit::refreshFields()
{
    card_->refresh();
    percent_->refresh();
    showCardName(card_->text().toStdString());
}

void TProvizeKartaEdit::showCardName(const std::string& typed)
{
    std::string name;
    try {
        ScopedTableOpen range(data_, data_.Sortiment, "KAV");
        name = productName(data_.Sortiment, trimmed(typed));
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    cardName_->setText(QString::fromStdString(name));
}

bool TProvizeKartaEdit::checkCard(QString& text)
{
    try {
        std::string card;
        if (!SorValidNew(data_, text.toStdString(), newRow_,
                         [this] { return TPrehledSortimentu::choose(this, data_); }, card))
            return false;
        text = QString::fromStdString(card);
        showCardName(card);
        return true;
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        return false;
    }
}

void TProvizeKartaEdit::write()
{
    if (newRow_ && !card_->validate()) {
        card_->setFocus(Qt::OtherFocusReason);
        return;
    }
    try {
        card_->updateRecord();
        percent_->updateRecord();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        return;
    }
    accept();
}

} // namespace tarvela

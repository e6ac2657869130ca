#include "screens/payments/TUhradaForm.h"

#include <QLabel>
#include <QPushButton>

#include "controls/TDBEditOrvo.h"
#include "controls/TPelzarDBDateEdit.h"
#include "data/company/TData.h"
#include "platform/Error.h"
#include "screens/payments/TPrehledTypPlateb.h"

namespace tarvela {

TUhradaForm::TUhradaForm(QWidget* owner, TData& data)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data),
      type_(new TDBEditOrvo(this)),
      statement_(new TDBEditOrvo(this)),
      date_(new TPelzarDBDateEdit(this)),
      amount_(new TDBEditOrvo(this))
{
    setWindowTitle(QStringLiteral("Uhrada dokladu"));
    setFixedSize(243, 153);
    const std::tuple<QString, QWidget*, int> rows[] = {{QStringLiteral("Typ úhrady"), type_, 50},
                                                       {QStringLiteral("Číslo dokladu"), statement_, 90},
                                                       {QStringLiteral("Vystaven dne"), date_, 100},
                                                       {QStringLiteral("Hrazená částka"), amount_, 100}};
    int top = 10;
    for (const auto& [caption, edit, width] : rows) {
        auto* label = new QLabel(caption, this);
        label->setGeometry(10, top + 2, 100, 21);
        label->setBuddy(edit);
        edit->setGeometry(115, top, width, 22);
        top += 28;
    }
    type_->bind(&data.Vypisy, "VYP_TYP");
    statement_->bind(&data.Vypisy, "VYP_DO2");
    date_->bind(&data.Vypisy, "VYP_DVS");
    amount_->bind(&data.Vypisy, "VYP_HOD");
    amount_->setEditType(DBEditType::setFloat);
    for (auto* edit : {type_, statement_, amount_})
        edit->setColorDisable(palette().color(QPalette::Base));
    type_->setButtonVisible(true);
    type_->OnValid = [this](TDBEditOrvo&, QString& text, bool& valid) { validateType(text, valid); };
    type_->OnClickButton = [this](TDBEditOrvo&) { pickType(); };

    auto* ok = new QPushButton(QStringLiteral("Zapiš"), this);
    ok->setGeometry(76, 122, 75, 25);
    auto* cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setGeometry(160, 122, 75, 25);
    for (auto* button : {ok, cancel})
        button->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TUhradaForm::write);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    type_->setFocus();
}

void TUhradaForm::refreshFields()
{
    type_->refresh();
    statement_->refresh();
    date_->refresh();
    amount_->refresh();
}

void TUhradaForm::validateType(QString& text, bool& valid)
{
    try {
        if (TPrehledTypPlateb::typeExists(data_, text.trimmed().toStdString()))
            return;
        const auto chosen = TPrehledTypPlateb::choose(*this, data_);
        text = chosen ? QString::fromStdString(*chosen) : QString();
        valid = chosen.has_value();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        valid = false;
    }
}

void TUhradaForm::pickType()
{
    type_->setFocus();
    try {
        if (const auto chosen = TPrehledTypPlateb::choose(*this, data_)) {
            type_->setText(QString::fromStdString(*chosen));
            type_->updateRecord();
        }
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
}

// Every field is written before the dialog closes; the first that does not
// take its value, or an amount of nothing, keeps the dialog open with a
// message.
void TUhradaForm::write()
{
    if (!type_->validate()) {
        type_->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::pair<QWidget*, std::function<void()>> fields[] = {
        {type_, [this] { type_->updateRecord(); }},
        {statement_, [this] { statement_->updateRecord(); }},
        {date_, [this] { date_->updateRecord(); }},
        {amount_, [this] { amount_->updateRecord(); }}};
    for (const auto& [edit, store] : fields) {
        try {
            store();
        } catch (const Error& error) {
            data_.ui().showMessage(error.what());
            edit->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    // Judged on the stored value, so that an amount the field rounds to
    // nothing is refused too: a payment of nothing only moves the paid date.
    if (data_.Vypisy.asFloat("VYP_HOD") == 0) {
        data_.ui().showMessage("Zadejte hrazenou částku.");
        amount_->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}

} // namespace tarvela

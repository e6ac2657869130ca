#include "screens/commission/TDelProvFormEdit.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "controls/TDBEditOrvo.h"
#include "data/company/TData.h"
#include "data/documents/SplitRow.h"
#include "gui/EnteredField.h"
#include "platform/Error.h"
#include "screens/commission/TPrehledTypProvize.h"
#include "screens/salesmen/SalesmanLookup.h"

namespace tarvela {

TDelProvFormEdit::TDelProvFormEdit(QWidget* owner, TData& data)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data),
      salesman_(new TDBEditOrvo(this)),
      salesmanName_(new QLabel(this)),
      kind_(new TDBEditOrvo(this)),
      salesmanEntered_(new EnteredField(*salesman_)),
      kindEntered_(new EnteredField(*kind_)),
      rate_(new TDBEditOrvo(this)),
      commissionShare_(new TDBEditOrvo(this)),
      turnoverShare_(new TDBEditOrvo(this))
{
    setWindowTitle(QStringLiteral("Dělení provize editace"));
    setFixedSize(200, 236);
    const std::tuple<QString, TDBEditOrvo*, const char*, int> rows[] = {
        {QStringLiteral("Obchodník"), salesman_, "DPR_OBC", 8},
        {QStringLiteral("Typ provize"), kind_, "DPR_TYP", 62},
        {QStringLiteral("Provizní sazba "), rate_, "DPR_PRS", 98},
        {QStringLiteral("Přidělení provize v %"), commissionShare_, "DPR_PRO", 134},
        {QStringLiteral("Přidělení obratu v %"), turnoverShare_, "DPR_OBR", 170}};
    for (const auto& [caption, edit, field, top] : rows) {
        auto* label = new QLabel(caption, this);
        label->setGeometry(8, top, 128, 18);
        label->setBuddy(edit);
        edit->setGeometry(136, top, 56, 22);
        edit->setColorDisable(palette().color(QPalette::Window));
        edit->bind(&data.DelProv, field);
    }
    salesmanName_->setGeometry(8, 32, 184, 18);
    salesman_->setButtonVisible(true);
    kind_->setButtonVisible(true);
    rate_->setEnabled(false);
    for (auto* number : {rate_, commissionShare_, turnoverShare_})
        number->setEditType(DBEditType::setFloat);
    salesman_->OnValid = [this](TDBEditOrvo&, QString& text, bool& valid) { validateSalesman(text, valid); };
    salesman_->OnClickButton = [this](TDBEditOrvo&) { pickSalesman(); };
    kind_->OnValid = [this](TDBEditOrvo&, QString& text, bool& valid) { validateKind(text, valid); };
    kind_->OnClickButton = [this](TDBEditOrvo&) { pickKind(); };

    auto* ok = new QPushButton(QStringLiteral("Zapiš"), this);
    ok->setGeometry(20, 204, 75, 25);
    auto* cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setGeometry(105, 204, 75, 25);
    for (auto* button : {ok, cancel})
        button->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TDelProvFormEdit::write);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    salesman_->setFocus();
}

void TDelProvFormEdit::refreshFields()
{
    for (auto* edit : {salesman_, kind_, rate_, commissionShare_, turnoverShare_})
        edit->refresh();
    showSalesmanName();
}

void TDelProvFormEdit::showSalesmanName()
{
    try {
        salesmanName_->setText(QString::fromStdString(salesmanName(data_, salesman_->text().toStdString())));
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
}

void TDelProvFormEdit::validateSalesman(QString& text, bool& valid)
{
    try {
        if (!salesmanExists(data_, text.trimmed().toStdString())) {
            const auto chosen = chooseSalesman(*this, data_);
            text = chosen ? QString::fromStdString(*chosen) : QString();
            valid = chosen.has_value();
        }
        salesmanName_->setText(QString::fromStdString(salesmanName(data_, text.toStdString())));
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        valid = false;
    }
}

void TDelProvFormEdit::pickSalesman()
{
    salesman_->setFocus();
    try {
        if (const auto chosen = chooseSalesman(*this, data_)) {
            salesman_->setText(QString::fromStdString(*chosen));
            salesman_->updateRecord();
            showSalesmanName();
        }
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
}

void TDelProvFormEdit::followKind(const QString& kind)
{
    const QString code = kind.trimmed();
    if (code == QLatin1String(kFixedRateKind))
        rate_->setEnabled(true);
    else if (code == QLatin1String(kGroupRatesKind))
        rate_->setEnabled(false);
    if (!rate_->isEnabled())
        rate_->setText(QStringLiteral("0"));
}

// The focus then moves to the rate when it is enabled, past it to the
// commission share otherwise; it is moved once the focus change that ran
// the validation is over, since that one chose its target before the rate
// was enabled.
void TDelProvFormEdit::validateKind(QString& text, bool& valid)
{
    try {
        if (!TPrehledTypProvize::kindExists(data_, text.trimmed().toStdString())) {
            const auto chosen = TPrehledTypProvize::choose(*this, data_);
            text = chosen ? QString::fromStdString(*chosen) : QString();
            valid = chosen.has_value();
        }
        if (valid) {
            followKind(text);
            QTimer::singleShot(0, this, [this] { (rate_->isEnabled() ? rate_ : commissionShare_)->setFocus(); });
        }
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        valid = false;
    }
}

void TDelProvFormEdit::pickKind()
{
    kind_->setFocus();
    try {
        if (const auto chosen = TPrehledTypProvize::choose(*this, data_)) {
            kind_->setText(QString::fromStdString(*chosen));
            kind_->updateRecord();
            followKind(kind_->text());
        }
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
}

void TDelProvFormEdit::write()
{
    for (const auto& [edit, entered] : {std::pair(salesman_, salesmanEntered_), std::pair(kind_, kindEntered_)}) {
        if (entered->wasEntered() && !edit->validate()) {
            edit->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    try {
        for (auto* edit : {salesman_, kind_, rate_, commissionShare_, turnoverShare_})
            edit->updateRecord();
        settleFixedRate(data_.DelProv);
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        return;
    }
    accept();
}

} // namespace tarvela

#include "screens/invoices/TFakDoplForm.h"

#include <QLabel>
#include <QPushButton>

#include "controls/TDBEditOrvo.h"
#include "data/company/TData.h"
#include "gui/EnteredField.h"
#include "platform/Error.h"
#include "screens/salesmen/SalesmanLookup.h"

namespace tarvela {

TFakDoplForm::TFakDoplForm(QWidget* owner, TData& data)
    : TFakDoplForm(owner, data, data.Faktury, QStringLiteral("Doplňkové údaje faktury"))
{
}

TDopDoplForm::TDopDoplForm(QWidget* owner, TData& data)
    : TFakDoplForm(owner, data, data.Dobropisy, QStringLiteral("Doplňkové údaje dobropisu"))
{
}

TFakDoplForm::TFakDoplForm(QWidget* owner, TData& data, DbfTable& header, const QString& title)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      data_(data),
      job_(new TDBEditOrvo(this)),
      salesman_(new TDBEditOrvo(this)),
      salesmanEntered_(new EnteredField(*salesman_))
{
    setWindowTitle(title);
    setFixedSize(263, 198);
    const std::tuple<QString, TDBEditOrvo*, int, const char*> rows[] = {
        {QStringLiteral("Číslo zakázky"), job_, 100, "HLA_DO4"},
        {QStringLiteral("Vyúčtovat provizi na obchodníka"), salesman_, 60, "HLA_OBC"}};
    int top = 12;
    for (const auto& [caption, edit, width, field] : rows) {
        auto* label = new QLabel(caption, this);
        label->setGeometry(12, top, 240, 18);
        label->setBuddy(edit);
        edit->setGeometry(12, top + 20, width, 22);
        edit->setColorDisable(palette().color(QPalette::Base));
        edit->bind(&header, field);
        edit->refresh();
        top += 56;
    }
    salesman_->setButtonVisible(true);
    salesman_->OnValid = [this](TDBEditOrvo&, QString& text, bool& valid) { validateSalesman(text, valid); };
    salesman_->OnClickButton = [this](TDBEditOrvo&) { pickSalesman(); };

    auto* ok = new QPushButton(QStringLiteral("Zapiš"), this);
    ok->setGeometry(96, 164, 75, 25);
    auto* cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setGeometry(180, 164, 75, 25);
    for (auto* button : {ok, cancel})
        button->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TFakDoplForm::write);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    job_->setFocus();
}

void TFakDoplForm::validateSalesman(QString& text, bool& valid)
{
    try {
        if (salesmanExists(data_, text.trimmed().toStdString()))
            return;
        const auto chosen = chooseSalesman(*this, data_);
        text = chosen ? QString::fromStdString(*chosen) : QString();
        valid = chosen.has_value();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        valid = false;
    }
}

void TFakDoplForm::pickSalesman()
{
    salesman_->setFocus();
    try {
        if (const auto chosen = chooseSalesman(*this, data_)) {
            salesman_->setText(QString::fromStdString(*chosen));
            salesman_->updateRecord();
        }
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
}

void TFakDoplForm::write()
{
    if (salesmanEntered_->wasEntered() && !salesman_->validate()) {
        salesman_->setFocus(Qt::OtherFocusReason);
        return;
    }
    try {
        job_->updateRecord();
        salesman_->updateRecord();
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
        return;
    }
    accept();
}

} // namespace tarvela

#include "screens/stock/TPohybyHledej.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "controls/TEditOrvo.h"
#include "data/company/TData.h"
#include "data/documents/DocumentSearch.h"
#include "platform/Error.h"

namespace tarvela {

TPohybyHledej::TPohybyHledej(QWidget* owner, TData& data)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), data_(data)
{
    setWindowTitle(QStringLiteral("Hledej položku databáze"));
    setFixedSize(300, 168);
    const QString captions[] = {QStringLiteral("Hledej dle čísla dokladu"),
                                QStringLiteral("Hledej datum skladového pohybu"),
                                QStringLiteral("Hledej číslo karty")};
    for (int i = 0; i < 3; ++i) {
        choices_[i] = new QRadioButton(captions[i], this);
        choices_[i]->setGeometry(12, 8 + 22 * i, 276, 20);
        choices_[i]->installEventFilter(this);
        connect(choices_[i], &QRadioButton::toggled, this, &TPohybyHledej::followChoice);
    }
    auto* label = new QLabel(QStringLiteral("Hledej tento text"), this);
    label->setGeometry(12, 78, 200, 18);
    text_ = new TEditOrvo(this);
    text_->setGeometry(12, 98, 276, 22);
    text_->installEventFilter(this);
    label->setBuddy(text_);
    search_ = new QPushButton(QStringLiteral("&Hledej"), this);
    search_->setGeometry(132, 134, 75, 25);
    auto* cancel = new QPushButton(QStringLiteral("Storno"), this);
    cancel->setGeometry(213, 134, 75, 25);
    for (auto* button : {search_, cancel})
        button->setAutoDefault(false);
    connect(search_, &QPushButton::clicked, this, &TPohybyHledej::search);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    text_->clear();
    text_->setEditType(EditType::ttString);
    search_->setEnabled(false);
    choices_[0]->setChecked(true);
    choices_[0]->setFocus();
}

void TPohybyHledej::followChoice()
{
    text_->setEditType(EditType::ttString);
    if (choices_[1]->isChecked())
        text_->setEditType(EditType::ttDate);
}

bool TPohybyHledej::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == text_) {
        if (key != Qt::Key_Escape && key != Qt::Key_Tab && key != Qt::Key_Backtab)
            search_->setEnabled(true);
    } else {
        followChoice();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            text_->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TPohybyHledej::search()
{
    int chosen = 0;
    for (int i = 0; i < 3; ++i)
        if (choices_[i]->isChecked())
            chosen = i;
    const std::string text = text_->text().toStdString();
    if (chosen == 1 && !parseCzechDate(text)) {
        text_->setFocus();
        return;
    }
    try {
        seekNearest(data_.Denik, stockSearchKey(static_cast<StockSearch>(chosen), text));
    } catch (const Error& error) {
        data_.ui().showMessage(error.what());
    }
    accept();
}

} // namespace tarvela

#include "screens/reports/ReportDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "controls/TEditOrvo.h"
#include "controls/TPelzarDateEdit.h"

namespace tarvela {

namespace {

constexpr int kDialogWidth = 317;
constexpr int kPanelHeight = 41;
constexpr int kRowHeight = 30;

} // namespace

ReportDialog::ReportDialog(QWidget* owner, const QString& title, int clientHeight)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
{
    setWindowTitle(title);
    setFixedSize(kDialogWidth, clientHeight);
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(0, clientHeight - kPanelHeight, kDialogWidth, kPanelHeight);
    auto* start = new QPushButton(QStringLiteral("Spusť"), panel);
    start->setGeometry(kDialogWidth - 172, 8, 75, 25);
    auto* cancel = new QPushButton(QStringLiteral("Storno"), panel);
    cancel->setGeometry(kDialogWidth - 88, 8, 75, 25);
    for (auto* button : {start, cancel})
        button->setAutoDefault(false);
    connect(start, &QPushButton::clicked, this, [this] {
        if (canStart())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

TEditOrvo* ReportDialog::addSalesmanField()
{
    auto* label = new QLabel(QStringLiteral("Za obchodníka číslo"), this);
    label->setGeometry(12, nextTop_ + 3, 180, 16);
    auto* field = new TEditOrvo(this);
    field->setGeometry(200, nextTop_, 60, 21);
    field->setButtonVisible(true);
    field->setButtonWidth(21);
    label->setBuddy(field);
    nextTop_ += kRowHeight;
    return field;
}

void ReportDialog::addPeriodFields()
{
    const QString labels[] = {QStringLiteral("První den období - včetně"),
                              QStringLiteral("Poslední den období - včetně")};
    TPelzarDateEdit** fields[] = {&firstDate_, &secondDate_};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(labels[i], this);
        label->setGeometry(12, nextTop_ + 3, 180, 16);
        *fields[i] = new TPelzarDateEdit(this);
        (*fields[i])->setGeometry(200, nextTop_, 100, 21);
        label->setBuddy(*fields[i]);
        nextTop_ += kRowHeight;
    }
}

void ReportDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QDate today = QDate::currentDate();
    for (auto* field : {firstDate_, secondDate_}) {
        if (field != nullptr)
            field->setDate(today);
    }
}

} // namespace tarvela

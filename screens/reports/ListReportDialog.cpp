#include "screens/reports/ListReportDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "controls/KeyRules.h"
#include "controls/TPelzarDateEdit.h"

namespace tarvela {

namespace {

constexpr int kDialogWidth = 269;
constexpr int kPanelHeight = 41;
constexpr int kRowHeight = 28;
constexpr int kChoiceHeight = 72;

DayNumber dayOf(const QDate& date)
{
    return toDayNumber({date.year(), date.month(), date.day()});
}

} // namespace

ListReportDialog::ListReportDialog(QWidget* owner, const QString& title, int clientHeight, const QString& firstLabel,
                                   const std::array<QString, 3>& dateKinds)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
{
    setWindowTitle(title);
    setFixedSize(kDialogWidth, clientHeight);
    // The texts were laid out for an 8-point dialog font.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    const QString labels[] = {firstLabel, QStringLiteral("do data")};
    TPelzarDateEdit** fields[] = {&firstDate_, &secondDate_};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(labels[i], this);
        label->setGeometry(12, nextTop_ + 3, 148, 16);
        *fields[i] = new TPelzarDateEdit(this);
        (*fields[i])->setGeometry(160, nextTop_, 97, 21);
        label->setBuddy(*fields[i]);
        nextTop_ += kRowHeight;
    }
    auto* note = new QLabel(QStringLiteral("Částka dokladu bez ohledu kdy byl pohyb na skladě."), this);
    note->setWordWrap(true);
    note->setGeometry(12, nextTop_, kDialogWidth - 24, 30);
    nextTop_ += 34;
    dateKind_ = addChoice(dateKinds);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(0, clientHeight - kPanelHeight, kDialogWidth, kPanelHeight);
    start_ = new QPushButton(QStringLiteral("Start"), panel);
    start_->setGeometry(kDialogWidth - 172, 8, 75, 25);
    cancel_ = new QPushButton(QStringLiteral("Storno"), panel);
    cancel_->setGeometry(kDialogWidth - 88, 8, 75, 25);
    for (QPushButton* button : {start_, cancel_}) {
        button->setAutoDefault(false);
        watchEnter(button);
    }
    connect(start_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    firstDate_->setFocus();
}

QButtonGroup* ListReportDialog::addChoice(const std::array<QString, 3>& items)
{
    auto* frame = new QGroupBox(this);
    frame->setGeometry(8, nextTop_, kDialogWidth - 16, kChoiceHeight - 6);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(items[size_t(i)], frame);
        item->setGeometry(8, 6 + 19 * i, kDialogWidth - 28, 18);
        group->addButton(item, i);
        watchEnter(item);
    }
    group->button(0)->setChecked(true);
    nextTop_ += kChoiceHeight;
    return group;
}

QCheckBox* ListReportDialog::addCheckBox(const QString& text, int width)
{
    auto* box = new QCheckBox(text, this);
    box->setGeometry(12, nextTop_, width, 20);
    watchEnter(box);
    return box;
}

void ListReportDialog::addXlsBox()
{
    xls_ = addCheckBox(QStringLiteral("Export data do souboru XLS ( MS Excel )"), kDialogWidth - 24);
    nextTop_ += kRowHeight;
    // The buttons were made first, with the frame; they come last in the tab order.
    setTabOrder(xls_, start_);
    setTabOrder(start_, cancel_);
}

void ListReportDialog::presetPeriod(const QDate& today)
{
    firstDate_->setDayNumber(dayOf(today.addDays(-30)));
    secondDate_->setDayNumber(dayOf(today));
}

ReportRequest ListReportDialog::request() const
{
    ReportRequest request;
    request.period = {firstDate_->dayNumber(), secondDate_->dayNumber()};
    request.dateBasis = DateBasis(dateKind_->checkedId());
    request.exportXls = xls_->isChecked();
    return request;
}

void ListReportDialog::watchEnter(QWidget* control)
{
    control->installEventFilter(this);
}

QWidget* ListReportDialog::focusOf(QButtonGroup* choice)
{
    return choice->checkedButton() != nullptr ? choice->checkedButton() : choice->button(0);
}

QWidget* ListReportDialog::enterTarget(QObject* control)
{
    if (control == xls_)
        return cancel_;
    return nullptr;
}

bool ListReportDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (!isEnterKey(key.key()) || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (watched == start_ || watched == cancel_) {
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
    if (QWidget* target = enterTarget(watched)) {
        target->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

} // namespace tarvela

#include "controls/FocusCheck.h"

#include <QFocusEvent>
#include <QTimer>
#include <QWidget>

#include "controls/MessageBoxes.h"

namespace tarvela {

namespace {

bool returningFocus = false;
int refusals = 0;

const QDate dayZero(1899, 12, 30);

} // namespace

bool isLeavingWithinWindow(const QFocusEvent& event, const QWidget& control)
{
    if (returningFocus || !control.isVisible() || !control.isEnabled())
        return false;
    switch (event.reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

void showErrorText(QWidget& control, const QString& text)
{
    showMessageBox(control.window(), QMessageBox::Critical, QStringLiteral("Chyba"), text);
}

void showDataFormatError(QWidget& control)
{
    showErrorText(control, QStringLiteral(" Chybný formát dat "));
}

void returnFocusTo(QWidget& control)
{
    ++refusals;
    // Qt is still handing the focus to the next control; take it back once
    // that has finished.
    QTimer::singleShot(0, &control, [&control] {
        returningFocus = true;
        control.window()->activateWindow();
        control.setFocus(Qt::OtherFocusReason);
        returningFocus = false;
    });
}

int refusedLeaves()
{
    return refusals;
}

QDate toQDate(int dayNumber)
{
    return dayZero.addDays(dayNumber);
}

int toDayNumber(const QDate& date)
{
    return static_cast<int>(dayZero.daysTo(date));
}

} // namespace tarvela

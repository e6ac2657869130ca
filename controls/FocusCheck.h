// Shared rules for the check a control makes when the focus leaves it: which
// focus changes count as leaving, the " Chybný formát dat " message, and
// returning the focus after a failed check without the control that loses it
// then checking its own value.
#pragma once

#include <QDate>
#include <QString>

class QFocusEvent;
class QWidget;

namespace tarvela {

// Leaving within the window (Tab, Enter, mouse, program); not a closing
// window, an opening message box or a drop-down.
bool isLeavingWithinWindow(const QFocusEvent& event, const QWidget& control);

void showDataFormatError(QWidget& control);
void showErrorText(QWidget& control, const QString& text);

void returnFocusTo(QWidget& control);
// Counts the checks that kept the focus, so that a key can tell whether
// the control it left refused the value.
int refusedLeaves();

// Conversions between day numbers and Qt dates.
QDate toQDate(int dayNumber);
int toDayNumber(const QDate& date);

} // namespace tarvela

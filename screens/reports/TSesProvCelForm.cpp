#include "screens/reports/TSesProvCelForm.h"

#include "controls/TPelzarDateEdit.h"

namespace tarvela {

TSesProvCelForm::TSesProvCelForm(QWidget* owner)
    : ReportDialog(owner, QStringLiteral("Sestava provizí  za období"), 106)
{
    addPeriodFields();
    firstDate()->setFocus();
}

} // namespace tarvela

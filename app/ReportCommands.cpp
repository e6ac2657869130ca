#include "app/ReportCommands.h"

#include "gui/NotAvailable.h"
#include "gui/WindowPlacement.h"
#include "screens/reports/TSesNevProvizeForm.h"
#include "screens/reports/TSesProvCelForm.h"
#include "screens/reports/TSesProvizeForm.h"
#include "controls/TEditOrvo.h"
#include "controls/TPelzarDateEdit.h"

namespace tarvela {

ReportCommands::ReportCommands(QWidget& mainWindow, TData& data, ReportRuns runs)
    : QObject(&mainWindow), main_(mainWindow), data_(data), runs_(std::move(runs))
{
}

QString ReportCommands::byGroupsTitle()
{
    return QStringLiteral("Sestava provizí dle skupin");
}

void ReportCommands::runSalesmanPeriod(const ReportRuns::SalesmanPeriodRun& run, const QString& title)
{
    TSesProvizeForm dialog(&main_, data_);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    placeAt(dialog, main_, 50, 30);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!run)
        return showNotAvailable(&main_);
    run(dialog.salesmanEdit()->text().toStdString(), dialog.firstDate()->dayNumber(),
        dialog.secondDate()->dayNumber());
}

void ReportCommands::settlement()
{
    runSalesmanPeriod(runs_.SesProvObch, {});
}

void ReportCommands::byGroups()
{
    runSalesmanPeriod(runs_.SesProvSku, byGroupsTitle());
}

void ReportCommands::percentOfPrice()
{
    runSalesmanPeriod(runs_.SesProvObchKar, {});
}

void ReportCommands::summary()
{
    TSesProvCelForm dialog(&main_);
    placeAt(dialog, main_, 50, 30);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!runs_.SesProvCel)
        return showNotAvailable(&main_);
    runs_.SesProvCel(dialog.firstDate()->dayNumber(), dialog.secondDate()->dayNumber());
}

void ReportCommands::unpaid()
{
    TSesNevProvizeForm dialog(&main_, data_);
    placeAt(dialog, main_, 50, 30);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!runs_.SesNepProvObch)
        return showNotAvailable(&main_);
    runs_.SesNepProvObch(dialog.salesmanEdit()->text().toStdString());
}

} // namespace tarvela

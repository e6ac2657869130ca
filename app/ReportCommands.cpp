#include "app/ReportCommands.h"

#include <QDate>
#include <optional>

#include "data/company/TData.h"
#include "gui/QtUi.h"
#include "gui/WindowPlacement.h"
#include "screens/reports/TSesNevProvizeForm.h"
#include "screens/reports/TSesPrehFakOdDo.h"
#include "screens/reports/TSesProdejce.h"
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
    runs_.SesProvCel(dialog.firstDate()->dayNumber(), dialog.secondDate()->dayNumber());
}

void ReportCommands::unpaid()
{
    TSesNevProvizeForm dialog(&main_, data_);
    placeAt(dialog, main_, 50, 30);
    if (dialog.exec() != QDialog::Accepted)
        return;
    runs_.SesNepProvObch(dialog.salesmanEdit()->text().toStdString());
}

void ReportCommands::runListReport(const ReportRuns::ListRun& run, const ReportRequest& request)
{
    std::optional<ReportProgressScope> progressWindow;
    if (auto* ui = dynamic_cast<QtUi*>(&data_.ui()))
        progressWindow.emplace(*ui);
    run(request);
}

void ReportCommands::invoiceOverview()
{
    // Whatever fails, the user is told so in these words and the tables are
    // released; the main window goes on.
    try {
        const std::shared_ptr<void> tables = runs_.HoldListReportTables ? runs_.HoldListReportTables() : nullptr;
        TSesPrehFakOdDo dialog(&main_, data_);
        dialog.presetPeriod(QDate::currentDate());
        placeAt(dialog, main_, 140, 50);
        if (dialog.exec() != QDialog::Accepted)
            return;
        runListReport(runs_.SesPrehFak, dialog.request());
    } catch (const std::exception&) {
        data_.ui().showMessage("Ošetření vyjímky");
    }
}

template <typename Dialog>
void ReportCommands::runPeriodReport(const ReportRuns::ListRun& run)
{
    Dialog dialog(&main_);
    dialog.presetPeriod(QDate::currentDate());
    placeAt(dialog, main_, 130, 70);
    if (dialog.exec() != QDialog::Accepted)
        return;
    runListReport(run, dialog.request());
}

void ReportCommands::salesTurnover()
{
    runPeriodReport<TSesProdejce>(runs_.SestProdejce);
}

void ReportCommands::customerRebate()
{
    runPeriodReport<TSesOdberat>(runs_.SestObratuOdberatelu);
}

} // namespace tarvela

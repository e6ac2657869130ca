// The commands of the "Sestavy" menu: each opens its parameter dialog at its
// offset from the main window and, on OK, starts its run with the dialog's
// values. The dialog is destroyed when the run has returned.
#pragma once

#include <QObject>

#include "commission/ReportRuns.h"

class QWidget;

namespace tarvela {

class TData;

class ReportCommands : public QObject {
    Q_OBJECT
public:
    ReportCommands(QWidget& mainWindow, TData& data, ReportRuns runs);

    void settlement();        // "Sestava vyúčtování provizí"
    void byGroups();          // "Sestava provizí dle skupin"
    void summary();           // "Sestava provizí souhrnná"
    void unpaid();            // "Sestava nevyplacených provizí"
    void percentOfPrice();    // "Sestava provizi  % z ceny"
    void invoiceOverview();   // "Přehled faktur za obchodníka"
    void salesTurnover();     // "Sestava obratu za obchodníky"
    void customerRebate();    // "Sestava rabatu dle odběratelů"
    // Titles replaced before showing, by command.
    static QString byGroupsTitle();

private:
    void runSalesmanPeriod(const ReportRuns::SalesmanPeriodRun& run, const QString& title);
    template <typename Dialog>
    void runPeriodReport(const ReportRuns::ListRun& run);
    // Runs a list report with its progress in the report-data window.
    void runListReport(const ReportRuns::ListRun& run, const ReportRequest& request);

    QWidget& main_;
    TData& data_;
    ReportRuns runs_;
};

} // namespace tarvela

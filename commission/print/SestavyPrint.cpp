// The handlers the report system calls for every report of the module, and
// the start of the report system for one request.
#include "commission/TDataSestavy.h"

#include "commission/print/ReportPrints.h"

namespace tarvela {

void TDataSestavy::startReport(const ReportRequest& request)
{
    request_ = request;
    Sestavy.SestavyBeforePrint = [this](TBaseReport& sender) { SestavyBeforePrint(sender); };
    Sestavy.SestavyPrint = [this](TBaseReport& sender) { SestavyPrint(sender); };
    const bool landscape =
        request.selector == ReportSelector::InvoiceOverview || request.selector == ReportSelector::CustomerRebate;
    Sestavy.setOrientation(landscape ? Orientation::Landscape : Orientation::Portrait);
    try {
        Sestavy.Execute();
    } catch (...) {
        Sestavy.setOrientation(Orientation::Portrait);
        throw;
    }
    Sestavy.setOrientation(Orientation::Portrait);
}

void TDataSestavy::SestavyBeforePrint(TBaseReport& sender)
{
    sender.Printer().select(data_.settings().mainPrinterIndex);
}

void TDataSestavy::SestavyPrint(TBaseReport& sender)
{
    switch (request_.selector) {
    case ReportSelector::Settlement: printSettlement(*this, request_, sender); break;
    case ReportSelector::Groups: printGroupReport(*this, request_, sender); break;
    case ReportSelector::Summary: printSummary(*this, request_, sender); break;
    case ReportSelector::Disallowed: printDisallowed(*this, request_, sender); break;
    case ReportSelector::SpecialSettlement: printSpecialSettlement(*this, request_, sender); break;
    case ReportSelector::InvoiceOverview: printInvoiceOverview(*this, request_, sender); break;
    case ReportSelector::SalesTurnover: printSalesTurnover(*this, request_, sender); break;
    case ReportSelector::CustomerRebate: printCustomerRebate(*this, request_, sender); break;
    }
}

} // namespace tarvela

#include "commission/ReportTablesOpen.h"

#include "data/DocumentRows.h"
#include "data/IndexedOpening.h"
#include "data/TData.h"

namespace tarvela {

ReportTableOpen::ReportTableOpen(DbfTable& table, const std::function<void()>& open, std::function<void()> close)
    : close_(std::move(close)), openedHere_(!table.isOpen())
{
    open();
}

ReportTableOpen::~ReportTableOpen()
{
    if (!openedHere_)
        return;
    try {
        close_();
    } catch (...) {
        // Closing only releases files; it must not hide the error that may
        // be unwinding the run.
    }
}

namespace {

std::string splitIndexName(const TData& data)
{
    return "DPR" + data.settings().companyNumber;
}

} // namespace

ReportTablesOpen::ReportTablesOpen(TData& data)
    : salesmen_(data.Obchodnici, [&] { if (!data.Obchodnici.isOpen()) data.Obchodnici.open(); },
                [&data] { data.Obchodnici.close(); }),
      invoices_(data.Faktury, [&] { data.OpenFak(0, "DO1"); }, [&data] { data.CloseFak(); }),
      splits_(data.DelProv,
              [&] { openWithIndex(data.DelProv, splitIndexName(data), "DO1", WhenAlreadyOpen::AttachWhenNoTags); },
              [&data] { closeWithIndex(data.DelProv, splitIndexName(data)); }),
      creditNotes_(data.Dobropisy, [&] { data.OpenDob(0, "DO1"); }, [&data] { data.CloseDob(); })
{
}

bool locateSalesman(TData& data, const std::string& salesman)
{
    return data.Obchodnici.locate({"OBC_KOD"}, {withoutTrailingBlanks(salesman)});
}

} // namespace tarvela

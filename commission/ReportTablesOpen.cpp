#include "commission/ReportTablesOpen.h"

#include "data/DocumentRows.h"
#include "data/IndexedOpening.h"
#include "data/TData.h"

namespace tarvela {

namespace {

std::string splitIndexName(const TData& data)
{
    return "DPR" + data.settings().companyNumber;
}

void openSplits(TData& data)
{
    openWithIndex(data.DelProv, splitIndexName(data), "DO1", WhenAlreadyOpen::AttachWhenNoTags);
}

} // namespace

ReportTablesOpen::ReportTablesOpen(TData& data)
    : salesmen_(data.Obchodnici, [&] { data.Obchodnici.open(); }, [&data] { data.Obchodnici.close(); }),
      invoices_(data.Faktury, [&] { data.OpenFak(0, "DO1"); }, [&data] { data.CloseFak(); }),
      splits_(data.DelProv, [&] { openSplits(data); },
              [&data] { closeWithIndex(data.DelProv, splitIndexName(data)); }),
      creditNotes_(data.Dobropisy, [&] { data.OpenDob(0, "DO1"); }, [&data] { data.CloseDob(); })
{
    // Tables found open stay open but take the run's tags.
    if (data.Faktury.isOpen() && !invoices_.openedHere())
        data.OpenFak(0, "DO1");
    if (data.DelProv.isOpen() && !splits_.openedHere())
        openSplits(data);
    if (data.Dobropisy.isOpen() && !creditNotes_.openedHere())
        data.OpenDob(0, "DO1");
}

bool locateSalesman(TData& data, const std::string& salesman)
{
    return data.Obchodnici.locate({"OBC_KOD"}, {withoutTrailingBlanks(salesman)});
}

} // namespace tarvela

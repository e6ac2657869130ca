#include "data/documents/DocumentJournal.h"

#include "data/documents/DocumentRows.h"
#include "data/table/ScopedTableOpen.h"
#include "data/company/TData.h"

namespace tarvela {

void forEachJournalLine(TData& data, const std::string& document, const std::function<void()>& visit)
{
    ScopedTableOpen journal(data, data.Denik, "DOK");
    ScopedTableOpen cards(data, data.Sortiment, "KAV");
    data.Sortiment.selectTag("KAV");
    data.Denik.selectTag("DOK");
    const DbfTable::IndexHold held(data.Denik);
    if (!data.Denik.seek(document, true))
        return;
    for (; !data.Denik.eof() && sameNumber(data.Denik.asString("DEN_DOK"), document); data.Denik.next())
        visit();
}

} // namespace tarvela

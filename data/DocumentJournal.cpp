#include "data/DocumentJournal.h"

#include "data/DocumentRows.h"
#include "data/ScopedTableOpen.h"
#include "data/TData.h"

namespace tarvela {

void forEachJournalLine(TData& data, const std::string& document, const std::function<void()>& visit)
{
    ScopedTableOpen journal(data.Denik, [&] { data.OpenDen(0, "DOK"); }, [&] { data.CloseDenik(); });
    ScopedTableOpen cards(data.Sortiment, [&] { data.OpenSor(0, "KAV"); }, [&] { data.CloseSor(); });
    data.Sortiment.selectTag("KAV");
    data.Denik.selectTag("DOK");
    if (!data.Denik.seek(document, true))
        return;
    for (; !data.Denik.eof() && sameNumber(data.Denik.asString("DEN_DOK"), document); data.Denik.next())
        visit();
}

} // namespace tarvela

#include "data/documents/DocumentJournal.h"

#include "data/documents/DocumentRows.h"
#include "data/table/ScopedTableOpen.h"
#include "data/company/TData.h"

namespace tarvela {

void forEachJournalLine(TData& data, const std::string& document, const std::function<void()>& visit)
{
    forEachJournalLineOfDocuments(data, {document}, [&](std::size_t) { visit(); });
}

void forEachJournalLineOfDocuments(TData& data, const std::vector<std::string>& documents,
                                   const std::function<void(std::size_t document)>& visit)
{
    ScopedTableOpen journal(data, data.Denik, "DOK");
    ScopedTableOpen cards(data, data.Sortiment, "KAV");
    data.Sortiment.selectTag("KAV");
    data.Denik.selectTag("DOK");
    const DbfTable::IndexHold held(data.Denik);
    for (std::size_t document = 0; document < documents.size(); ++document) {
        const std::string& number = documents[document];
        if (!data.Denik.seek(number, true))
            continue;
        for (; !data.Denik.eof() && sameNumber(data.Denik.asString("DEN_DOK"), number); data.Denik.next())
            visit(document);
    }
}

} // namespace tarvela

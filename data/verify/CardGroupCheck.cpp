#include "data/verify/CardGroupCheck.h"

#include <unordered_set>

#include "data/company/TData.h"
#include "data/documents/CardGroupField.h"
#include "data/verify/CompanyBooks.h"
#include "data/verify/TableReading.h"
#include "platform/Text.h"

namespace tarvela {

namespace {

// Cards on documents rated by the old groups.
std::unordered_set<std::string> cardsRatedByOldGroups(const CompanyBooks& books)
{
    std::unordered_set<std::string> cards;
    for (const StoredHeader& header : books.headers)
        if (std::string_view(cardGroupField(header.issueDate)) == "SOR_SKO")
            for (const ItemSum& item : books.itemsOf(header.number))
                cards.insert(withoutTrailingBlanks(item.card));
    return cards;
}

} // namespace

Findings checkCardGroups(TData& data, const CompanyBooks& books, TableRunProgress* progress)
{
    std::unordered_set<std::string> groups;
    readEveryRecord(data.SortiSkup, [&] { groups.insert(data.SortiSkup.asString("SSK_SKU")); }, progress);
    const std::unordered_set<std::string> oldGroupCards = cardsRatedByOldGroups(books);
    Findings findings;
    const std::string file = data.Sortiment.tableName();
    const auto check = [&](const char* field, const char* documents) {
        const std::string group = data.Sortiment.asString(field);
        if (!group.empty() && groups.contains(group))
            return;
        const std::string detail = group.empty()
            ? std::string(field) + " is blank" + documents
            : std::string(field) + " " + group + " is not a group of " + data.SortiSkup.tableName() + documents;
        findings.push_back({FindingKind::CardGroup, file, data.Sortiment.asString("SOR_KAV"), detail});
    };
    readEveryRecord(data.Sortiment, [&] {
        check("SOR_SKU", "");
        if (oldGroupCards.contains(withoutTrailingBlanks(data.Sortiment.asString("SOR_KAV"))))
            check("SOR_SKO", " (documents before 2007)");
    }, progress);
    return findings;
}

} // namespace tarvela

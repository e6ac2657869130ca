#include "data/verify/CompanyBooks.h"

#include "data/company/TData.h"
#include "data/documents/DiscountRecord.h"
#include "data/verify/HeaderTotalFields.h"
#include "data/verify/TableReading.h"

namespace tarvela {

namespace {

StoredHeader readHeader(const DbfTable& table, int kind)
{
    StoredHeader header{table.asString("HLA_DO1"), kind, table.tableName(), table.asString("HLA_OBC"),
                        table.asDate("HLA_DVS"), {}, table.asBool("HLA_PLA"), table.asFloat("HLA_BPL"),
                        table.asDate("HLA_BDP")};
    for (const TotalField& field : kHeaderTotalFields)
        header.totals.*field.member = table.asFloat(field.name);
    return header;
}

template <typename Book>
Book readBook(DbfTable& table, TableRunProgress* progress)
{
    if (progress)
        progress->beginTable(table.tableName());
    return whileOpen(table, [&] { return Book(table); });
}

} // namespace

CompanyBooks::CompanyBooks(TData& data, TableRunProgress* progress)
    : payments(readBook<PaymentBook>(data.Vypisy, progress)), splits(readBook<SplitBook>(data.DelProv, progress)),
      discountFile(data.FaktSlevy.tableName()), paymentFile(data.Vypisy.tableName()),
      splitFile(data.DelProv.tableName()), salesmanFile(data.Obchodnici.tableName())
{
    for (const auto& source : {std::pair{&data.Faktury, kInvoiceKind}, std::pair{&data.Dobropisy, kCreditNoteKind}})
        readEveryRecord(*source.first, [&] {
            headers.push_back(readHeader(*source.first, source.second));
            headerAt_.try_emplace(headers.back().number, headers.size() - 1);
        }, progress);

    DbfTable& denik = data.Denik;
    const int priceBasis = data.settings().priceBasis;
    readEveryRecord(denik, [&] {
        const StoredHeader* owner = header(denik.asString("DEN_DOK"));
        if (!owner)
            return;
        const ItemLine line = itemLineOf(owner->kind, denik.asInteger("DEN_KUS"), denik.asFloat("DEN_HPC"),
                                         denik.asFloat("DEN_HNC"), denik.asFloat("DEN_DAN"), priceBasis);
        addItemLine(items_[owner->number], denik.asString("DEN_KAV"), denik.asString("DEN_IND"), line);
    }, progress);

    DbfTable& faktSlevy = data.FaktSlevy;
    readEveryRecord(faktSlevy, [&] {
        discounts[faktSlevy.asString("FAS_FAK")].push_back(readDiscount(faktSlevy));
    }, progress);

    readEveryRecord(data.Obchodnici, [&] { salesmen_.insert(data.Obchodnici.asString("OBC_KOD")); }, progress);
}

const StoredHeader* CompanyBooks::header(const std::string& number) const
{
    const auto found = headerAt_.find(number);
    return found == headerAt_.end() ? nullptr : &headers[found->second];
}

const std::vector<ItemSum>& CompanyBooks::itemsOf(const std::string& number) const
{
    static const std::vector<ItemSum> none;
    const auto found = items_.find(number);
    return found == items_.end() ? none : found->second;
}

const std::vector<DocumentDiscount>& CompanyBooks::discountsOf(const std::string& number) const
{
    static const std::vector<DocumentDiscount> none;
    const auto found = discounts.find(number);
    return found == discounts.end() ? none : found->second;
}

bool CompanyBooks::isSalesman(const std::string& code) const
{
    return salesmen_.contains(code);
}

} // namespace tarvela

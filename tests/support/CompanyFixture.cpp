#include "CompanyFixture.h"

#include <filesystem>
#include <fstream>

#include "data/catalogue/IndexCatalogue.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/dbf/DbfCreator.h"
#include "platform/Error.h"

namespace tarvela::test {

namespace {

const char* const company = "0001";

// The tables the commission and the totals read, and the users, groups and
// rights tables (start-up checks for the users table).
const char* const tableMembers[] = {"Faktury", "Dobropisy", "Denik", "Sortiment", "SortiSkup", "Vypisy",
                                    "FaktSlevy", "Obchodnici", "DelProv", "ProvKar", "Uzivatele",
                                    "UzivSkup", "UziPopPrav", "UziPrava", "Vlastnik", "TypPlatby", "TypProvize"};

std::vector<FieldDescriptor> descriptorsOf(const TableLayout& layout)
{
    std::vector<FieldDescriptor> fields;
    for (const LayoutField& field : layout.fields) {
        switch (field.kind) {
        case FieldKind::Character: fields.push_back({field.name, 'C', std::uint8_t(field.width), 0}); break;
        case FieldKind::Float: fields.push_back({field.name, 'N', 15, 4}); break;
        case FieldKind::Integer: fields.push_back({field.name, 'N', 10, 0}); break;
        case FieldKind::SmallInteger: fields.push_back({field.name, 'N', 4, 0}); break;
        case FieldKind::Logical: fields.push_back({field.name, 'L', 1, 0}); break;
        case FieldKind::Date: fields.push_back({field.name, 'D', 8, 0}); break;
        default: break;  // computed, looked up and memo fields are not in the file
        }
    }
    return fields;
}

void writeValue(DbfCreator& creator, int field, const FieldValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        creator.setText(field, *text);
    else if (const auto* number = std::get_if<double>(&value))
        creator.setNumber(field, *number);
    else if (const auto* date = std::get_if<DateValue>(&value))
        creator.setDate(field, date->day);
    else
        creator.setBool(field, std::get<bool>(value));
}

const IndexedTable* indexOf(const std::string& member)
{
    for (const IndexedTable& table : indexCatalogue())
        if (table.member == member)
            return &table;
    return nullptr;
}

} // namespace

CompanyFixture::CompanyFixture(int priceBasis) : priceBasis_(priceBasis)
{
    std::filesystem::create_directories(dataDirectory());
    std::ofstream ini(folder_ / "Merkan.ini");
    ini << "[Merkan]\r\nCestaData=" << dataDirectory() << "\r\nMerkan=" << company
        << "\r\nZakladniCenySDPH=" << (priceBasis == 2 ? "Ano" : "Ne") << "\r\n";
}

CompanyFixture::~CompanyFixture() = default;

std::string CompanyFixture::dataDirectory() const
{
    return (folder_ / "data").string() + "/";
}

void CompanyFixture::add(const std::string& member, const Row& row)
{
    if (data_)
        throw Error("Rows must be added before the tables are written");
    rows_[member].push_back(row);
}

TData& CompanyFixture::data()
{
    if (!data_) {
        writeFiles();
        data_ = std::make_unique<TData>(ui, folder_.str() + "/");
        if (!data_->DataCreate())
            throw Error("The test company cannot be opened");
    }
    return *data_;
}

void CompanyFixture::writeFiles()
{
    for (const std::string member : tableMembers) {
        const CatalogueEntry* entry = findCatalogueEntry(member);
        const std::string baseName = entry->fileBaseName(company);
        DbfCreator creator(dataDirectory() + baseName + ".DBF", descriptorsOf(*entry->layout), {2026, 1, 1});
        for (const Row& row : rows_[member]) {
            creator.beginRecord();
            for (const auto& [name, value] : row) {
                const int field = creator.fieldIndex(name);
                if (field < 0)
                    throw Error("No field " + name + " in " + member);
                writeValue(creator, field, value);
            }
            creator.endRecord();
        }
        creator.finish();

        const IndexedTable* index = indexOf(member);
        if (!index)
            continue;
        DbfTable table;
        table.setDirectory(dataDirectory());
        table.setTableName(baseName);
        table.setExclusive(true);
        table.open();
        for (const IndexTagSpec& tag : index->tags)
            table.buildIndexTag(index->indexBaseName(company) + ".cdx", tag.name, tag.keyExpression,
                                tag.forExpression, tag.isUnique(), tag.isDescending());
        table.close();
    }
}

void CompanyFixture::addJournalLine(const std::string& document, const std::string& card,
                                    const std::string& operation, int quantity, double value, double cost,
                                    double vatRate, const std::string& variant)
{
    add("Denik", {{"DEN_DOK", document}, {"DEN_KAV", card}, {"DEN_IND", variant}, {"DEN_OPE", operation},
                  {"DEN_KUS", double(quantity)}, {"DEN_HPC", value}, {"DEN_HNC", cost}, {"DEN_DAN", vatRate}});
}

void CompanyFixture::addCard(const std::string& card, const std::string& name, const std::string& group,
                             const std::string& groupBefore2007)
{
    add("Sortiment", {{"SOR_KAV", card}, {"SOR_NAC", name}, {"SOR_SKU", group}, {"SOR_SKO", groupBefore2007}});
}

void CompanyFixture::addGroup(const std::string& group, double rate)
{
    add("SortiSkup", {{"SSK_SKU", group}, {"SSK_NAC", "Skupina " + group}, {"SSK_PRO", rate}});
}

void CompanyFixture::addSalesman(const std::string& code, double discountLimit, double reductionCoefficient,
                                 int paymentLimit)
{
    add("Obchodnici", {{"OBC_KOD", code}, {"OBC_NAC", "Obchodník " + code}, {"OBC_LIM", discountLimit},
                       {"OBC_KRA", reductionCoefficient}, {"OBC_SPL", double(paymentLimit)}});
}

void CompanyFixture::addSplit(const std::string& document, const std::string& salesman, double commissionShare,
                              double turnoverShare, const std::string& type, double fixedRate)
{
    add("DelProv", {{"DPR_FAK", document}, {"DPR_OBC", salesman}, {"DPR_PRO", commissionShare},
                    {"DPR_OBR", turnoverShare}, {"DPR_TYP", type}, {"DPR_PRS", fixedRate}});
}

void CompanyFixture::addPayment(const std::string& document, double amount, DayNumber date)
{
    add("Vypisy", {{"VYP_DO1", document}, {"VYP_HOD", amount}, {"VYP_DVS", DateValue{date}},
                   {"VYP_DO2", "BV" + document}, {"VYP_TYP", "001"}});
}

void CompanyFixture::addDiscount(const std::string& document, double amount, double vatRate, bool reducesVatBase,
                                 bool spreadIntoItems)
{
    add("FaktSlevy", {{"FAS_FAK", document}, {"FAS_SLE", amount}, {"FAS_DAN", vatRate},
                      {"FAS_DPH", reducesVatBase}, {"FAS_ROZ", spreadIntoItems}});
}

void CompanyFixture::addCommissionCard(const std::string& salesman, const std::string& card, double rate)
{
    add("ProvKar", {{"PRO_OBC", salesman}, {"PRK_KAR", card}, {"PRK_PRO", rate}});
}

void CompanyFixture::addInvoiceHeader(const std::string& document, const std::string& salesman)
{
    add("Faktury", {{"HLA_DO1", document}, {"HLA_OBC", salesman}, {"HLA_NAC", "Odběratel " + document}});
}

void CompanyFixture::addCreditNoteHeader(const std::string& document, const std::string& salesman)
{
    add("Dobropisy", {{"HLA_DO1", document}, {"HLA_OBC", salesman}, {"HLA_NAC", "Odběratel " + document}});
}

} // namespace tarvela::test

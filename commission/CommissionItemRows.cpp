#include "commission/CommissionItemRows.h"

#include "data/mem/MemTable.h"
#include "data/table/FieldDisplay.h"
#include "platform/Text.h"
#include "report/NumberFormat.h"

namespace tarvela {

const std::vector<CommissionItemColumn>& commissionItemColumns()
{
    static const std::vector<CommissionItemColumn> columns = {
        {"DOK_KAV", "Karta"},          {"DOK_IND", "Var."},        {"DOK_NAZ", "Název položky", 202},
        {"DOK_PCC", "Cena.skut"},      {"DOK_PCS", "Ceník. cena"}, {"DOK_PSA", "Saz.prov %"},
        {"DOK_RAP", "Rab.skut %"},     {"DOK_PSP", "Prov.skut.%"}, {"DOK_PSK", "Prov.skut.Kč"},
        {"DOK_PC1", "PC / kus"},       {"DOK_NC1", "SC / kus"},    {"DOK_KUS", "Kusy"},
        {"DOK_RAB", "Sle.Obch."},      {"DOK_DAN", "DPH"},         {"DOK_DPH", "Hod. DPH"},
        {"DOK_NCC", "SC Celkem"},      {"DOK_CIS", "Číslo dokladu"}, {"DOK_SKU", "Skup."}};
    return columns;
}

std::vector<std::vector<std::string>> commissionItemTexts(MemTable& items)
{
    std::vector<std::vector<std::string>> rows;
    if (!items.isOpen())
        return rows;
    for (items.first(); !items.eof(); items.next()) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const CommissionItemColumn& column : commissionItemColumns()) {
            const MemField& field = items.schema().at(items.schema().indexOf(column.field));
            if (field.type != MemFieldType::Float)
                row.push_back(withoutTrailingBlanks(items.asString(column.field)));
            else if (field.displayFormat == "#,##0.00")
                row.push_back(formatMoney(items.asFloat(column.field)));
            else
                row.push_back(formatPlain(items.asFloat(column.field)));
        }
    }
    return rows;
}

} // namespace tarvela

#include "data/documents/DocumentRowFields.h"

namespace tarvela {

namespace {

MemField amount(const char* name, const char* label)
{
    return {name, MemFieldType::Float, 0, label, "#,##0.00"};
}

MemField number(const char* name, const char* label)
{
    return {name, MemFieldType::Float, 0, label, ""};
}

MemField text(const char* name, int width, const char* label)
{
    return {name, MemFieldType::String, width, label, ""};
}

} // namespace

void declareDocumentRowFields(MemTable& table, bool withCommission)
{
    table.addField(amount("DOK_PC1", "PC / kus"));
    table.addField(amount("DOK_NC1", "SC / kus"));
    table.addField(number("DOK_KUS", "Kusy"));
    table.addField(amount("DOK_PCC", "PC Celkem"));
    table.addField(amount("DOK_PCS", "Cen. cena"));
    table.addField(amount("DOK_RAB", "Sle.Obch."));
    table.addField(amount("DOK_SLP", "Sleva Mn."));
    table.addField(number("DOK_DAN", "DPH"));
    table.addField(amount("DOK_NCC", "SC Celkem"));
    table.addField(amount("DOK_DPH", "Hod. DPH"));
    table.addField(text("DOK_SKU", 3, "Skup."));
    table.addField(amount("DOK_POM", "Sleva Spc."));
    table.addField(text("DOK_KAV", 6, "Karta"));
    table.addField(text("DOK_IND", 3, "Var."));
    table.addField(text("DOK_NAZ", 40, "Název položky"));
    table.addField(text("DOK_VAP", 1, "V.P."));
    MemField unused = text("DOK_PRV", 1, "");
    unused.calculated = true;
    table.addField(unused);
    table.addField(text("DOK_CIS", 10, "Číslo dokladu"));
    if (withCommission)
        table.addField(amount("DOK_PSA", "Saz.prov %"));
    table.addField(amount("DOK_RAP", withCommission ? "Rab.skut %" : "Sl.obch.%"));
    if (withCommission) {
        table.addField(amount("DOK_PSP", "Prov.skut.%"));
        table.addField(amount("DOK_PSK", "Prov.skut.Kč"));
        table.addField(amount("DOK_POD", "Pop.Prov."));
        table.addField(amount("DOK_POO", "Podíl obr."));
    }
    table.setSortFields("DOK_KAV;DOK_IND");
}

} // namespace tarvela

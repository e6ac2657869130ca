#include "commission/SesFakMem.h"

namespace tarvela {

namespace {

void setDateUnlessEmpty(MemTable& table, const std::string& field, DayNumber day)
{
    if (day != 0)
        table.setDate(field, day);
}

} // namespace

MemTable makeSesFakMem()
{
    MemTable table("SesFakMem");
    table.addField({"Vystaveno", MemFieldType::DateTime, 0, "", ""});
    table.addField({"Faktura", MemFieldType::String, 10, "", ""});
    table.addField({"Proforma", MemFieldType::String, 10, "", ""});
    table.addField({"KodOdb", MemFieldType::String, 7, "", ""});
    table.addField({"KodOdbPob", MemFieldType::String, 3, "", ""});
    table.addField({"Nazev", MemFieldType::String, 30, "", ""});
    table.addField({"CelkemNC", MemFieldType::Float, 0, "", ""});
    table.addField({"CelkemPC", MemFieldType::Float, 0, "", "#,##0.00", 2});
    for (const char* name : {"Zaklad22", "Zaklad05", "Zaklad00", "Dan22", "Dan05"})
        table.addField({name, MemFieldType::Float, 0, "", ""});
    table.addField({"HalVyr", MemFieldType::Float, 0, "", "#,##0.00", 2});
    table.addField({"CelkemPlac", MemFieldType::Float, 0, "", ""});
    table.addField({"Obchodnik", MemFieldType::String, 3, "", ""});
    table.addField({"splatno", MemFieldType::DateTime, 0, "", ""});
    table.addField({"dzp", MemFieldType::DateTime, 0, "", ""});
    return table;
}

void appendToSesFakMem(MemTable& table, const ListedDocument& document, const DocumentAmounts& amounts,
                       double paid)
{
    table.append();
    setDateUnlessEmpty(table, "Vystaveno", document.entered);
    table.setString("Faktura", document.number);
    table.setString("Proforma", document.proforma);
    table.setString("KodOdb", document.customerId);
    table.setString("KodOdbPob", document.branch);
    table.setString("Nazev", document.customerName);
    setAmounts(table, amounts);
    table.setFloat("CelkemPlac", paid);
    table.setString("Obchodnik", document.salesman);
    setDateUnlessEmpty(table, "splatno", document.due);
    setDateUnlessEmpty(table, "dzp", document.taxableSupply);
    table.post();
}

DayNumber sesFakMemDate(const MemTable& table, DateBasis basis)
{
    switch (basis) {
    case DateBasis::TaxableSupply: return table.asDate("dzp");
    case DateBasis::DueDate: return table.asDate("splatno");
    default: return table.asDate("Vystaveno");
    }
}

} // namespace tarvela

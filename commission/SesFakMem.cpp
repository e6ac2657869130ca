#include "commission/SesFakMem.h"

namespace tarvela {

namespace {

void setDateUnlessEmpty(MemTable& table, std::size_t field, DayNumber day)
{
    if (day != 0)
        table.setFloat(field, double(day));
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

void appendToSesFakMem(MemTable& table, const DocumentBatch& documents, const std::vector<DocumentAmounts>& amounts,
                       const std::vector<double>& paid)
{
    const MemSchema& fields = table.schema();
    const std::size_t issued = fields.indexOf("Vystaveno"), number = fields.indexOf("Faktura"),
                      proforma = fields.indexOf("Proforma"), customer = fields.indexOf("KodOdb"),
                      branch = fields.indexOf("KodOdbPob"), name = fields.indexOf("Nazev"),
                      paidSum = fields.indexOf("CelkemPlac"), salesman = fields.indexOf("Obchodnik"),
                      due = fields.indexOf("splatno"), taxableSupply = fields.indexOf("dzp");
    const AmountPositions amountFields = amountPositions(fields);
    for (std::size_t i = 0; i < documents.size(); ++i) {
        const ListedDocument& document = documents[i];
        table.append();
        setDateUnlessEmpty(table, issued, document.entered);
        table.setString(number, document.number);
        table.setString(proforma, document.proforma);
        table.setString(customer, document.customerId);
        table.setString(branch, document.branch);
        table.setString(name, document.customerName);
        setAmounts(table, amountFields, amounts[i]);
        table.setFloat(paidSum, paid[i]);
        table.setString(salesman, document.salesman);
        setDateUnlessEmpty(table, due, document.due);
        setDateUnlessEmpty(table, taxableSupply, document.taxableSupply);
        table.post();
    }
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

#include "commission/SesObchod.h"

namespace tarvela {

MemTable makeSesObchod()
{
    MemTable table("SesObchod");
    table.addField({"Obc", MemFieldType::String, 3, "", ""});
    table.addField({"CelkemPC", MemFieldType::Float, 0, "", "#,##0.00"});
    table.addField({"CelkemNC", MemFieldType::Float, 0, "", "#,##0.00"});
    for (const char* name : {"Zaklad22", "Zaklad05", "Zaklad00", "Dan22", "Dan05", "HalVyr"})
        table.addField({name, MemFieldType::Float, 0, "", ""});
    table.addIndex({"Obc", {"Obc"}, true});
    return table;
}

void addToSesObchod(MemTable& table, const std::string& salesman, const DocumentAmounts& amounts)
{
    if (table.locate({"Obc"}, {salesman})) {
        DocumentAmounts sum = readAmounts(table);
        sum += amounts;
        table.edit();
        setAmounts(table, sum);
    } else {
        table.append();
        table.setString("Obc", salesman);
        setAmounts(table, amounts);
    }
    table.post();
}

} // namespace tarvela

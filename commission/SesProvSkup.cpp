#include "commission/SesProvSkup.h"

namespace tarvela {

MemTable makeSesProvSkup()
{
    MemTable table("SesProvSkup");
    table.addField({"SES_OBC", MemFieldType::String, 3, "Obchodnik", ""});
    table.addField({"SES_SKU", MemFieldType::String, 3, "Skupina", ""});
    table.addField({"SES_PCS", MemFieldType::Float, 0, "Soucet CC", ""});
    table.addField({"SES_PRK", MemFieldType::Float, 0, "Prov v Kč", ""});
    table.addField({"SES_PCC", MemFieldType::Float, 0, "Cel.PC", ""});
    table.addIndex({"ObchSku", {"SES_OBC", "SES_SKU"}});
    table.setSortFields("SES_OBC;SES_SKU");
    return table;
}

void addToSesProvSkup(MemTable& table, const std::string& salesman, const std::string& group,
                      const CommissionSums& sums)
{
    if (table.locate({"SES_OBC", "SES_SKU"}, {salesman, group})) {
        table.edit();
        table.setFloat("SES_PCS", table.asFloat("SES_PCS") + sums.priceListValue);
        table.setFloat("SES_PCC", table.asFloat("SES_PCC") + sums.soldValue);
        table.setFloat("SES_PRK", table.asFloat("SES_PRK") + sums.commission);
    } else {
        table.append();
        table.setString("SES_OBC", salesman);
        table.setString("SES_SKU", group);
        table.setFloat("SES_PCS", sums.priceListValue);
        table.setFloat("SES_PCC", sums.soldValue);
        table.setFloat("SES_PRK", sums.commission);
    }
    table.post();
}

} // namespace tarvela

#include "commission/SesMarObr.h"

namespace tarvela {

namespace {

void calculate(MemRecord& row)
{
    const double cost = row.asFloat("SES_CNC");
    const double priceList = row.asFloat("SES_CPC");
    const double rebate = row.asFloat("SES_RAB");
    row.setFloat("SES_MAR", marginPercent(priceList, cost));
    row.setFloat("SES_RAP", partPercent(rebate, priceList));
    row.setFloat("SES_MAS", marginPercent(priceList - rebate, cost));
}

} // namespace

double marginPercent(double sales, double cost)
{
    return cost != 0 ? (sales - cost) / (cost / 100) : kNoMargin;
}

double partPercent(double part, double whole)
{
    return whole != 0 ? part / (whole / 100) : 0;
}

MemTable makeSesMarObr()
{
    MemTable table("SesMarObr");
    table.addField({"SES_OBC", MemFieldType::String, 3, "", ""});
    table.addField({"SES_ODB", MemFieldType::String, 7, "", ""});
    table.addField({"SES_CNC", MemFieldType::Float, 0, "", "#,##0.00", 3});
    table.addField({"SES_CPC", MemFieldType::Float, 0, "", "#,##0.00", 3});
    table.addField({"SES_MAR", MemFieldType::Float, 0, "", "#,##0.00", 3, true});
    table.addField({"SES_NAC", MemFieldType::String, 30, "", ""});
    table.addField({"SES_RAB", MemFieldType::Float, 0, "", "#,##0.00", 3});
    table.addField({"SES_RAP", MemFieldType::Float, 0, "", "", 3, true});
    table.addField({"SES_MAS", MemFieldType::Float, 0, "", "", 3, true});
    table.addIndex({"ODB", {"SES_ODB"}});
    table.addIndex({"NAC", {"SES_NAC"}});
    table.addIndex({"OBR", {"SES_CPC"}, false, true});
    table.addIndex({"OBC", {"SES_OBC", "SES_ODB"}});
    table.setCalculation(calculate);
    return table;
}

void addToSesMarObr(MemTable& table, const std::string& salesman, const std::string& customer,
                    const std::string& customerName, const std::vector<RebateAmounts>& lines, double share)
{
    if (lines.empty())
        return;
    const bool found = table.locate({"SES_OBC", "SES_ODB"}, {salesman, customer});
    RebateAmounts sum = found ? RebateAmounts{table.asFloat("SES_CNC"), table.asFloat("SES_CPC"),
                                              table.asFloat("SES_RAB")}
                              : RebateAmounts{lines.front().cost * share, lines.front().priceList * share,
                                              lines.front().rebate * share};
    for (auto line = lines.begin() + (found ? 0 : 1); line != lines.end(); ++line) {
        sum.cost += line->cost * share;
        sum.priceList += line->priceList * share;
        sum.rebate += line->rebate * share;
    }
    if (found) {
        table.edit();
    } else {
        table.append();
        table.setString("SES_OBC", salesman);
        table.setString("SES_ODB", customer);
        table.setString("SES_NAC", customerName);
    }
    table.setFloat("SES_CNC", sum.cost);
    table.setFloat("SES_CPC", sum.priceList);
    table.setFloat("SES_RAB", sum.rebate);
    table.post();
}

} // namespace tarvela

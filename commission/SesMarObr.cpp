#include "commission/SesMarObr.h"

#include <optional>

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

// A row's sums; an empty one has had no line added to it.
struct RebateSums {
    std::optional<double> cost, priceList, rebate;
};

std::optional<double> storedSum(const MemTable& table, const char* field)
{
    if (table.isNull(field))
        return std::nullopt;
    return table.asFloat(field);
}

// An empty sum reads as 0, so the first amount is stored as it is.
void addTo(std::optional<double>& sum, double amount)
{
    sum = sum ? *sum + amount : amount;
}

void setSum(MemTable& table, const char* field, const std::optional<double>& sum)
{
    if (sum)
        table.setFloat(field, *sum);
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
    RebateSums sum;
    if (found)
        sum = {storedSum(table, "SES_CNC"), storedSum(table, "SES_CPC"), storedSum(table, "SES_RAB")};
    for (const RebateAmounts& line : lines) {
        if (line.isSale) {
            addTo(sum.cost, line.cost * share);
            addTo(sum.priceList, line.priceList * share);
        } else {
            addTo(sum.rebate, line.rebate * share);
        }
    }
    if (found) {
        table.edit();
    } else {
        table.append();
        table.setString("SES_OBC", salesman);
        table.setString("SES_ODB", customer);
        table.setString("SES_NAC", customerName);
    }
    setSum(table, "SES_CNC", sum.cost);
    setSum(table, "SES_CPC", sum.priceList);
    setSum(table, "SES_RAB", sum.rebate);
    table.post();
}

} // namespace tarvela

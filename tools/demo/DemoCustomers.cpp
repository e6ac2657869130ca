// Customers and their branches.
#include <algorithm>
#include <cstdio>

#include "DemoGenerators.h"
#include "DemoSchemas.h"
#include "DemoTable.h"

namespace tarvela::demo {

namespace {

const std::vector<std::string> kTrades = {"Stavebniny", "Instalatérství", "Elektro", "Truhlářství",
                                          "Zahradnictví", "Malířství", "Zámečnictví", "Pokrývačství",
                                          "Stavby", "Údržba domů"};
const std::vector<std::string> kSurnames = {"Horák", "Dvořák", "Němec", "Pospíšil", "Hájek",
                                            "Král", "Jelínek", "Růžička", "Beneš", "Fiala",
                                            "Sedláček", "Doležal", "Zeman", "Kolář", "Navrátil",
                                            "Čermák", "Vaněk", "Urban", "Blažek", "Kříž"};
const std::vector<std::string> kForms = {" s.r.o.", " a.s.", "", " v.o.s.", " spol. s r.o."};
const std::vector<std::string> kTowns = {"Brno", "Blansko", "Vyškov", "Hodonín", "Břeclav",
                                         "Znojmo", "Třebíč", "Jihlava", "Kroměříž", "Zlín",
                                         "Boskovice", "Tišnov", "Ivančice", "Kuřim", "Šlapanice"};

std::string customerId(int n)
{
    char text[32];
    std::snprintf(text, sizeof text, "%07d", 1000 + n);
    return text;
}

std::string customerName(DemoModel& model, int n)
{
    // One name with double quotes, as customers' trade names often have.
    if (n == 3)
        return "Stavebniny \"U Nádraží\" s.r.o.";
    if (n == 7)
        return "Železářství Řehoř & Šťastný";
    return model.random.pick(kTrades) + " " + model.random.pick(kSurnames) + model.random.pick(kForms);
}

} // namespace

void writeCustomers(DemoModel& model)
{
    const int count = std::min(60 + 5 * model.scale, 3000);
    DemoTable table(model.dataDirectory, model.fileName("Odberatele"), schemas::odberatele(), model.lastUpdate());
    DemoTable branches(model.dataDirectory, model.fileName("OdbPob"),
                       {C("POS_HLA", 7), C("POS_KOD", 3), C("POS_FIR", 30), C("POS_ULI", 30),
                        C("POS_MES", 30), C("POS_PSC", 6)},
                       model.lastUpdate());
    for (int n = 1; n <= count; ++n) {
        Customer customer;
        customer.id = customerId(n);
        customer.name = customerName(model, n);
        const bool withoutSalesman = model.random.chance(0.06) && model.anomalies;
        customer.salesman = model.random.pick(model.salesmen).code;
        if (withoutSalesman)
            customer.salesman.clear();
        customer.dueDays = model.random.pick(std::vector<int>{7, 14, 14, 30, 30, 60});
        customer.branches = {""};
        const std::string town = model.random.pick(kTowns);
        const std::string ico = std::to_string(40000000 + 7919 * n);
        table.begin()
            .text("EXT_KOD", customer.id)
            .text("EXT_NAC", customer.name)
            .text("EXT_ALI", customer.name.substr(0, customer.name.find(' ')))
            .text("EXT_ICO", ico)
            .text("EXT_DIC", "CZ" + ico)
            .text("EXT_TYP", model.random.pick(std::vector<std::string>{"VO", "MO", "STA"}))
            .text("EXT_ULI", "Masarykova " + std::to_string(model.random.between(1, 250)))
            .text("EXT_MES", town)
            .text("EXT_PSC", std::to_string(model.random.between(600, 699)) + " 00")
            .text("EXT_OBC", customer.salesman)
            .number("EXT_SPL", customer.dueDays)
            .text("EXT_CEN", model.random.pick(std::vector<std::string>{"1", "2", "3"}))
            .end();
        if (model.random.chance(0.2)) {
            for (int b = 1; b <= model.random.between(1, 3); ++b) {
                const std::string code = "P0" + std::to_string(b);
                customer.branches.push_back(code);
                branches.begin()
                    .text("POS_HLA", customer.id)
                    .text("POS_KOD", code)
                    .text("POS_FIR", customer.name + " - pobočka " + std::to_string(b))
                    .text("POS_ULI", "Nádražní " + std::to_string(b * 11))
                    .text("POS_MES", model.random.pick(kTowns))
                    .text("POS_PSC", "602 00")
                    .end();
            }
        }
        model.customers.push_back(std::move(customer));
    }
    table.finish();
    branches.finish();
}

} // namespace tarvela::demo

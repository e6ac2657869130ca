// Salesmen, product groups, commission kinds and payment types.
#include <algorithm>

#include "DemoGenerators.h"
#include "DemoSchemas.h"
#include "DemoTable.h"

namespace tarvela::demo {

void writeSalesmen(DemoModel& model)
{
    // Different discount limits, reduction coefficients and payment limits,
    // so that the settlement rules have something to tell apart.
    model.salesmen = {
        {"001", "Novák Jiří", 22, 0.5, 30},
        {"002", "Dvořáková Věra", 15, 0.3, 14},
        {"003", "Černý Pavel", 25, 1.0, 45},
        {"004", "Procházka Ladislav", 20, 0.5, 60},
        {"005", "Šťastná Žaneta", 30, 0.25, 21},
        {"006", "Kučera Tomáš", 18, 0.75, 35},
    };
    DemoTable table(model.dataDirectory, model.fileName("Obchodnici"), schemas::obchodnici(), model.lastUpdate());
    for (const Salesman& s : model.salesmen) {
        table.begin()
            .text("OBC_KOD", s.code)
            .text("OBC_NAC", s.name)
            .number("OBC_LIM", s.discountLimit)
            .number("OBC_KRA", s.reductionCoefficient)
            .number("OBC_SPL", s.paymentLimitDays)
            .text("OBC_TEL", "+420 6" + s.code + " 123 45" + s.code.substr(2))
            .end();
    }
    table.finish();
}

void writeProductGroups(DemoModel& model)
{
    model.groups = {
        {"NAR", "Nářadí ruční", 8, 19},
        {"ELN", "Elektronářadí", 6, 19},
        {"BAR", "Barvy, laky a ředidla", 10, 19},
        {"SPO", "Spojovací materiál", 12, 19},
        {"ZAH", "Zahrada a kůlna", 9, 19},
        {"STA", "Stavební hmoty", 4, 19},
        {"KOU", "Koupelny a sanita", 7, 19},
        {"OSV", "Osvětlení", 5, 19},
        {"KNI", "Knihy a příručky", 3, 5},
        {"POU", "Dárkové poukázky", 0, 0},
        {"ZRU", "Zrušená skupina 2006", 11, 19},
    };
    DemoTable table(model.dataDirectory, model.fileName("SortiSkup"), schemas::sortiSkup(), model.lastUpdate());
    int position = 1;
    for (const ProductGroup& g : model.groups) {
        table.begin()
            .text("SSK_SKU", g.code)
            .text("SSK_NAC", g.name)
            .number("SSK_POR", position++)
            .number("SSK_PRO", g.commissionRate)
            .end();
    }
    table.finish();
}

void writeCommissionKindsAndPaymentTypes(DemoModel& model)
{
    DemoTable kinds(model.dataDirectory, model.fileName("TypProvize"), schemas::typProvize(), model.lastUpdate());
    kinds.begin().text("TPR_TYP", "001").text("TPT_NAC", "Provize dle skupin sortimentu").end();
    kinds.begin().text("TPR_TYP", "002").text("TPT_NAC", "Pevná sazba provize").end();
    kinds.finish();

    DemoTable types(model.dataDirectory, model.fileName("TypPlatby"), schemas::typPlatby(), model.lastUpdate());
    const std::pair<const char*, const char*> paymentTypes[] = {
        {"BAN", "Bankovní převod"}, {"HOT", "Hotovost"}, {"ZAP", "Zápočet"},
        {"SLO", "Složenka"}, {"KAR", "Platební karta"}};
    for (const auto& [code, name] : paymentTypes)
        types.begin().text("BPT_KOD", code).text("BPT_NAC", name).end();
    types.finish();
}

} // namespace tarvela::demo

namespace tarvela::demo {

// Special rates of a few salesmen for a few cards.
void writeCommissionCards(DemoModel& model)
{
    DemoTable table(model.dataDirectory, model.fileName("ProvKar"), schemas::provKar(), model.lastUpdate());
    for (const Salesman& s : model.salesmen) {
        std::vector<std::string> chosen;
        const int count = model.random.between(2, 6);
        while (static_cast<int>(chosen.size()) < count) {
            const std::string& card = model.random.pick(model.cards).number;
            if (std::ranges::find(chosen, card) != chosen.end())
                continue;
            chosen.push_back(card);
            table.begin()
                .text("PRO_OBC", s.code)
                .text("PRK_KAR", card)
                .number("PRK_PRO", model.random.between(2, 30) / 2.0)
                .end();
        }
    }
    table.finish();
}

} // namespace tarvela::demo

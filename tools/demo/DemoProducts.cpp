// Product cards and the stock per card and variant.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "DemoGenerators.h"
#include "DemoSchemas.h"
#include "DemoTable.h"

namespace tarvela::demo {

namespace {

struct GroupProducts {
    const char* group;
    std::vector<std::string> nouns;
    double lowPrice, highPrice;
};

const std::vector<GroupProducts>& productNames()
{
    static const std::vector<GroupProducts> names = {
        {"NAR", {"Kladivo zámečnické", "Šroubovák křížový", "Kleště kombinační", "Pilka na železo",
                 "Dláto ploché", "Klíč očkoplochý", "Metr skládací", "Vodováha hliníková"}, 59, 890},
        {"ELN", {"Vrtačka příklepová", "Úhlová bruska", "Aku šroubovák", "Přímočará pila",
                 "Hoblík elektrický", "Horkovzdušná pistole"}, 990, 8990},
        {"BAR", {"Barva fasádní", "Lak na dřevo", "Email syntetický", "Ředidlo C 6000",
                 "Penetrace hloubková", "Lazura tenkovrstvá"}, 89, 1490},
        {"SPO", {"Vrut do dřeva", "Hmoždinka nylonová", "Šroub metrický", "Matice šestihranná",
                 "Podložka pérová", "Hřebík stavební"}, 12, 390},
        {"ZAH", {"Rýč špičatý", "Hrábě kovové", "Zahradní hadice", "Kolečko stavební",
                 "Nůžky na živý plot", "Konev plastová"}, 79, 2490},
        {"STA", {"Cement portlandský", "Malta zdicí", "Sádrokarton", "Lepidlo na obklady",
                 "Tmel spárovací"}, 49, 690},
        {"KOU", {"Baterie umyvadlová", "Sifon vanový", "Sprchová hadice", "Záchodové prkénko",
                 "Zrcadlo koupelnové"}, 149, 3990},
        {"OSV", {"Žárovka úsporná", "Svítidlo stropní", "Reflektor halogenový", "Prodlužovací šňůra"},
         39, 1890},
        {"KNI", {"Příručka kutila", "Katalog nářadí", "Stavíme dům svépomocí"}, 99, 490},
        {"POU", {"Dárková poukázka"}, 500, 2000},
    };
    return names;
}

const char* const kAttributes[] = {"malý", "velký", "profi", "hobby", "bílý", "černý", "zelený",
                                   "ekonomický", "zesílený", "s rukojetí", "sada", "extra"};

std::string cardNumber(int n)
{
    char text[32];
    std::snprintf(text, sizeof text, "%06d", n);
    return text;
}

Card makeCard(DemoModel& model, int n)
{
    const GroupProducts& products = model.random.pick(productNames());
    const ProductGroup& group =
        *std::ranges::find(model.groups, std::string(products.group), &ProductGroup::code);
    Card card;
    card.number = cardNumber(n);
    card.name = model.random.pick(products.nouns) + " " +
                kAttributes[model.random.between(0, std::size(kAttributes) - 1)];
    if (model.random.chance(0.3))
        card.name += " " + std::to_string(model.random.between(1, 50) * 10);
    card.group = group.code;
    card.vatRate = group.vatRate;
    card.price = model.random.amount(products.lowPrice, products.highPrice);
    card.cost = std::round(card.price * (0.55 + model.random.between(0, 25) / 100.0) * 100) / 100;
    card.retired = model.random.chance(0.06);
    // Regrouped in 2007: some cards came from a group that was cancelled
    // then. With the anomalies a few had no group before and a few have none
    // now; the draws are made either way, so the rest of the data stays.
    card.oldGroup = card.group;
    if (model.random.chance(0.12))
        card.oldGroup = "ZRU";
    else if (model.random.chance(0.03) && model.anomalies)
        card.oldGroup.clear();
    if (model.random.chance(0.03) && model.anomalies)
        card.group.clear();
    card.variants = {""};
    if (model.random.chance(0.15)) {
        card.variants = {"001", "002"};
        if (model.random.chance(0.5))
            card.variants.push_back("003");
    }
    return card;
}

} // namespace

void writeProducts(DemoModel& model)
{
    const int count = std::min(150 + 30 * model.scale, 6000);
    for (int n = 1; n <= count; ++n)
        model.cards.push_back(makeCard(model, n));

    DemoTable table(model.dataDirectory, model.fileName("Sortiment"), schemas::sortiment(), model.lastUpdate());
    DemoTable stock(model.dataDirectory, model.fileName("Sklad"),
                    {C("SKL_KAV", 6), C("SKL_IND", 3), C("SKL_NAC", 30), N("SKL_STA", 10), N("SKL_MIN", 8)},
                    model.lastUpdate());
    for (const Card& card : model.cards) {
        const int inStock = card.retired ? 0 : model.random.between(0, 400);
        const int blocked = model.random.chance(0.1) ? model.random.between(1, 10) : 0;
        const int lent = model.random.chance(0.05) ? model.random.between(1, 5) : 0;
        table.begin()
            .text("SOR_KAV", card.number)
            .text("SOR_NAC", card.name)
            .number("SOR_PC1", card.price)
            .number("SOR_STA", inStock)
            .number("SOR_DAN", card.vatRate)
            .flag("SOR_SKL", card.group != "POU")
            .flag("SOR_OLD", card.retired)
            .text("SOR_SKU", card.group)
            .number("SOR_PC2", std::round(card.price * 95) / 100)
            .number("SOR_PC3", std::round(card.price * 90) / 100)
            .number("SOR_PC4", std::round(card.price * 85) / 100)
            .number("SOR_PC5", std::round(card.price * 120) / 100)
            .number("SOR_BLO", blocked)
            .text("SOR_MJE", card.group == "STA" ? "kg" : "ks")
            .number("SOR_BAL", model.random.between(1, 50))
            .text("SOR_EAN", "859" + std::to_string(1000000000 + std::stoi(card.number)))
            .number("SOR_MAJ", inStock + lent)
            .number("SOR_PUJ", lent)
            .flag("SOR_KOM", false)
            .date("SOR_PPO", model.lastDay - model.random.between(0, 300))
            .number("SOR_MIN", model.random.between(0, 20))
            .number("SOR_SLE", model.random.between(5, 40))
            .text("SOR_KDO", "D" + card.number)
            .text("SOR_KVY", "V-" + card.number.substr(2))
            .number("SOR_OTV", 1)
            .text("SOR_SKO", card.oldGroup)
            .end();
        for (const std::string& variant : card.variants) {
            stock.begin()
                .text("SKL_KAV", card.number)
                .text("SKL_IND", variant)
                .text("SKL_NAC", card.name)
                .number("SKL_STA", inStock / static_cast<int>(card.variants.size()))
                .number("SKL_MIN", 5)
                .end();
        }
    }
    table.finish();
    stock.finish();
}

} // namespace tarvela::demo

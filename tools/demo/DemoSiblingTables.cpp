// The tables of the sibling system that the program only names and
// reindexes: a few plausible records each, with every field that their index
// keys and FOR conditions use, filled after the field's name.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>

#include "DemoGenerators.h"
#include "DemoSchemas.h"
#include "DemoTable.h"
#include "data/catalogue/TableCatalogue.h"

namespace tarvela::demo {

namespace {

std::vector<FieldDescriptor> documentHeader()
{
    return {C("HLA_DO1", 10), C("HLA_DO2", 10), C("HLA_DO3", 10), D("HLA_DAT"), C("HLA_ODB", 7),
            C("HLA_ODP", 3), C("HLA_NAC", 30), C("HLA_ORG", 3), N("HLA_CUH", 12, 2), L("HLA_PLA"),
            D("HLA_DVS")};
}

std::vector<FieldDescriptor> codeList(const std::string& prefix, int codeWidth = 3)
{
    return {C(prefix + "_KOD", codeWidth), C(prefix + "_NAC", 30)};
}

std::vector<FieldDescriptor> items(const std::string& prefix)
{
    return {C(prefix + "_DOK", 10), C(prefix + "_KAV", 6), C(prefix + "_IND", 3), N(prefix + "_KUS", 8),
            N(prefix + "_VYD", 8), N(prefix + "_CEN", 12, 2)};
}

const std::map<std::string, std::vector<FieldDescriptor>>& siblingSchemas()
{
    static const std::map<std::string, std::vector<FieldDescriptor>> schemas = [] {
        std::map<std::string, std::vector<FieldDescriptor>> s;
        for (const char* member :
             {"Dodavky", "DodavkyPujc", "Vratky", "VratkyPujc", "Vydejky", "VydejkyPujc", "Prijemky",
              "PrijemkyPujc", "FakVolHla", "DobVolHla", "FakZakazky", "FakZakInt", "FakOdpro", "FakNajem",
              "FakNajemInt", "Pujcky", "ZakVydejky", "ZapVratky", "Uctenky", "Proformy", "ObjHlav",
              "Vycetky", "InveHlav", "PodklHlav"})
            s[member] = documentHeader();
        s["DenikPujc"] = schemas::denik();
        s["SkladPujc"] = {C("SKL_EXT", 7), C("SKL_POS", 3), C("SKL_KAV", 6), C("SKL_IND", 3),
                          C("SKL_NAC", 30), N("SKL_STA", 10)};
        s["Ciselnik"] = {C("CIS_TYP", 3), C("CIS_NAC", 30), N("CIS_POS", 10)};
        s["Dodavatele"] = {C("DOD_KOD", 7), C("DOD_FIR", 30), C("DOD_ICO", 10), C("DOD_DIC", 14),
                           C("DOD_MES", 30)};
        s["Prodejny"] = {C("ORG_KOD", 3), C("ORG_NAC", 30), C("ORG_MES", 30)};
        s["TypVydeje"] = codeList("TYP");
        s["Pokladna"] = {C("PLA_DO1", 10), C("PLA_KOM", 30), D("PLA_DAT"), C("PLA_TYP", 3),
                         C("PLA_KDO", 30), C("PLA_SML", 10), C("PLA_ROC", 11), N("PLA_HOD", 12, 2)};
        s["FinOperace"] = codeList("FIN");
        s["FormaUhrady"] = codeList("FUH", 1);
        s["Maska"] = {C("MAS_TYP", 3), C("MAS_CEN", 1), N("MAS_SPL", 3)};
        s["SlevaSkupina"] = {C("SLS_ODB", 7), C("SLS_SKU", 3), C("SLS_CEN", 1), N("SLS_PRO", 6, 2)};
        s["SlevaKarta"] = {C("SLK_ODB", 7), C("SLK_KAV", 6), C("SLK_CEN", 1), N("SLK_PRO", 6, 2)};
        s["SortiDruh"] = codeList("SDR");
        s["SortiPodSkp"] = codeList("SPK");
        s["Ceniky"] = codeList("CEN", 1);
        s["FormaDopravy"] = codeList("FDO", 1);
        s["BlokacePolozky"] = items("BLO");
        s["ObjPol"] = items("BLO");
        s["PodklPol"] = items("POP");
        s["NabPol"] = items("NAP");
        s["Poznamky"] = {C("POZ_DOK", 10), N("POZ_RAD", 3), C("POZ_TXT", 60)};
        s["PrecHlav"] = {C("PRH_DO1", 10), C("PRH_DO2", 10), D("PRH_DAT"), C("PRH_NAC", 30)};
        s["PrecPol"] = {C("PRP_KAV", 6), C("PRP_IND", 3), C("PRP_DO1", 10), N("PRP_PCS", 12, 2),
                        N("PRP_PCN", 12, 2)};
        s["Hlasky"] = {C("MSG_CIS", 3), C("MSG_TXT", 60)};
        s["SortiVyrobce"] = codeList("SVR");
        s["MjeJed"] = codeList("MJE", 2);
        s["TypOdberatele"] = codeList("ESK");
        s["TypSlevOdb"] = codeList("ESL");
        s["InvePol"] = {C("IPO_DO1", 10), C("IPO_KAV", 6), N("IPO_KUS", 8), N("IPO_STA", 8)};
        s["InveTyp"] = codeList("INT");
        s["InveSkl"] = {C("IPS_DO1", 10), C("IPS_KAV", 6), C("IPS_IND", 3), N("IPS_KUS", 8)};
        s["ZapujDen"] = {C("ZAP_EXT", 7), C("ZAP_POS", 3), C("ZAP_KAV", 6), C("ZAP_DOK", 10),
                         D("ZAP_DAT"), N("ZAP_KUS", 8)};
        s["TypySlevFaktura"] = {C("FTS_KOD", 3), C("FTS_NAC", 40)};
        s["NabHlav"] = {C("NAH_DO1", 10), C("NAH_POP", 30), D("NAH_DAT"), C("NAH_ODB", 7)};
        // The sibling system keeps the item text in a memo; a text field
        // serves the demo, which needs no memo file.
        s["FakVolPol"] = {C("FAP_DO1", 10), N("FAP_RAD", 3), C("FAP_TXT", 60), N("FAP_HOD", 12, 2)};
        return s;
    }();
    return schemas;
}

const std::vector<std::string> kTexts = {
    "Šroubky a matičky", "Zboží dle dodacího listu", "Úprava ceny dle ceníku", "Převod na pobočku Třebíč",
    "Vrácení poškozeného zboží", "Doprava zdarma", "Žádost zákazníka", "Reklamace č. 12",
    "Montáž u zákazníka", "Příjem na sklad", "Čištění a údržba", "Sleva za věrnost"};

// A value after the field's name, so that keys look like those of the
// sibling system and the FOR conditions hold for some records and not others.
void fillField(DemoModel& model, DemoTable& table, const FieldDescriptor& field, int row)
{
    DemoRandom& random = model.random;
    const std::string suffix = field.name.substr(field.name.size() - 3);
    const std::string stem = field.name.substr(0, 3);
    char number[32];
    std::snprintf(number, sizeof number, "%c07%07d", stem[0], row);
    if (field.type == 'D') {
        table.date(field.name, model.firstDay + random.between(0, model.lastDay - model.firstDay));
    } else if (field.type == 'L') {
        table.flag(field.name, random.chance(0.6));
    } else if (field.type == 'N') {
        const bool quantity = suffix == "KUS" || suffix == "VYD" || suffix == "STA";
        const int integerDigits = field.width - (field.decimals ? field.decimals + 1 : 0);
        const double largest = std::min(9999.0, std::pow(10.0, integerDigits) - 1);
        table.number(field.name, quantity ? random.between(-2, 20)
                                          : (field.decimals ? random.amount(0, largest) : row));
    } else if (suffix == "KAV") {
        table.text(field.name, random.pick(model.cards).number);
    } else if (suffix == "IND" || suffix == "POS" || suffix == "ODP") {
        table.text(field.name, random.chance(0.7) ? "" : "00" + std::to_string(random.between(1, 3)));
    } else if (suffix == "ODB" || suffix == "EXT") {
        table.text(field.name, random.pick(model.customers).id);
    } else if (suffix == "DO1" || suffix == "DOK" || suffix == "DO2" || suffix == "DO3" || suffix == "SML") {
        table.text(field.name, suffix == "DO1" ? std::string(number) : std::string(number).substr(0, 8));
    } else if (suffix == "SKU") {
        table.text(field.name, random.pick(model.groups).code);
    } else if (suffix == "ICO" || suffix == "ROC") {
        table.text(field.name, std::to_string(random.between(10000000, 99999999)));
    } else if (suffix == "DIC") {
        table.text(field.name, "CZ" + std::to_string(random.between(10000000, 99999999)));
    } else if (field.width <= 3) {
        std::snprintf(number, sizeof number, "%0*d", static_cast<int>(field.width), row % 1000);
        table.text(field.name, number);
    } else {
        table.text(field.name, random.pick(kTexts));
    }
}

} // namespace

void writeSiblingTables(DemoModel& model)
{
    const int rows = std::min(12 + 2 * model.scale, 400);
    for (const CatalogueEntry& entry : tableCatalogue()) {
        const auto schema = siblingSchemas().find(entry.member);
        if (schema == siblingSchemas().end())
            continue;
        DemoTable table(model.dataDirectory, model.fileName(entry.member), schema->second, model.lastUpdate());
        for (int row = 1; row <= rows; ++row) {
            table.begin();
            for (const FieldDescriptor& field : schema->second)
                fillField(model, table, field, row);
            table.end();
        }
        table.finish();
    }
}

} // namespace tarvela::demo

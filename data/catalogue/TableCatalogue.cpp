#include "data/catalogue/TableCatalogue.h"

#include <algorithm>

#include "data/company/TData.h"
#include "data/catalogue/IndexCatalogue.h"
#include "data/catalogue/TableLayouts.h"
#include "platform/Error.h"

namespace tarvela {

namespace {

constexpr auto PerCompany = FileNaming::PerCompany;
constexpr auto Shared = FileNaming::Shared;

// The prefixes keep the sibling system's spelling; file names are matched
// without regard to case anyway.
std::vector<CatalogueEntry> buildCatalogue()
{
    return {
        {"Faktury", "Fak", PerCompany, LockProtocol::Clipper, &layouts::faktury(), &TData::Faktury},
        {"Dobropisy", "Dob", PerCompany, LockProtocol::Clipper, &layouts::dobropisy(), &TData::Dobropisy},
        {"Denik", "Den", PerCompany, LockProtocol::Clipper, &layouts::denik(), &TData::Denik},
        {"Sortiment", "Sor", PerCompany, LockProtocol::Clipper, &layouts::sortiment(), &TData::Sortiment},
        {"SortiSkup", "SSK0000", Shared, LockProtocol::Clipper, &layouts::sortiSkup(), &TData::SortiSkup},
        {"Vypisy", "Vyp", PerCompany, LockProtocol::Clipper, &layouts::vypisy(), &TData::Vypisy},
        {"FaktSlevy", "FAS", PerCompany, LockProtocol::Clipper, &layouts::faktSlevy(), &TData::FaktSlevy},
        {"Obchodnici", "OBC", PerCompany, LockProtocol::Clipper, &layouts::obchodnici(), &TData::Obchodnici},
        {"DelProv", "DPR", PerCompany, LockProtocol::Clipper, &layouts::delProv(), &TData::DelProv},
        {"ProvKar", "PRK0000", Shared, LockProtocol::Clipper, &layouts::provKar(), &TData::ProvKar},
        {"TypProvize", "TPR0000", Shared, LockProtocol::Default, &layouts::typProvize(), &TData::TypProvize},
        {"TypPlatby", "Bpt0000", Shared, LockProtocol::Clipper, &layouts::typPlatby(), &TData::TypPlatby},
        {"Uzivatele", "Usr0000", Shared, LockProtocol::Clipper, &layouts::uzivatele(), &TData::Uzivatele},
        {"UzivSkup", "Ugr0000", Shared, LockProtocol::Clipper, &layouts::uzivSkup(), &TData::UzivSkup},
        {"UziPopPrav", "Urt0000", Shared, LockProtocol::Clipper, &layouts::uziPopPrav(), &TData::UziPopPrav},
        {"UziPrava", "Urs0000", Shared, LockProtocol::Clipper, &layouts::uziPrava(), &TData::UziPrava},
        {"Vlastnik", "Vla0000", Shared, LockProtocol::Clipper, &layouts::vlastnik(), &TData::Vlastnik},
        {"DenikPujc", "Dep", PerCompany, LockProtocol::Clipper, nullptr, &TData::DenikPujc},
        {"Sklad", "Skl", PerCompany, LockProtocol::Clipper, nullptr, &TData::Sklad},
        {"SkladPujc", "Skp", PerCompany, LockProtocol::Clipper, nullptr, &TData::SkladPujc},
        {"Ciselnik", "Cis", PerCompany, LockProtocol::Clipper, nullptr, &TData::Ciselnik},
        {"Dodavatele", "Dod", PerCompany, LockProtocol::Clipper, nullptr, &TData::Dodavatele},
        {"Dodavky", "Prd", PerCompany, LockProtocol::Clipper, nullptr, &TData::Dodavky},
        {"DodavkyPujc", "Ppd", PerCompany, LockProtocol::Clipper, nullptr, &TData::DodavkyPujc},
        {"Vratky", "Vrd", PerCompany, LockProtocol::Clipper, nullptr, &TData::Vratky},
        {"VratkyPujc", "Vrp", PerCompany, LockProtocol::Clipper, nullptr, &TData::VratkyPujc},
        {"Prodejny", "Org0000", Shared, LockProtocol::Clipper, nullptr, &TData::Prodejny},
        {"Vydejky", "Vyd", PerCompany, LockProtocol::Clipper, nullptr, &TData::Vydejky},
        {"VydejkyPujc", "Vpu", PerCompany, LockProtocol::Clipper, nullptr, &TData::VydejkyPujc},
        {"TypVydeje", "Typ0000", Shared, LockProtocol::Clipper, nullptr, &TData::TypVydeje},
        {"Pokladna", "Pla", PerCompany, LockProtocol::Clipper, nullptr, &TData::Pokladna},
        {"FinOperace", "Fin0000", Shared, LockProtocol::Clipper, nullptr, &TData::FinOperace},
        {"FormaUhrady", "FUH0000", Shared, LockProtocol::Clipper, nullptr, &TData::FormaUhrady},
        {"Uctenky", "Uce", PerCompany, LockProtocol::Clipper, nullptr, &TData::Uctenky},
        {"Odberatele", "Ext", PerCompany, LockProtocol::Clipper, nullptr, &TData::Odberatele},
        {"OdbPob", "Exp", PerCompany, LockProtocol::Clipper, nullptr, &TData::OdbPob},
        {"Maska", "Mas0000", Shared, LockProtocol::Clipper, nullptr, &TData::Maska},
        {"SlevaSkupina", "SLS0000", Shared, LockProtocol::Clipper, nullptr, &TData::SlevaSkupina},
        {"SlevaKarta", "SLK0000", Shared, LockProtocol::Clipper, nullptr, &TData::SlevaKarta},
        {"SortiDruh", "SDR0000", Shared, LockProtocol::Clipper, nullptr, &TData::SortiDruh},
        {"SortiPodSkp", "SPK0000", Shared, LockProtocol::Clipper, nullptr, &TData::SortiPodSkp},
        {"Ceniky", "CEN0000", Shared, LockProtocol::Clipper, nullptr, &TData::Ceniky},
        {"FormaDopravy", "FDO0000", Shared, LockProtocol::Clipper, nullptr, &TData::FormaDopravy},
        {"Prijemky", "Pri", PerCompany, LockProtocol::Clipper, nullptr, &TData::Prijemky},
        {"PrijemkyPujc", "Ppu", PerCompany, LockProtocol::Clipper, nullptr, &TData::PrijemkyPujc},
        {"Proformy", "Prf", PerCompany, LockProtocol::Clipper, nullptr, &TData::Proformy},
        {"BlokacePolozky", "Blo", PerCompany, LockProtocol::Clipper, nullptr, &TData::BlokacePolozky},
        {"Poznamky", "Poz", PerCompany, LockProtocol::Clipper, nullptr, &TData::Poznamky},
        {"PrecHlav", "Prh", PerCompany, LockProtocol::Clipper, nullptr, &TData::PrecHlav},
        {"PrecPol", "Prp", PerCompany, LockProtocol::Clipper, nullptr, &TData::PrecPol},
        {"Vycetky", "Vct", PerCompany, LockProtocol::Clipper, nullptr, &TData::Vycetky},
        {"Hlasky", "Msg0000", Shared, LockProtocol::Clipper, nullptr, &TData::Hlasky},
        {"SortiVyrobce", "Svr0000", Shared, LockProtocol::Clipper, nullptr, &TData::SortiVyrobce},
        {"MjeJed", "Mje0000", Shared, LockProtocol::Clipper, nullptr, &TData::MjeJed},
        {"TypOdberatele", "Esk0000", Shared, LockProtocol::Clipper, nullptr, &TData::TypOdberatele},
        {"TypSlevOdb", "ESL0000", Shared, LockProtocol::Clipper, nullptr, &TData::TypSlevOdb},
        {"InveHlav", "Ihl", PerCompany, LockProtocol::Clipper, nullptr, &TData::InveHlav},
        {"InvePol", "IPl", PerCompany, LockProtocol::Clipper, nullptr, &TData::InvePol},
        {"InveTyp", "Int0000", Shared, LockProtocol::Clipper, nullptr, &TData::InveTyp},
        {"InveSkl", "Ips", PerCompany, LockProtocol::Clipper, nullptr, &TData::InveSkl},
        {"ObjHlav", "OBJ", PerCompany, LockProtocol::Clipper, nullptr, &TData::ObjHlav},
        {"ObjPol", "OBP", PerCompany, LockProtocol::Clipper, nullptr, &TData::ObjPol},
        {"ZapujDen", "ZAP", PerCompany, LockProtocol::Clipper, nullptr, &TData::ZapujDen},
        {"Pujcky", "PUJ", PerCompany, LockProtocol::Clipper, nullptr, &TData::Pujcky},
        {"ZapVratky", "VRA", PerCompany, LockProtocol::Clipper, nullptr, &TData::ZapVratky},
        {"FakOdpro", "FAO", PerCompany, LockProtocol::Clipper, nullptr, &TData::FakOdpro},
        {"FakNajem", "FAN", PerCompany, LockProtocol::Clipper, nullptr, &TData::FakNajem},
        {"FakNajemInt", "FAI", PerCompany, LockProtocol::Clipper, nullptr, &TData::FakNajemInt},
        {"PodklHlav", "POD", PerCompany, LockProtocol::Clipper, nullptr, &TData::PodklHlav},
        {"PodklPol", "POP", PerCompany, LockProtocol::Clipper, nullptr, &TData::PodklPol},
        {"TypySlevFaktura", "FTS0000", Shared, LockProtocol::Clipper, nullptr, &TData::TypySlevFaktura},
        {"ZakVydejky", "VMA", PerCompany, LockProtocol::Clipper, nullptr, &TData::ZakVydejky},
        {"FakZakazky", "Fma", PerCompany, LockProtocol::Clipper, nullptr, &TData::FakZakazky},
        {"FakZakInt", "Fmi", PerCompany, LockProtocol::Clipper, nullptr, &TData::FakZakInt},
        {"NabHlav", "Nah", PerCompany, LockProtocol::Clipper, nullptr, &TData::NabHlav},
        {"NabPol", "Nap", PerCompany, LockProtocol::Clipper, nullptr, &TData::NabPol},
        {"FakVolHla", "FAL", PerCompany, LockProtocol::Clipper, nullptr, &TData::FakVolHla},
        {"DobVolHla", "DOL", PerCompany, LockProtocol::Default, nullptr, &TData::DobVolHla},
        {"FakVolPol", "FAP", PerCompany, LockProtocol::Clipper, nullptr, &TData::FakVolPol},
    };
}

} // namespace

std::string CatalogueEntry::fileBaseName(const std::string& company) const
{
    return companyFileName(prefix, naming, company);
}

const std::vector<CatalogueEntry>& tableCatalogue()
{
    static const std::vector<CatalogueEntry> catalogue = buildCatalogue();
    return catalogue;
}

const CatalogueEntry* findCatalogueEntry(const std::string& member)
{
    const auto& catalogue = tableCatalogue();
    const auto found = std::ranges::find(catalogue, member, &CatalogueEntry::member);
    return found == catalogue.end() ? nullptr : &*found;
}

std::string tableFileOf(const std::string& member, const std::string& company)
{
    const CatalogueEntry* entry = findCatalogueEntry(member);
    if (!entry)
        throw Error("Unknown table " + member);
    return entry->fileBaseName(company);
}

std::string indexFileOf(const std::string& member, const std::string& company)
{
    const IndexedTable* indexed = findIndexedTable(member);
    if (!indexed)
        throw Error("Table " + member + " has no index file");
    return indexed->indexBaseName(company) + ".cdx";
}

} // namespace tarvela

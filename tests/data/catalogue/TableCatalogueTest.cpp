#include <gtest/gtest.h>

#include <set>

#include "data/catalogue/IndexCatalogue.h"
#include "data/company/TData.h"
#include "data/catalogue/TableCatalogue.h"
#include "data/catalogue/TableLayouts.h"

using namespace tarvela;

TEST(TableCatalogue, HoldsEveryMemberOnceWithItsOwnTable)
{
    const auto& catalogue = tableCatalogue();
    EXPECT_EQ(catalogue.size(), 79u);
    std::set<std::string> members;
    std::set<std::string> files;
    for (const CatalogueEntry& entry : catalogue) {
        members.insert(entry.member);
        files.insert(entry.fileBaseName("0001"));
    }
    EXPECT_EQ(members.size(), 79u);
    EXPECT_EQ(files.size(), 79u);

    ConsoleUi ui;
    TData data(ui, "/nowhere/");
    std::set<const DbfTable*> tables;
    for (const CatalogueEntry& entry : catalogue) {
        tables.insert(&(data.*entry.table));
        EXPECT_EQ(data.table(entry.member), &(data.*entry.table)) << entry.member;
    }
    EXPECT_EQ(tables.size(), 79u);
    EXPECT_EQ(data.table("Nic"), nullptr);
}

TEST(TableCatalogue, SeventeenTablesCarryTheirLayout)
{
    int withLayout = 0;
    for (const CatalogueEntry& entry : tableCatalogue()) {
        if (entry.layout) {
            ++withLayout;
            EXPECT_EQ(entry.layout->name, entry.member);
        }
    }
    EXPECT_EQ(withLayout, 17);
}

TEST(TableCatalogue, OnlyTwoTablesUseTheDefaultLockProtocol)
{
    std::set<std::string> defaults;
    for (const CatalogueEntry& entry : tableCatalogue()) {
        if (entry.lockProtocol == LockProtocol::Default)
            defaults.insert(entry.member);
    }
    EXPECT_EQ(defaults, (std::set<std::string>{"DobVolHla", "TypProvize"}));
}

TEST(TableCatalogue, CompanyNumberGoesOnlyIntoPerCompanyNames)
{
    EXPECT_EQ(findCatalogueEntry("Faktury")->fileBaseName("0002"), "Fak0002");
    EXPECT_EQ(findCatalogueEntry("Denik")->fileBaseName("0002"), "Den0002");
    EXPECT_EQ(findCatalogueEntry("FaktSlevy")->fileBaseName("0002"), "FAS0002");
    EXPECT_EQ(findCatalogueEntry("SortiSkup")->fileBaseName("0002"), "SSK0000");
    EXPECT_EQ(findCatalogueEntry("Uzivatele")->fileBaseName("0002"), "Usr0000");
    EXPECT_EQ(findCatalogueEntry("InvePol")->fileBaseName("0002"), "IPl0002");
    EXPECT_EQ(findCatalogueEntry("Nic"), nullptr);
}

TEST(TableCatalogue, EveryIndexedTableIsCatalogued)
{
    for (const IndexedTable& indexed : indexCatalogue())
        EXPECT_NE(findCatalogueEntry(indexed.member), nullptr) << indexed.member;
}

TEST(TableLayouts, InvoiceAndCreditNoteDifferWhereTheyShould)
{
    const TableLayout& invoice = layouts::faktury();
    const TableLayout& credit = layouts::dobropisy();
    EXPECT_EQ(invoice.fields.size(), 37u);
    EXPECT_EQ(credit.fields.size(), 36u);
    EXPECT_NE(invoice.find("HLA_PR1"), nullptr);
    EXPECT_EQ(credit.find("HLA_PR1"), nullptr);
    EXPECT_NE(credit.find("HLA_HAL"), nullptr);
    EXPECT_EQ(invoice.find("HLA_Z22")->label, "Základ 19%");
    EXPECT_EQ(credit.find("HLA_Z22")->label, "Základ 22%");
    EXPECT_EQ(invoice.find("HLA_DO1")->label, "Faktura");
    EXPECT_EQ(credit.find("HLA_DO1")->label, "Dobropis");
    const LayoutField* paid = invoice.find("HLA_PLA");
    EXPECT_EQ(paid->kind, FieldKind::Logical);
    EXPECT_EQ(paid->trueText, "Ano");
    EXPECT_EQ(paid->falseText, "Ne");
    EXPECT_EQ(invoice.find("HLA_CUH")->format, "#,##0.00");
}

TEST(TableLayouts, KindsFollowTheFiles)
{
    EXPECT_EQ(layouts::denik().find("DEN_KUS")->kind, FieldKind::Integer);
    EXPECT_EQ(layouts::sortiment().find("SOR_BAL")->kind, FieldKind::SmallInteger);
    EXPECT_EQ(layouts::sortiment().find("SOR_DIS")->kind, FieldKind::Computed);
    EXPECT_EQ(layouts::delProv().find("DPR_OBN")->kind, FieldKind::LookedUp);
    EXPECT_EQ(layouts::delProv().find("DPR_PRO")->format, "##0.00");
    EXPECT_EQ(layouts::provKar().find("PRO_OBC")->width, 3);
    EXPECT_EQ(layouts::typProvize().find("TPT_NAC")->label, "Název ");
    EXPECT_EQ(layouts::uzivatele().find("USR_NAC")->label, "Příjmení, jméno,tit.");
    EXPECT_EQ(layouts::sortiSkup().find("SSK_PRO")->label, "Provize  %");
}

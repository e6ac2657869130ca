#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "data/catalogue/IndexCatalogue.h"
#include "data/catalogue/TableCatalogue.h"

using namespace tarvela;

TEST(IndexCatalogue, ListsFiftySixTablesInProcessingOrder)
{
    const auto& catalogue = indexCatalogue();
    ASSERT_EQ(catalogue.size(), 56u);
    EXPECT_EQ(catalogue.front().member, "Sklad");
    EXPECT_EQ(catalogue[16].member, "Faktury");
    EXPECT_EQ(catalogue[42].member, "Vypisy");
    EXPECT_EQ(catalogue.back().member, "PodklHlav");
}

TEST(IndexCatalogue, EveryTableHasDistinctTagsCaptionsAndAMessage)
{
    std::set<std::string> members;
    for (const auto& table : indexCatalogue()) {
        EXPECT_TRUE(members.insert(table.member).second) << table.member;
        EXPECT_FALSE(table.failureMessage.empty()) << table.member;
        ASSERT_FALSE(table.tags.empty()) << table.member;
        std::set<std::string> names;
        for (const auto& tag : table.tags) {
            EXPECT_TRUE(names.insert(tag.name).second) << table.member << " " << tag.name;
            EXPECT_LE(tag.name.size(), 10u);
            EXPECT_FALSE(tag.keyExpression.empty());
            EXPECT_FALSE(tag.progressCaption.empty()) << table.member << " " << tag.name;
        }
    }
}

TEST(IndexCatalogue, TablesWithoutIndexAreNotInTheCatalogue)
{
    EXPECT_EQ(tablesWithoutIndex().size(), 23u);
    for (const auto& member : tablesWithoutIndex())
        EXPECT_EQ(findIndexedTable(member), nullptr) << member;
}

TEST(IndexCatalogue, IndexFileNamesFollowTheCompany)
{
    EXPECT_EQ(findIndexedTable("Faktury")->indexBaseName("0002"), "Fak0002");
    EXPECT_EQ(findIndexedTable("Denik")->indexBaseName("0002"), "den0002");
    EXPECT_EQ(findIndexedTable("ProvKar")->indexBaseName("0002"), "Prk0000");
    EXPECT_EQ(findIndexedTable("UziPrava")->indexBaseName("0002"), "Urs0000");
}

TEST(IndexCatalogue, FlagsOfTheSpecialTags)
{
    const auto& precPol = findIndexedTable("PrecPol")->tags;
    EXPECT_TRUE(precPol[0].isDescending());
    EXPECT_FALSE(precPol[0].isUnique());
    EXPECT_FALSE(precPol[1].isDescending());

    const auto& skladPujc = findIndexedTable("SkladPujc")->tags;
    EXPECT_EQ(skladPujc[2].name, "PUJ");
    EXPECT_EQ(skladPujc[2].forExpression, "SKL_STA >0");

    const auto& sortiment = findIndexedTable("Sortiment")->tags;
    EXPECT_TRUE(sortiment[0].isUnique());
    EXPECT_EQ(std::count_if(sortiment.begin(), sortiment.end(),
                            [](const IndexTagSpec& tag) { return tag.isUnique(); }),
              1);
}

TEST(IndexCatalogue, EveryIndexedTableIsATableOfTheDataModule)
{
    for (const auto& table : indexCatalogue())
        EXPECT_NE(findCatalogueEntry(table.member), nullptr) << table.member;
}

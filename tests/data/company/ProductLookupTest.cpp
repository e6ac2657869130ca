// The product range lookup below the GUI: the card check SorValidNew (a
// complete number passes, anything else goes to the list, retired cards
// refused where asked) and the three searches of the product list, with
// Czech names in collation order.
#include <gtest/gtest.h>

#include "data/company/ProductName.h"
#include "data/company/SorValidNew.h"
#include "data/company/TData.h"
#include "data/documents/DocumentSearch.h"
#include "data/table/ScopedTableOpen.h"
#include "support/CompanyFixture.h"

namespace tarvela {
namespace {

using test::CompanyFixture;

class ProductLookup : public ::testing::Test {
protected:
    ProductLookup()
    {
        product("100010", "Dlaždice", 150.50, false);
        product("100020", "čerpadlo", 980.00, false);
        product("100030", "Cihla", 12.40, false);
        product("100040", "Čep", 150.40, true);
        product("100050", "Zásuvka", 45.00, false);
    }

    void product(const std::string& card, const std::string& name, double price, bool retired)
    {
        company.add("Sortiment", {{"SOR_KAV", card}, {"SOR_NAC", name}, {"SOR_PC1", price}, {"SOR_OLD", retired}});
    }

    // The list as the user would close it: on `card`, or cancelled.
    ProductChooser listChoosing(const std::string& card, std::vector<std::uint32_t>& shownOn)
    {
        return [this, card, &shownOn] {
            DbfTable& range = company.data().Sortiment;
            shownOn.push_back(range.recordNumber());
            if (card.empty())
                return false;
            return range.seek(card);
        };
    }

    CompanyFixture company;
};

TEST_F(ProductLookup, CompleteNumberPassesShorterOneAsksTheListRetiredIsRefusedWhereAsked)
{
    TData& data = company.data();
    std::vector<std::uint32_t> shownOn;
    std::string card;

    EXPECT_TRUE(SorValidNew(data, "100030", true, listChoosing("", shownOn), card));
    EXPECT_EQ(card, "100030");
    EXPECT_TRUE(shownOn.empty()) << "a complete existing number needs no list";
    EXPECT_FALSE(data.Sortiment.isOpen()) << "opened for the check only";

    card.clear();
    EXPECT_TRUE(SorValidNew(data, "10001", true, listChoosing("100050", shownOn), card));
    EXPECT_EQ(card, "100050");
    ASSERT_EQ(shownOn.size(), 1u);
    EXPECT_EQ(shownOn[0], 3u) << "the list opens on the card found last (record 3, 100030)";

    EXPECT_TRUE(SorValidNew(data, "", false, listChoosing("100010", shownOn), card));
    EXPECT_EQ(shownOn[1], 5u) << "now on 100050, chosen last";

    card.clear();
    EXPECT_FALSE(SorValidNew(data, "1000", true, listChoosing("", shownOn), card)) << "list cancelled";
    EXPECT_TRUE(card.empty());
    EXPECT_TRUE(company.ui.messages.empty());

    EXPECT_FALSE(SorValidNew(data, "100040", true, listChoosing("", shownOn), card));
    ASSERT_EQ(company.ui.messages.size(), 1u);
    EXPECT_EQ(company.ui.messages[0], "Sortiment vyřazen z prodeje");
    EXPECT_FALSE(SorValidNew(data, "10004", true, listChoosing("100040", shownOn), card))
        << "a retired card chosen in the list is refused too";
    EXPECT_EQ(company.ui.messages.size(), 2u);

    EXPECT_TRUE(SorValidNew(data, "100040", false, listChoosing("", shownOn), card))
        << "an existing row may keep its retired card";
    EXPECT_EQ(card, "100040");
}

TEST_F(ProductLookup, SearchesByNameCardAndPriceFindTheNearestInTheirOrder)
{
    TData& data = company.data();
    ScopedTableOpen range(data, data.Sortiment, "KAV");
    const auto found = [&data](ProductSearch search, const std::string& text) {
        seekNearest(data.Sortiment, productSearchKey(search, text));
        return data.Sortiment.eof() ? std::string() : data.Sortiment.asString("SOR_KAV");
    };

    EXPECT_EQ(found(ProductSearch::Name, "če"), "100040");  // Čep, in upper case ČEP
    EXPECT_EQ(found(ProductSearch::Name, "čer"), "100020");
    EXPECT_EQ(found(ProductSearch::Name, "ce"), "100030");  // CE... follows on to Cihla
    EXPECT_EQ(found(ProductSearch::Name, "d"), "100010");
    EXPECT_EQ(data.Sortiment.activeTag(), "NAC");
    std::vector<std::string> names;
    for (data.Sortiment.first(); !data.Sortiment.eof(); data.Sortiment.next())
        names.push_back(data.Sortiment.asString("SOR_NAC").substr(0, data.Sortiment.asString("SOR_NAC").find_last_not_of(' ') + 1));
    EXPECT_EQ(names, (std::vector<std::string>{"Cihla", "Čep", "čerpadlo", "Dlaždice", "Zásuvka"}));

    EXPECT_EQ(found(ProductSearch::Card, " 10003"), "100030");
    EXPECT_EQ(found(ProductSearch::Card, "100031"), "100040");
    EXPECT_EQ(data.Sortiment.activeTag(), "KAV");

    EXPECT_EQ(found(ProductSearch::Price, "150,45"), "100010");
    EXPECT_EQ(found(ProductSearch::Price, "150.40"), "100040");
    EXPECT_EQ(found(ProductSearch::Price, "1000"), "");
    EXPECT_EQ(data.Sortiment.activeTag(), "PC1");
}

TEST_F(ProductLookup, CardNameIsFoundInAnyOrderAndTheRangeStaysWhereItWas)
{
    TData& data = company.data();
    ScopedTableOpen range(data, data.Sortiment, "KAV");
    seekNearest(data.Sortiment, productSearchKey(ProductSearch::Name, "z"));
    const std::uint32_t zasuvka = data.Sortiment.recordNumber();
    EXPECT_EQ(productName(data.Sortiment, "100020"), "čerpadlo");
    EXPECT_EQ(productName(data.Sortiment, "100099"), "");
    EXPECT_EQ(data.Sortiment.activeTag(), "NAC");
    EXPECT_EQ(data.Sortiment.recordNumber(), zasuvka);
    data.Sortiment.next();
    ASSERT_TRUE(data.Sortiment.eof());
    EXPECT_EQ(productName(data.Sortiment, "100010 "), "Dlaždice");
    EXPECT_TRUE(data.Sortiment.eof()) << "past the end stays past the end";
}

} // namespace
} // namespace tarvela

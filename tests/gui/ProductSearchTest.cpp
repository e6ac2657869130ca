// The product range search driven by keys: the price choice makes the text a
// number, so letters are refused and the seek lands on the nearest price
// rather than past the end of the range.
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "controls/TEditOrvo.h"
#include "data/table/ScopedTableOpen.h"
#include "screens/products/TSorHle.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;

TEST(ProductSearch, PriceChoiceTakesOnlyANumberAndFindsTheNearestPrice)
{
    CompanyFixture company;
    company.add("Sortiment", {{"SOR_KAV", "100010"}, {"SOR_NAC", "Vrtačka"}, {"SOR_PC1", 150.5}});
    company.add("Sortiment", {{"SOR_KAV", "100020"}, {"SOR_NAC", "Pilka"}, {"SOR_PC1", 980.0}});
    TData& data = company.data();
    ScopedTableOpen range(data, data.Sortiment, "KAV");
    TSorHle search(nullptr, data);
    search.show();
    QApplication::setActiveWindow(&search);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&search));
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };

    press(Qt::Key_Down);
    press(Qt::Key_Down);
    ASSERT_TRUE(search.choice(2).isChecked());
    press(Qt::Key_Return);
    QTest::keyClicks(&search.textEdit(), "ab200");
    EXPECT_EQ(search.textEdit().text(), "200");
    QTest::keyClick(&search.textEdit(), Qt::Key_Return);
    EXPECT_EQ(search.result(), QDialog::Accepted);
    ASSERT_FALSE(data.Sortiment.eof());
    EXPECT_EQ(data.Sortiment.asString("SOR_KAV"), "100020");
    EXPECT_EQ(data.Sortiment.activeTag(), "PC1");

    search.show();
    QApplication::setActiveWindow(&search);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&search));
    search.choice(2).setFocus();
    press(Qt::Key_Up);
    ASSERT_TRUE(search.choice(1).isChecked());
    search.textEdit().clear();
    QTest::keyClicks(&search.textEdit(), "ab");
    EXPECT_EQ(search.textEdit().text(), "ab") << "the other choices take any text";
}

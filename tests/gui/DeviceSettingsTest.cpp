// The device settings dialog on a fake printer list: "Ulož" stores the
// positions in the owner record, the data module and Merkan.ini; "Storno"
// leaves both files as they were, byte for byte; a list with nothing chosen
// (no printer installed) writes nothing and says so.
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "controls/TComboBoxOrvo.h"
#include "data/table/ScopedTableOpen.h"
#include "gui/CommandButton.h"
#include "platform/FileNames.h"
#include "report/render_qt/InstalledPrinters.h"
#include "screens/settings/TSystemNastaveni.h"
#include "support/CompanyFixture.h"

using namespace tarvela;
using tarvela::test::CompanyFixture;

namespace {

class FakePrinters : public InstalledPrinters {
public:
    explicit FakePrinters(QStringList names) : names_(std::move(names)) {}
    QStringList names() const override { return names_; }

private:
    QStringList names_;
};

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class DeviceSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        company.add("Vlastnik", {{"VLA_NAC", std::string("Železářství Brno")}, {"VLA_PR1", 1.0}, {"VLA_PR2", 1.0}});
        data().settings().mainPrinterIndex = 1;
        data().settings().receiptPrinterIndex = 1;
    }

    TData& data() { return company.data(); }
    std::string ownerFile() { return resolvePathIgnoringCase(company.dataDirectory() + "Vla0000.dbf"); }

    std::pair<int, int> storedIndexes()
    {
        ScopedTableOpen owner(data().Vlastnik);
        data().Vlastnik.first();
        return {data().Vlastnik.asInteger("VLA_PR1"), data().Vlastnik.asInteger("VLA_PR2")};
    }

    void choose(const QStringList& printers, int main, int receipt, const char* button)
    {
        TSystemNastaveni dialog(nullptr, data(), FakePrinters(printers));
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Nastavení systémových parametrů");
        dialog.mainPrinter().setCurrentIndex(main);
        dialog.receiptPrinter().setCurrentIndex(receipt);
        buttonOf(dialog, button)->click();
    }

    CompanyFixture company;
};

} // namespace

TEST_F(DeviceSettings, SaveStoresThePositionsEverywhere)
{
    const QStringList printers {"Kancelář HP", "Sklad Epson", "Brother PDF", "Účtenky"};
    {
        TSystemNastaveni dialog(nullptr, data(), FakePrinters(printers));
        EXPECT_EQ(dialog.mainPrinter().currentText(), "Sklad Epson");
        EXPECT_EQ(dialog.receiptPrinter().count(), 4);
    }
    choose(printers, 2, 3, "Ulož");
    EXPECT_EQ(storedIndexes(), std::make_pair(2, 3));
    EXPECT_EQ(data().settings().mainPrinterIndex, 2);
    EXPECT_EQ(IniFile(data().iniPath()).readInteger("Merkan", "HlavniTiskarna", -9), 2);
    EXPECT_EQ(IniFile(data().iniPath()).readInteger("Merkan", "ParagonovaTiskarna", -9), 3);
    EXPECT_FALSE(data().Vlastnik.isOpen());
}

TEST_F(DeviceSettings, StornoChangesNoByte)
{
    const std::string owner = bytesOf(ownerFile());
    const std::string ini = bytesOf(data().iniPath());
    choose({"A", "B", "C"}, 2, 0, "Storno");
    EXPECT_EQ(bytesOf(ownerFile()), owner);
    EXPECT_EQ(bytesOf(data().iniPath()), ini);
    EXPECT_EQ(data().settings().mainPrinterIndex, 1);
}

TEST_F(DeviceSettings, NothingChosenKeepsThePreviousIndex)
{
    data().settings().receiptPrinterIndex = 5;
    {
        TSystemNastaveni dialog(nullptr, data(), FakePrinters({}));
        EXPECT_EQ(dialog.mainPrinter().placeholderText(), "Není nainstalována žádná tiskárna");
    }
    const std::string owner = bytesOf(ownerFile());
    const std::string ini = bytesOf(data().iniPath());
    choose({}, -1, -1, "Ulož");
    EXPECT_EQ(bytesOf(ownerFile()), owner) << "the shared owner record keeps VLA_PR2 it was never asked about";
    EXPECT_EQ(bytesOf(data().iniPath()), ini);
    EXPECT_EQ(data().settings().receiptPrinterIndex, 5);

    choose({"A", "B"}, 1, -1, "Ulož");
    EXPECT_EQ(storedIndexes(), std::make_pair(1, 1)) << "only the chosen main printer is written";
    EXPECT_EQ(IniFile(data().iniPath()).readInteger("Merkan", "HlavniTiskarna", -9), 1);
}

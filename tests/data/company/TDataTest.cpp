#include <gtest/gtest.h>

#include <fstream>

#include "data/company/TData.h"
#include "platform/Error.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

using namespace tarvela;

namespace {

// A program folder with Merkan.ini (lines as given) and, in data/, an
// empty users table file spelled as the sibling system spells it.
class ProgramFolder {
public:
    explicit ProgramFolder(const std::string& iniLines, bool withUsers = true)
    {
        if (!iniLines.empty() || withUsers)
            std::ofstream(dir_ / "Merkan.ini", std::ios::binary) << "[Merkan]\r\n" << iniLines;
        std::filesystem::create_directory(dir_ / "data");
        if (withUsers)
            std::ofstream(dir_ / "data" / "Usr0000.DBF") << "";
    }
    std::string programDirectory() const { return dir_.str() + "/"; }
    std::string dataDirectory() const { return dir_.str() + "/data/"; }

private:
    test::TempDir dir_;
};

} // namespace

TEST(TDataStartup, MissingConfigurationNamesNoTable)
{
    test::TempDir dir;
    test::RecordingUi ui;
    TData data(ui, dir.str() + "/", PathMapping{});
    EXPECT_FALSE(data.DataCreate());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Konfigurační soubor " + dir.str() + "/\\Merkan.ini nenalezen !");
    EXPECT_EQ(data.Faktury.tableName(), "");
    EXPECT_EQ(data.GetIniWinHigh(1), 0);
}

TEST(TDataStartup, FileWithoutKeysGivesTheDefaults)
{
    ProgramFolder folder("");
    test::RecordingUi ui;
    TData data(ui, folder.programDirectory(), PathMapping{});
    EXPECT_TRUE(data.DataCreate());
    EXPECT_TRUE(ui.messages.empty());
    const MerkanSettings& s = data.settings();
    EXPECT_EQ(s.dataDirectory, folder.dataDirectory());
    EXPECT_EQ(s.companyNumber, "0001");
    EXPECT_EQ(s.basicRate, 19);
    EXPECT_EQ(s.previousBasicRate, 22);
    EXPECT_EQ(s.reducedRate, 5);
    EXPECT_EQ(s.zeroRate, 0);
    EXPECT_EQ(s.priceBasis, 2);
    EXPECT_FALSE(s.loginByDialog);
    EXPECT_EQ(s.logoFile, folder.programDirectory() + "Logo.bmp");
    EXPECT_EQ(s.mainPrinterIndex, 1);
    EXPECT_EQ(data.Faktury.tableName(), "Fak0001.DBF");
    EXPECT_EQ(data.Faktury.directory(), s.dataDirectory);
}

TEST(TDataStartup, PriceBasisComesFromTheUpperCasedValue)
{
    EXPECT_EQ(priceBasisOf("ano"), 2);
    EXPECT_EQ(priceBasisOf("ANO"), 2);
    EXPECT_EQ(priceBasisOf("aNo"), 2);
    EXPECT_EQ(priceBasisOf("Ne"), 1);
    EXPECT_EQ(priceBasisOf(""), 1);
    EXPECT_EQ(priceBasisOf("Ano "), 1);
    ProgramFolder folder("ZakladniCenySDPH=\r\n");
    test::RecordingUi ui;
    TData data(ui, folder.programDirectory(), PathMapping{});
    ASSERT_TRUE(data.DataCreate());
    EXPECT_EQ(data.settings().priceBasis, 1);
}

TEST(TDataStartup, CompanyNumberNamesPerCompanyFiles)
{
    ProgramFolder folder("Merkan=0002\r\nDan22=21\r\nLoginForm=1\r\n");
    test::RecordingUi ui;
    TData data(ui, folder.programDirectory(), PathMapping{});
    ASSERT_TRUE(data.DataCreate());
    EXPECT_EQ(data.Faktury.tableName(), "Fak0002.DBF");
    EXPECT_EQ(data.Denik.tableName(), "Den0002.DBF");
    EXPECT_EQ(data.Uzivatele.tableName(), "Usr0000.DBF");
    EXPECT_EQ(data.SortiSkup.tableName(), "SSK0000.DBF");
    EXPECT_EQ(data.settings().basicRate, 21);
    EXPECT_EQ(data.settings().previousBasicRate, 22);
    EXPECT_TRUE(data.settings().loginByDialog);
}

TEST(TDataStartup, DataDirectoryWithoutSeparatorFailsTheUsersCheck)
{
    ProgramFolder folder("");
    const std::string withoutSeparator = folder.dataDirectory().substr(0, folder.dataDirectory().size() - 1);
    std::ofstream(folder.programDirectory() + "Merkan.ini") << "[Merkan]\nCestaData=" << withoutSeparator << "\n";
    test::RecordingUi ui;
    TData data(ui, folder.programDirectory(), PathMapping{});
    EXPECT_FALSE(data.DataCreate());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Data nejsou dostupná v adresáři " + withoutSeparator);
    EXPECT_EQ(data.Faktury.tableName(), "Fak0001.DBF");
}

TEST(TDataStartup, WindowsDataPathGoesThroughTheMapping)
{
    ProgramFolder folder("CestaData=X:\\merkan\\data\\\r\n");
    PathMapping mapping;
    mapping.add("X:", folder.programDirectory() + "merkan-share");
    test::RecordingUi ui;
    TData data(ui, folder.programDirectory(), mapping);
    EXPECT_FALSE(data.DataCreate());
    EXPECT_EQ(data.settings().dataDirectory, folder.programDirectory() + "merkan-share/merkan/data/");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Data nejsou dostupná v adresáři " + data.settings().dataDirectory);
}

TEST(TDataStartup, BadWholeNumberStopsBeforeNamingTables)
{
    for (const char* line : {"Dan22=abc\r\n", "MainX=1O\r\n", "LoginForm=ano\r\n"}) {
        ProgramFolder folder(line);
        test::RecordingUi ui;
        TData data(ui, folder.programDirectory(), PathMapping{});
        EXPECT_FALSE(data.DataCreate());
        ASSERT_EQ(ui.messages.size(), 1u);
        const std::string value = std::string(line).substr(std::string(line).find('=') + 1);
        EXPECT_EQ(ui.messages[0], "'" + value.substr(0, value.size() - 2) + "' is not a valid integer value");
        EXPECT_EQ(data.Faktury.tableName(), "");
    }
}

TEST(TDataIniSettings, WindowHeightsDefaultAndRoundTrip)
{
    ProgramFolder folder("DobHeight=420\r\nPohHeight=abc\r\n");
    test::RecordingUi ui;
    TData data(ui, folder.programDirectory(), PathMapping{});
    EXPECT_EQ(data.GetIniWinHigh(1), 361);
    EXPECT_EQ(data.GetIniWinHigh(2), 420);
    EXPECT_EQ(data.GetIniWinHigh(0), 0);
    EXPECT_EQ(data.GetIniWinHigh(17), 0);
    EXPECT_THROW(data.GetIniWinHigh(12), Error);
    data.SeTIniWinHigh(1, 500);
    data.SeTIniWinHigh(16, 300);
    data.SeTIniWinHigh(99, 1);
    EXPECT_EQ(data.GetIniWinHigh(1), 500);
    EXPECT_EQ(data.GetIniWinHigh(16), 300);
    IniFile ini(data.iniPath());
    EXPECT_EQ(ini.readInteger("Merkan", "ObjHeight", 0), 300);
}

TEST(TDataIniSettings, HeightsAreNotWrittenWithoutConfiguration)
{
    test::TempDir dir;
    test::RecordingUi ui;
    TData data(ui, dir.str() + "/", PathMapping{});
    data.SeTIniWinHigh(1, 500);
    EXPECT_FALSE(IniFile::exists(data.iniPath()));
}

TEST(TDataIniSettings, PrinterIndexesCreateTheFileWhenMissing)
{
    test::TempDir dir;
    test::RecordingUi ui;
    TData data(ui, dir.str() + "/", PathMapping{});
    data.settings().mainPrinterIndex = 3;
    data.settings().receiptPrinterIndex = 2;
    data.ZapisNastaveniTiskaren();
    IniFile ini(data.iniPath());
    EXPECT_EQ(ini.readInteger("Merkan", "HlavniTiskarna", 0), 3);
    EXPECT_EQ(ini.readInteger("Merkan", "ParagonovaTiskarna", 0), 2);
}

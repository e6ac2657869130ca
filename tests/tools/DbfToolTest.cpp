#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "support/TableBuilder.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

using namespace tarvela;
using namespace tarvela::test;

namespace {

ToolRun runDbf(const std::string& arguments, const TempDir& dir)
{
    return runTool("tarvela-dbf", arguments, dir);
}

// The texts are stored in code page 852, as the sibling system stores them.
void writeSampleIn852(const std::filesystem::path& path)
{
    writeTable(path, {field("ODB_KOD", 'C', 7), field("ODB_NAZ", 'C', 30), field("ODB_LIM", 'N', 12, 2),
                      field("ODB_POC", 'N', 6), field("ODB_DAT", 'D', 8), field("ODB_AKT", 'L', 1)},
               {{{"0000001", utf8ToOem("Pekárna \"U Čápa\" s.r.o."), "12500.5", "3", "20240229", "T"}},
                {{"0000002", utf8ToOem("Smazaný"), "1", "1", "", "F"}, true},
                {{"0000003", utf8ToOem("Řeznictví Ďábel  "), "", "-12", "        ", " "}},
                {{"0000004", utf8ToOem("Žluťoučký kůň"), "0.01", "", "19991231", "j"}}});
}

} // namespace

TEST(DbfToolInfo, HeaderAndOneLinePerField)
{
    TempDir dir;
    writeTable(dir / "T.DBF", {field("KOD", 'C', 3), field("CENA", 'N', 10, 2)}, {{{"A", "1"}}, {{"B", "2"}}});
    const ToolRun run = runDbf("info '" + (dir / "T.DBF").string() + "'", dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "Version: 0x03 (dBase III / FoxPro, no memo)\nRecords: 2\nHeader length: 98\nRecord length: 14\n"
              "Last update: 15.01.2024\nFields: 2\nKOD\tC\t3\t0\nCENA\tN\t10\t2\n");
}

TEST(DbfToolDump, LiveRecordsInFileOrderAsText)
{
    TempDir dir;
    writeSampleIn852(dir / "ODB.DBF");
    const ToolRun run = runDbf("dump '" + (dir / "ODB.DBF").string() + "'", dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "1\t0000001\tPekárna \"U Čápa\" s.r.o.\t12500.5\t3\t29.02.2024\tT\n"
              "3\t0000003\tŘeznictví Ďábel\t0\t-12\t\tF\n"
              "4\t0000004\tŽluťoučký kůň\t0.01\t0\t31.12.1999\tT\n");
    const ToolRun some = runDbf("dump '" + (dir / "ODB.DBF").string() + "' --fields odb_dat,ODB_KOD", dir);
    EXPECT_EQ(some.out, "1\t29.02.2024\t0000001\n3\t\t0000003\n4\t31.12.1999\t0000004\n");
    const ToolRun wrong = runDbf("dump '" + (dir / "ODB.DBF").string() + "' --fields ODB_XXX", dir);
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_EQ(wrong.err, "Field 'ODB_XXX' not found\n");
}

TEST(DbfToolDump, AgreesWithAnIndependentReader)
{
    TempDir dir;
    writeSampleIn852(dir / "ODB.DBF");
    const std::string script =
        "import sys\n"
        "from dbfread import DBF, FieldParser\n"
        "class Czech(FieldParser):\n"
        "    def parseL(self, field, data): return data in (b'T', b't', b'Y', b'y', b'J', b'j')\n"
        "def text(v):\n"
        "    if v is None: return ''\n"
        "    if isinstance(v, bool): return 'T' if v else 'F'\n"
        "    if isinstance(v, float): return repr(v).removesuffix('.0')\n"
        "    if hasattr(v, 'strftime'): return v.strftime('%d.%m.%Y')\n"
        "    return str(v)\n"
        "for r in DBF(sys.argv[1], encoding='cp852', parserclass=Czech):\n"
        "    print('\\t'.join(text(v) for v in r.values()))\n";
    writeBytes(dir / "read.py", script);
    const ToolRun independent =
        runCommand("/usr/bin/python3 '" + (dir / "read.py").string() + "' '" + (dir / "ODB.DBF").string() + "'", dir);
    if (independent.err.find("No module named 'dbfread'") != std::string::npos)
        GTEST_SKIP() << "python3-dbfread is not installed";
    ASSERT_EQ(independent.exitCode, 0) << independent.err;
    const ToolRun ours = runDbf("dump '" + (dir / "ODB.DBF").string() + "'", dir);
    std::string withoutNumbers;
    for (std::size_t at = 0; at < ours.out.size();) {
        const auto tab = ours.out.find('\t', at);
        const auto end = ours.out.find('\n', at);
        withoutNumbers += ours.out.substr(tab + 1, end - tab);
        at = end + 1;
    }
    // dbfread reads blank numbers as None; the table layer reads 0.
    std::string expected = independent.out;
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"\t\t-12\t\tF", "\t0\t-12\t\tF"},
                                   {"\t0.01\t\t", "\t0.01\t0\t"}})
        expected.replace(expected.find(from), from.size(), to);
    EXPECT_EQ(withoutNumbers, expected);
}

TEST(DbfToolRefusal, OtherFilesGetAClearMessageAndExitCode2)
{
    TempDir dir;
    writeBytes(dir / "notes.txt", "Tohle není tabulka, jen text, který je dost dlouhý na hlavičku.\n");
    for (const char* command : {"info", "dump"}) {
        const ToolRun run = runDbf(std::string(command) + " '" + (dir / "notes.txt").string() + "'", dir);
        EXPECT_EQ(run.exitCode, 2) << command;
        EXPECT_EQ(run.err, "Soubor " + (dir / "notes.txt").string() + " není tabulka DBF nebo je poškozen\n");
        EXPECT_EQ(run.out, "");
    }
    const ToolRun missing = runDbf("info '" + (dir / "none.dbf").string() + "'", dir);
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err, "Nemohu najít soubor " + (dir / "none.dbf").string() + "\n");
    EXPECT_EQ(runDbf("frobnicate", dir).exitCode, 2);
    EXPECT_EQ(runDbf("info", dir).exitCode, 2);
}

TEST(DbfToolSummary, TablesOfTheCompanyWithTheirCounts)
{
    TempDir dir;
    std::filesystem::create_directories(dir / "data");
    writeBytes(dir / "Merkan.ini", "[Merkan]\r\nMerkan=0002\r\nCestaData=" + (dir / "data").string() + "/\r\n");
    writeTable(dir / "data" / "SKL0002.dbf", {field("SKL_KAV", 'C', 6)},
               {{{"A"}}, {{"B"}, true}, {{"C"}}});
    writeTable(dir / "data" / "Obc0002.DBF", {field("NIC", 'C', 6)}, {});
    const ToolRun run = runDbf("summary --program-dir '" + dir.str() + "'", dir);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Company: 0002\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nSklad\tSkl0002.DBF\t2\t3\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nFaktury\tFak0002.DBF\tchybí\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nObchodnici\tOBC0002.DBF\tField '"), std::string::npos);
}

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "data/table/DbfTable.h"
#include "support/TempDir.h"

using namespace tarvela;

namespace {

const std::string kDemoTool = std::string(TARVELA_BUILD_DIR) + "/tools/tarvela-demo";
const char* const kPython = "/usr/bin/python3";

// Prints every live record of every table in file order, one line each,
// fields separated by '|': text as read, numbers with four decimals, dates
// as day numbers from 30 December 1899, logicals T or F.
const char* const kDumpScript = R"(import datetime, glob, os, sys
from dbfread import DBF
origin = datetime.date(1899, 12, 30)
for path in sorted(glob.glob(os.path.join(sys.argv[1], '*.DBF'))):
    table = DBF(path, encoding='cp852', char_decode_errors='strict')
    print('#' + os.path.basename(path))
    for record in table:
        values = []
        for field in table.fields:
            value = record[field.name]
            if field.type == 'C':
                values.append(value)
            elif field.type in 'NF':
                values.append('%.4f' % (value or 0))
            elif field.type == 'D':
                values.append(str((value - origin).days if value else 0))
            else:
                values.append('T' if value else 'F')
        print('|'.join(values))
)";

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int run(const std::string& command)
{
    return std::system(command.c_str());
}

std::string createDemo(const test::TempDir& dir, const std::string& name)
{
    const std::string target = (dir / name).string();
    EXPECT_EQ(run(kDemoTool + " " + target + " --seed 5 --scale 1 > /dev/null"), 0);
    return target;
}

bool independentReaderAvailable()
{
    return std::filesystem::exists(kPython) && run(std::string(kPython) + " -c 'import dbfread' 2>/dev/null") == 0;
}

// The same dump as the script, through the program's own table layer.
std::map<std::string, std::vector<std::string>> dumpWithTableLayer(const std::string& dataDirectory)
{
    std::map<std::string, std::vector<std::string>> dump;
    for (const auto& file : std::filesystem::directory_iterator(dataDirectory)) {
        if (file.path().extension() != ".DBF")
            continue;
        DbfTable table;
        table.setDirectory(dataDirectory);
        table.setTableName(file.path().filename().string());
        table.open();
        auto& lines = dump[file.path().filename().string()];
        for (table.first(); !table.eof(); table.next()) {
            std::string line;
            for (const FieldDescriptor& field : table.fields()) {
                if (!line.empty() || &field != &table.fields().front())
                    line += '|';
                char number[64];
                switch (field.type) {
                case 'C': line += table.asString(field.name); break;
                case 'N':
                case 'F':
                    std::snprintf(number, sizeof number, "%.4f", table.asFloat(field.name));
                    line += number;
                    break;
                case 'D': line += std::to_string(table.asDate(field.name)); break;
                default: line += table.asBool(field.name) ? 'T' : 'F';
                }
            }
            lines.push_back(line);
        }
        table.close();
    }
    return dump;
}

std::map<std::string, std::vector<std::string>> parseDump(const std::string& text)
{
    std::map<std::string, std::vector<std::string>> dump;
    std::istringstream in(text);
    std::string line;
    std::vector<std::string>* current = nullptr;
    while (std::getline(in, line)) {
        if (line.starts_with("#"))
            current = &dump[line.substr(1)];
        else if (current)
            current->push_back(line);
    }
    return dump;
}

} // namespace

TEST(DemoCompany, CreatesEveryTableAndItsIndexes)
{
    test::TempDir dir;
    const std::string company = createDemo(dir, "demo");
    EXPECT_TRUE(std::filesystem::exists(company + "/Merkan.ini"));
    int tables = 0, indexes = 0;
    for (const auto& file : std::filesystem::directory_iterator(company + "/data")) {
        tables += file.path().extension() == ".DBF";
        indexes += file.path().extension() == ".cdx";
    }
    EXPECT_EQ(tables, 79);
    EXPECT_EQ(indexes, 56);
}

TEST(DemoCompany, SameSeedGivesTheSameFiles)
{
    test::TempDir dir;
    const std::string first = createDemo(dir, "a");
    const std::string second = createDemo(dir, "b");
    for (const auto& file : std::filesystem::directory_iterator(first + "/data")) {
        const auto twin = std::filesystem::path(second) / "data" / file.path().filename();
        EXPECT_EQ(readFile(file.path()), readFile(twin)) << file.path().filename();
    }
}

TEST(DemoCompany, RefusesNonsenseArguments)
{
    test::TempDir dir;
    EXPECT_NE(run(kDemoTool + " 2> /dev/null"), 0);
    EXPECT_NE(run(kDemoTool + " " + dir.str() + " --scale 0 2> /dev/null"), 0);
    EXPECT_NE(run(kDemoTool + " " + dir.str() + " --seed x 2> /dev/null"), 0);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(DemoCompany, ReadsBackIdenticallyThroughAnIndependentReader)
{
    if (!independentReaderAvailable())
        GTEST_SKIP() << "/usr/bin/python3 with dbfread is not installed";
    test::TempDir dir;
    const std::string company = createDemo(dir, "demo");
    std::ofstream(dir / "dump.py") << kDumpScript;
    ASSERT_EQ(run(std::string(kPython) + " " + (dir / "dump.py").string() + " " + company + "/data > " +
                  (dir / "dump.txt").string()),
              0);
    const auto theirs = parseDump(readFile(dir / "dump.txt"));
    const auto ours = dumpWithTableLayer(company + "/data");
    ASSERT_EQ(theirs.size(), 79u);
    ASSERT_EQ(ours.size(), theirs.size());
    bool quoteSeen = false;
    for (const auto& [file, lines] : theirs) {
        const auto& mine = ours.at(file);
        ASSERT_EQ(mine.size(), lines.size()) << file;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ASSERT_EQ(mine[i], lines[i]) << file << " record " << i + 1;
            quoteSeen = quoteSeen || lines[i].find("Stavebniny \"U Nádraží\"") != std::string::npos;
        }
    }
    EXPECT_TRUE(quoteSeen);
}

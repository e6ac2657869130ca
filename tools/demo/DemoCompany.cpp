#include "DemoCompany.h"

#include <charconv>
#include <filesystem>

#include "DemoGenerators.h"
#include "data/company/TData.h"
#include "platform/CodePage.h"
#include "platform/Error.h"
#include "platform/WholeFile.h"
#include "tools/common/ToolMain.h"

namespace tarvela::demo {

namespace {

long parsePositive(const std::string& text, long maximum)
{
    long value = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failure != std::errc() || end != text.data() + text.size() || value < 1 || value > maximum)
        throw tool::UsageError("Chybná hodnota: " + text);
    return value;
}

// Merkan.ini as the sibling system leaves it: code page 1250, CRLF, and
// keys of its own beside ours. Without CestaData the data folder is the
// subfolder "data" of the program folder.
void writeMerkanIni(const std::filesystem::path& directory)
{
    const std::string text =
        "[Merkan]\r\n"
        "Merkan=0001\r\n"
        "Dan22=19\r\n"
        "DanStara22=22\r\n"
        "Dan05=5\r\n"
        "Dan00=0\r\n"
        "ZakladniCenySDPH=Ano\r\n"
        "LoginForm=0\r\n"
        "HlavniTiskarna=1\r\n"
        "ParagonovaTiskarna=1\r\n"
        "MainX=10\r\n"
        "MainY=10\r\n"
        "PocetTiskuFaktury=2\r\n"
        "PocetTiskuDobropisu=1\r\n"
        "TypImportu=AVD\r\n"
        "UctKodInt=2301\r\n"
        "UctKodExt=2302\r\n"
        "MatrixPrinter=0\r\n"
        "OdcitatObjednavku=1\r\n"
        "FakHeight=361\r\n"
        "DobHeight=361\r\n"
        "PohHeight=361\r\n"
        "\r\n"
        "[Pokladna]\r\n"
        "Zahlavi=Železářství Brno - velkoobchod\r\n"
        "Zapati=Děkujeme za nákup\r\n"
        "\r\n"
        "[ExportKalkul]\r\n"
        "KalExpFil=\r\n";
    const std::filesystem::path path = directory / "Merkan.ini";
    writeWholeFile(path, utf8ToCp1250(text));
}

// The index files come from the program's own reindexing, through the
// configuration just written, as a user would build them.
void buildIndexes(const std::filesystem::path& directory)
{
    ConsoleUi ui;
    TData data(ui, std::filesystem::absolute(directory).string() + "/");
    if (!data.DataCreate() || !data.Index())
        throw Error(formatMessage("Indexy demo firmy v %s se nepodařilo vytvořit", directory.string()));
}

} // namespace

const char* demoUsage()
{
    return "Použití: tarvela-demo ADRESÁŘ [--seed N] [--scale N] [--anomalies]\n";
}

DemoOptions parseDemoOptions(const std::vector<std::string>& arguments)
{
    DemoOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if ((argument == "--seed" || argument == "--scale") && i + 1 < arguments.size()) {
            const std::string& value = arguments[++i];
            if (argument == "--seed")
                options.seed = static_cast<std::uint32_t>(parsePositive(value, 4294967295L));
            else
                options.scale = static_cast<int>(parsePositive(value, 1000));
        } else if (argument == "--anomalies") {
            options.anomalies = true;
        } else if (options.directory.empty() && !argument.starts_with("--")) {
            options.directory = argument;
        } else {
            throw tool::UsageError("Nesprávný argument: " + argument);
        }
    }
    if (options.directory.empty())
        throw tool::UsageError("Chybí adresář demo firmy");
    return options;
}

void createDemoCompany(const DemoOptions& options, const std::string& logonName)
{
    const std::filesystem::path directory = options.directory;
    const std::filesystem::path data = directory / "data";
    std::error_code error;
    std::filesystem::create_directories(data, error);
    if (error)
        throw Error(formatMessage("Nelze vytvořit adresář %s", data.string()) + ": " + error.message());
    writeMerkanIni(directory);

    DemoModel model(data.string(), options.seed, options.scale, options.anomalies);
    writeSalesmen(model);
    writeProductGroups(model);
    writeCommissionKindsAndPaymentTypes(model);
    writeUsersAndRights(model, logonName);
    writeOwner(model);
    writeProducts(model);
    writeCustomers(model);
    writeCommissionCards(model);
    writeDocuments(model);
    writeSiblingTables(model);
    buildIndexes(directory);
}

} // namespace tarvela::demo

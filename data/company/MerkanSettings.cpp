#include "data/company/MerkanSettings.h"

namespace tarvela {

namespace {

// Keys the program does not use; a bad whole number among them still stops
// start-up, as it does in the sibling system.
void checkUnusedKeys(const IniFile& ini, const std::string& programDirectory)
{
    const char* const wholeNumbers[] = {
        "UserRequestType", "MainX", "MainY", "PocetTiskuFaktury", "PocetTiskuDodaku",
        "PocetTiskuDobropisu", "PocetTiskuVydejky", "PocetTiskuPrijemky", "PocetTiskuDodavky",
        "PocetTiskuPreceneni", "PocetTiskuInventury", "PocetTiskuProformy",
        "PocetTiskuObjednavky", "PosunParagonu", "MatrixPrinter", "OdcitatObjednavku"};
    for (const char* key : wholeNumbers)
        ini.readInteger(kMerkanSection, key, 0);
    ini.readString(kMerkanSection, "TypImportu", "AVD");
    ini.readString(kMerkanSection, "UctKodInt", "2301");
    ini.readString(kMerkanSection, "UctKodExt", "2302");
    ini.readString(kMerkanSection, "CestaPrivate", programDirectory + "\\Private\\");
    ini.readString(kMerkanSection, "CestaExport", programDirectory + "\\Export\\");
    ini.readString(kMerkanSection, "CestaImport", programDirectory + "\\Import\\");
    ini.readString("ExportKalkul", "KalExpFil", "");
}

} // namespace

int priceBasisOf(const std::string& zakladniCenySDPH)
{
    std::string upper = zakladniCenySDPH;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper == "ANO" ? 2 : 1;
}

MerkanSettings readMerkanSettings(const IniFile& ini, const std::string& programDirectory,
                                  const PathMapping& mapping)
{
    MerkanSettings settings;
    settings.programDirectory = programDirectory;
    settings.companyNumber = ini.readString(kMerkanSection, "Merkan", "0001");
    settings.basicRate = ini.readInteger(kMerkanSection, "Dan22", 19);
    settings.previousBasicRate = ini.readInteger(kMerkanSection, "DanStara22", 22);
    settings.reducedRate = ini.readInteger(kMerkanSection, "Dan05", 5);
    settings.zeroRate = ini.readInteger(kMerkanSection, "Dan00", 0);
    settings.priceBasis = priceBasisOf(ini.readString(kMerkanSection, "ZakladniCenySDPH", "Ano"));
    settings.dataDirectory =
        mapping.toLocal(ini.readString(kMerkanSection, "CestaData", programDirectory + "\\data\\"));
    settings.logoFile =
        mapping.toLocal(ini.readString(kMerkanSection, "LogoFile", programDirectory + "\\Logo.bmp"));
    settings.loginByDialog = ini.readInteger(kMerkanSection, "LoginForm", 0) != 0;
    settings.mainPrinterIndex = ini.readInteger(kMerkanSection, "HlavniTiskarna", 1);
    settings.receiptPrinterIndex = ini.readInteger(kMerkanSection, "ParagonovaTiskarna", 1);
    checkUnusedKeys(ini, programDirectory);
    return settings;
}

} // namespace tarvela

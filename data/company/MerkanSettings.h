// The settings TData reads from Merkan.ini at start-up, with the defaults the
// sibling system uses for missing keys. Paths are local paths: the Windows
// paths of the file have gone through the user's path mapping.
#pragma once

#include <string>

#include "platform/IniFile.h"
#include "platform/WindowsPath.h"

namespace tarvela {

struct MerkanSettings {
    std::string programDirectory;   // ends with '/'
    std::string dataDirectory;      // CestaData, as written (a missing separator stays missing)
    std::string companyNumber = "0001";  // Merkan, taken as written
    int basicRate = 19;             // Dan22
    int previousBasicRate = 22;     // DanStara22
    int reducedRate = 5;            // Dan05
    int zeroRate = 0;               // Dan00
    int priceBasis = 2;             // ZakladniCenySDPH: 2 prices include VAT, 1 they do not
    bool loginByDialog = false;     // LoginForm
    std::string logoFile;           // LogoFile
    int mainPrinterIndex = 1;       // HlavniTiskarna
    int receiptPrinterIndex = 1;    // ParagonovaTiskarna
};

inline const char* const kMerkanSection = "Merkan";

// Every key of the configuration, including those read only to check that
// their whole numbers convert. Throws "'%s' is not a valid integer value".
MerkanSettings readMerkanSettings(const IniFile& ini, const std::string& programDirectory,
                                  const PathMapping& mapping);

// "ANO" in upper case (letters a to z only) means prices include VAT.
int priceBasisOf(const std::string& zakladniCenySDPH);

} // namespace tarvela

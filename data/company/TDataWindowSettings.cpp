// The settings services of the data module that go to Merkan.ini directly,
// never cached: window heights and printer indexes.
#include "data/company/TData.h"

#include <optional>

namespace tarvela {

namespace {

std::optional<std::string> windowHeightKey(int screenCode)
{
    static const char* const keys[] = {
        "FakHeight", "DobHeight", "DodHeight", "PriHeight", "VydHeight", "PrfHeight",
        "OdbHeight", "VstHeight", "PrcHeight", "SklHeight", "SorHeight", "PohHeight",
        "UceHeight", "InvHeight", "PkdHeight", "ObjHeight"};
    if (screenCode < 1 || screenCode > static_cast<int>(std::size(keys)))
        return std::nullopt;
    return keys[screenCode - 1];
}

constexpr int kDefaultWindowHeight = 361;

} // namespace

int TData::GetIniWinHigh(int screenCode) const
{
    const auto key = windowHeightKey(screenCode);
    if (!key || !IniFile::exists(iniPath()))
        return 0;
    return IniFile(iniPath()).readInteger(kMerkanSection, *key, kDefaultWindowHeight);
}

void TData::SeTIniWinHigh(int screenCode, int height)
{
    const auto key = windowHeightKey(screenCode);
    if (!key || !IniFile::exists(iniPath()))
        return;
    IniFile(iniPath()).writeInteger(kMerkanSection, *key, height);
}

void TData::ZapisNastaveniTiskaren()
{
    IniFile ini(iniPath());
    ini.writeInteger(kMerkanSection, "HlavniTiskarna", settings_.mainPrinterIndex);
    ini.writeInteger(kMerkanSection, "ParagonovaTiskarna", settings_.receiptPrinterIndex);
}

} // namespace tarvela

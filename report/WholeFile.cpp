#include "report/WholeFile.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/Error.h"

namespace tarvela {

namespace {

std::filesystem::path temporaryNameFor(const std::filesystem::path& path)
{
    static unsigned serial = 0;
    return path.string() + ".tmp" + std::to_string(++serial);
}

} // namespace

void writeWholeFile(const std::filesystem::path& path, const std::string& bytes)
{
    const std::string message = "Nelze zapsat soubor " + path.string();
    const std::filesystem::path temporary = temporaryNameFor(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw Error(message);
        }
    }
    std::error_code failure;
    std::filesystem::rename(temporary, path, failure);
    if (failure) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw Error(message);
    }
}

std::string readWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Error("Nelze otevřít soubor " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        throw Error("Nelze přečíst soubor " + path.string());
    return bytes.str();
}

} // namespace tarvela

#include "platform/WholeFile.h"

#include <fstream>
#include <sstream>

#include "platform/AtomicFile.h"
#include "platform/Error.h"

namespace tarvela {

void writeWholeFile(const std::filesystem::path& path, std::string_view bytes)
{
    AtomicFile file(path.string());
    file.append(bytes);
    file.commit();
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

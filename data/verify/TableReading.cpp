#include "data/verify/TableReading.h"

#include "data/table/FileOrderWalk.h"
#include "platform/Text.h"

namespace tarvela {

std::string messageNamingFile(const std::string& message, const std::string& file)
{
    const std::string upperMessage = upperAscii(message);
    if (upperMessage.find(upperAscii(file)) != std::string::npos)
        return message;
    return file + ": " + message;
}

void readEveryRecord(DbfTable& table, const std::function<void()>& visit)
{
    whileOpen(table, [&] { forEachRecordInFileOrder(table, visit); });
}

} // namespace tarvela

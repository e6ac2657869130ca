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

void readEveryRecord(DbfTable& table, const std::function<void()>& visit, TableRunProgress* progress)
{
    if (progress)
        progress->beginTable(table.tableName());
    whileOpen(table, [&] {
        const std::uint32_t total = progress ? table.recordCount() : 0;
        forEachRecordInFileOrder(table, [&] {
            visit();
            if (progress)
                progress->recordsDone(table.recordNumber(), total);
        });
    });
}

} // namespace tarvela

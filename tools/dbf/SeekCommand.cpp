// tarvela-dbf seek FILE --index FILE.cdx --tag TAG [--near] [--partial] KEY:
// the record number the seek positions on, or "EOF"; exit 0 when a record
// matched, 1 when not (with --near the following record is still printed).
#include <iostream>

#include "Command.h"
#include "IndexOptions.h"
#include "data/table/DbfTable.h"
#include "platform/Error.h"

namespace tarvela::tool {

namespace {

int seek(std::vector<std::string> args)
{
    const IndexOptions index = IndexOptions::take(args);
    const bool nearest = takeFlag(args, "--near");
    const bool partial = takeFlag(args, "--partial");
    expectArguments(args, 2, "seek");
    if (!index.tag)
        throw UsageError("seek needs --index FILE.cdx and --tag TAG");
    DbfTable table;
    openTableFile(table, args[0]);
    index.applyTo(table);
    const bool matched = table.seek(args[1], !partial, nearest);
    if (table.eof())
        std::cout << "EOF\n";
    else
        std::cout << table.recordNumber() << '\n';
    table.close();
    return matched ? kExitOk : kExitFailed;
}

const CommandRegistration registration{
    {"seek", "FILE --index FILE.cdx --tag TAG [--near] [--partial] KEY", seek}};

} // namespace

} // namespace tarvela::tool

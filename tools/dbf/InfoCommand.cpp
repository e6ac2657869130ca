// tarvela-dbf info FILE: the header of any dBase III / FoxPro 2 table.
#include <cstdio>
#include <iostream>

#include "Command.h"
#include "data/dbf/DbfFile.h"

namespace tarvela::tool {

namespace {

std::string versionName(std::uint8_t version)
{
    switch (version) {
    case 0x03:
        return "dBase III / FoxPro, no memo";
    case 0x83:
        return "dBase III with memo";
    case 0x8B:
        return "dBase IV with memo";
    case 0xF5:
        return "FoxPro 2 with memo";
    case 0x30:
    case 0x31:
    case 0x32:
        return "Visual FoxPro";
    default:
        return "dBase IV / FoxBASE";
    }
}

int info(std::vector<std::string> args)
{
    expectArguments(args, 1, "info");
    DbfFile file(args[0], ShareMode::Shared, LockProtocol::Clipper, 0);
    const DbfHeader& header = file.header();
    char version[8];
    std::snprintf(version, sizeof version, "0x%02X", header.version());
    std::cout << "Version: " << version << " (" << versionName(header.version()) << ")\n"
              << "Records: " << file.knownRecordCount();
    if (header.storedRecordCount() != file.knownRecordCount())
        std::cout << " (header says " << header.storedRecordCount() << ')';
    std::cout << '\n'
              << "Header length: " << header.headerLength() << '\n'
              << "Record length: " << header.recordLength() << '\n'
              << "Last update: " << header.lastUpdate() << '\n'
              << "Fields: " << header.fields().size() << '\n';
    for (const FieldDescriptor& field : header.fields())
        std::cout << field.name << '\t' << field.type << '\t' << int(field.width) << '\t'
                  << int(field.decimals) << '\n';
    return kExitOk;
}

const CommandRegistration registration{{"info", "FILE", info}};

} // namespace

} // namespace tarvela::tool

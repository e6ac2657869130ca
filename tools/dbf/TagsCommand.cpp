// tarvela-dbf tags FILE.cdx: one line per tag in the order the tags were
// created: name, key expression, FOR expression (or nothing), then "unique"
// and "descending" where set, separated by tabs.
#include <algorithm>
#include <filesystem>
#include <iostream>

#include "Command.h"
#include "data/cdx/HeldIndexLock.h"
#include "platform/CodePage.h"
#include "platform/FileNames.h"

namespace tarvela::tool {

namespace {

std::string tagLine(const cdx::Tag& tag)
{
    std::string line = tag.name + '\t' + oemToUtf8(tag.header.keyExpression) + '\t' +
                       oemToUtf8(tag.header.forExpression);
    if (tag.header.isUnique())
        line += "\tunique";
    if (tag.header.descending)
        line += "\tdescending";
    return line;
}

int tags(std::vector<std::string> args)
{
    expectArguments(args, 1, "tags");
    const std::string path = resolvePathIgnoringCase(std::filesystem::absolute(args[0]).string());
    // Without the table the expressions are only shown, never evaluated.
    cdx::IndexFile file(path, {}, LockProtocol::Clipper);
    std::vector<cdx::Tag> found;
    {
        cdx::HeldIndexLock locked(file, path);
        file.refresh(true);
        found = file.tags();
    }
    std::ranges::sort(found, {}, &cdx::Tag::headerOffset);
    for (const cdx::Tag& tag : found)
        std::cout << tagLine(tag) << '\n';
    return kExitOk;
}

const CommandRegistration registration{{"tags", "FILE.cdx", tags}};

} // namespace

} // namespace tarvela::tool

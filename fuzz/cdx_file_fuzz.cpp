// Treats arbitrary bytes as a whole index file: lists its tags and walks each
// one forward and backward, as the tools and the table layer do. A damaged
// file must end in an Error, never in a crash or an endless walk.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

#include "data/cdx/IndexFile.h"
#include "data/cdx/TagTree.h"

using namespace tarvela;

namespace {

std::string scratchPath()
{
    return "/tmp/cdx_file_fuzz." + std::to_string(::getpid()) + ".cdx";
}

void walk(cdx::IndexFile& file)
{
    file.refresh(true);
    for (const cdx::Tag& tag : file.tags()) {
        const cdx::TagTree tree(file.cache(), tag.header.root, tag.format);
        tree.forEach([](const cdx::Entry&) { return true; });
        cdx::Position position = tree.last();
        for (int steps = 0; position.isValid() && steps < 100000 && tree.prior(position); ++steps) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string path = scratchPath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        cdx::IndexFile file(path, {}, LockProtocol::Clipper);
        walk(file);
    } catch (const Error&) {
    }
    return 0;
}

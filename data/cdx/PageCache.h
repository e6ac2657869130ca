// Pages of one open index file, read and decoded once and kept between
// operations only while the file is unchanged: whenever the index lock is
// taken, validate() compares the change counter with what was seen last and
// drops everything when another program wrote. The counter is read through
// a mapping of the header page where the file system allows, so the check
// costs no system call. Where the file cannot be mapped (a network share,
// where every read waits for the server) pages are read in blocks of many
// pages and the raw blocks are kept under the same rule, so a walk over a
// tag built in order reads its leaves a block at a time. Only use it while
// the index lock is held.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/cdx/Node.h"
#include "platform/MappedFile.h"
#include "platform/SharedFile.h"

namespace tarvela::cdx {

using HeaderBytes = std::array<unsigned char, kHeaderSize>;

class PageCache {
public:
    explicit PageCache(SharedFile& file);

    // False when the cached pages were dropped because the file changed.
    bool validate();
    // Whether the change counter is still the one last validated; drops nothing.
    bool isUnchanged();
    std::uint64_t fileLength() const { return length_; }
    // Mapped, as on a local disk, where no call waits for a server.
    bool isLocal() const { return headerPage_.isMapped(); }
    // Increases whenever cached contents may have changed.
    std::uint64_t generation() const { return generation_; }

    HeaderBytes readHeader(std::uint32_t offset);
    // The reference holds until the next call that reads or writes a page.
    const std::shared_ptr<const Node>& node(std::uint32_t offset, const KeyFormat& format);

    void writeHeader(std::uint32_t offset, const HeaderBytes& bytes);
    // Changes only the root pointer, so the change counter of the file header stays.
    void writeRoot(std::uint32_t headerOffset, std::uint32_t root);
    void writeNode(const Node& node, const KeyFormat& format);
    // A page at the end of the file; the caller writes it before allocating another.
    std::uint32_t allocate(std::uint32_t pages = 1);
    void writeRaw(std::uint64_t offset, std::string_view bytes);
    // Counts one finished update in the file header, so others notice it;
    // held writes go first, and holding goes on until dropHeld().
    void countChange();

    // From here on writes are held and go to the file in order of offset,
    // neighbours as one write, when the change is counted: an update that
    // splits pages then costs a few writes instead of one per page. Reads
    // of held bytes write them first.
    void holdWrites();
    // Ends holding. After a failed update, what is still held is forgotten
    // with every cached page; false when nothing was held.
    bool dropHeld();

private:
    std::array<unsigned char, 4> readCounter();
    void refreshLength();
    void checkPlace(std::uint64_t offset, std::uint64_t size, std::uint64_t lowest);
    void read(std::uint64_t offset, unsigned char* into, std::size_t size);
    // A page or header through the block cache on a share, else read alone.
    void readPart(std::uint64_t offset, unsigned char* into, std::size_t size);
    const std::string& block(std::size_t index, std::uint64_t end);
    void patchBlocks(std::uint64_t offset, std::string_view bytes);
    void drop();
    void writeToFile(std::uint64_t offset, std::string_view bytes);
    void hold(std::uint64_t offset, std::string_view bytes);
    void writeHeld();
    void writeHeldOver(std::uint64_t offset, std::size_t size);
    std::uint64_t heldEnd() const;

    SharedFile& file_;
    bool holding_ = false;
    std::map<std::uint64_t, std::string> held_;  // by offset, none touching another
    MappedFile headerPage_;
    bool mappingTried_ = false;
    std::uint64_t length_ = 0;
    std::array<unsigned char, 4> counter_{};
    std::uint64_t generation_ = 0;
    void forgetNodes();
    std::shared_ptr<const Node>& slot(std::uint32_t offset);

    std::vector<std::shared_ptr<const Node>> nodes_;  // by page number
    std::size_t cachedNodes_ = 0;
    std::vector<std::string> blocks_;  // raw bytes by block number; empty: not read
    std::size_t cachedBlocks_ = 0;
};

} // namespace tarvela::cdx

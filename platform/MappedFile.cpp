#include "platform/MappedFile.h"

#include <atomic>
#include <csetjmp>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <linux/magic.h>
#include <mutex>
#include <sys/mman.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace tarvela {

namespace {

// File systems whose shared mappings share the page cache with every reader
// and writer on this computer. Network file systems and overlays are left out.
bool isLocalFileSystem(int fd)
{
    static const bool readAsOnShare = [] {
        const char* value = std::getenv("TARVELA_UNMAPPED");
        return value && *value;
    }();
    if (readAsOnShare)
        return false;
    struct statfs info {};
    if (fstatfs(fd, &info) != 0)
        return false;
    constexpr long XfsMagic = 0x58465342, ZfsMagic = 0x2FC12FC1;
    switch (static_cast<long>(info.f_type)) {
    case EXT4_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case F2FS_SUPER_MAGIC:
    case XfsMagic:
    case ZfsMagic:
        return true;
    default:
        return false;
    }
}

// A read past the end of the file, which another program may have cut short,
// raises SIGBUS; the guarded read jumps back and reports failure instead.
thread_local sigjmp_buf* volatile activeGuard = nullptr;

void onBusError(int signal)
{
    if (activeGuard)
        siglongjmp(*activeGuard, 1);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void installBusErrorHandler()
{
    static std::once_flag installed;
    std::call_once(installed, [] {
        struct sigaction action {};
        action.sa_handler = onBusError;
        action.sa_flags = SA_NODEFER;  // so the jump out leaves SIGBUS unblocked
        sigemptyset(&action.sa_mask);
        sigaction(SIGBUS, &action, nullptr);
    });
}

} // namespace

bool MappedFile::canMap(const SharedFile& file)
{
    return file.descriptor() >= 0 && isLocalFileSystem(file.descriptor());
}

MappedFile::~MappedFile()
{
    unmap();
}

bool MappedFile::map(const SharedFile& file, std::size_t length)
{
    unmap();
    const int fd = file.descriptor();
    if (fd < 0 || length == 0 || !isLocalFileSystem(fd))
        return false;
    void* address = mmap(nullptr, length, PROT_READ, MAP_SHARED, fd, 0);
    if (address == MAP_FAILED)
        return false;
    installBusErrorHandler();
    address_ = static_cast<const unsigned char*>(address);
    length_ = length;
    return true;
}

void MappedFile::unmap()
{
    if (address_)
        munmap(const_cast<unsigned char*>(address_), length_);
    address_ = nullptr;
    length_ = 0;
}

bool MappedFile::read(std::size_t offset, std::size_t size, unsigned char* into) const
{
    if (!address_ || offset > length_ || size > length_ - offset)
        return false;
    sigjmp_buf guard;
    if (sigsetjmp(guard, 0)) {
        activeGuard = nullptr;
        return false;
    }
    activeGuard = &guard;
    // The fences keep the compiler from moving the copy out of the guarded span.
    std::atomic_signal_fence(std::memory_order_seq_cst);
    std::memcpy(into, address_ + offset, size);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    activeGuard = nullptr;
    return true;
}

} // namespace tarvela

#include "platform/NamedSemaphore.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <semaphore.h>

namespace tarvela {

struct NamedSemaphore::Handle {
    sem_t* semaphore;
};

NamedSemaphore::NamedSemaphore(std::string name, std::unique_ptr<Handle> handle)
    : name_(std::move(name)), handle_(std::move(handle))
{
}

std::unique_ptr<NamedSemaphore> NamedSemaphore::create(const std::string& name, bool fresh)
{
    if (fresh)
        sem_unlink(name.c_str());
    sem_t* semaphore = sem_open(name.c_str(), O_CREAT, 0600, 0);
    if (semaphore == SEM_FAILED)
        return nullptr;
    return std::unique_ptr<NamedSemaphore>(new NamedSemaphore(name, std::make_unique<Handle>(Handle{semaphore})));
}

std::unique_ptr<NamedSemaphore> NamedSemaphore::openExisting(const std::string& name)
{
    sem_t* semaphore = sem_open(name.c_str(), 0);
    if (semaphore == SEM_FAILED)
        return nullptr;
    return std::unique_ptr<NamedSemaphore>(new NamedSemaphore(name, std::make_unique<Handle>(Handle{semaphore})));
}

NamedSemaphore::~NamedSemaphore()
{
    sem_close(handle_->semaphore);
}

bool NamedSemaphore::wait(std::chrono::milliseconds timeout)
{
    timespec deadline {};
    clock_gettime(CLOCK_REALTIME, &deadline);
    const auto total = std::chrono::nanoseconds(timeout).count() + deadline.tv_nsec;
    deadline.tv_sec += static_cast<time_t>(total / 1'000'000'000);
    deadline.tv_nsec = static_cast<long>(total % 1'000'000'000);
    while (sem_timedwait(handle_->semaphore, &deadline) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

void NamedSemaphore::release()
{
    int value = 0;
    if (sem_getvalue(handle_->semaphore, &value) == 0 && value >= 1)
        return;
    sem_post(handle_->semaphore);
}

void NamedSemaphore::removeName()
{
    sem_unlink(name_.c_str());
}

} // namespace tarvela

#include "support/ChildProcess.h"

#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvela::test {

void Channel::send(char signal)
{
    if (write(writeFd_, &signal, 1) != 1)
        throw std::runtime_error("the other process has gone");
}

char Channel::receive()
{
    char signal = '\0';
    return read(readFd_, &signal, 1) == 1 ? signal : '\0';
}

ChildProcess::ChildProcess(const std::function<int(Channel&)>& body)
{
    if (pipe(toChild_) != 0 || pipe(fromChild_) != 0)
        throw std::runtime_error("cannot create pipes");
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("cannot fork");
    if (pid_ == 0) {
        close(toChild_[1]);
        close(fromChild_[0]);
        Channel child(toChild_[0], fromChild_[1]);
        int code = 99;
        try {
            code = body(child);
        } catch (...) {
            code = 98;
        }
        _exit(code);  // no gtest teardown in the child
    }
    close(toChild_[0]);
    close(fromChild_[1]);
    parentSide_ = Channel(fromChild_[0], toChild_[1]);
    channel_ = &parentSide_;
}

ChildProcess::~ChildProcess()
{
    wait();
}

int ChildProcess::wait()
{
    if (pid_ <= 0)
        return -1;
    close(toChild_[1]);  // a child waiting for a signal sees the end
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    close(fromChild_[0]);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace tarvela::test

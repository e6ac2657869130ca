// A second real process for tests of locks and sharing between programs:
// fork() runs body in the child, and the two sides pass one-byte signals
// through pipes to take turns. The child's exit code is body's result.
#pragma once

#include <functional>
#include <sys/types.h>

namespace tarvela::test {

class Channel {
public:
    Channel(int readFd, int writeFd) : readFd_(readFd), writeFd_(writeFd) {}
    void send(char signal);
    char receive();  // '\0' when the other side has gone

private:
    int readFd_;
    int writeFd_;
};

class ChildProcess {
public:
    explicit ChildProcess(const std::function<int(Channel&)>& body);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    Channel& channel() { return *channel_; }
    int wait();  // exit code, or -1 when the child did not exit normally

private:
    pid_t pid_ = -1;
    int toChild_[2] = {-1, -1};
    int fromChild_[2] = {-1, -1};
    Channel* channel_ = nullptr;
    Channel parentSide_{-1, -1};
};

} // namespace tarvela::test

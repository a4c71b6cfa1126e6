#pragma once

// Processes by pidfd: a pidfd stays bound to the process it was opened for, so a signal sent through it
// can never reach another process that has since been given the same id.

#include <string>
#include <sys/types.h>

namespace halvo::linuxbackend {

class ProcessReference {
public:
    // Opens the process; valid() is false when it does not exist (errno tells why).
    explicit ProcessReference(pid_t pid);
    ~ProcessReference();
    ProcessReference(const ProcessReference&) = delete;
    ProcessReference& operator=(const ProcessReference&) = delete;

    bool valid() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }

    // Whether the process still runs and we may send it signals.
    bool maySignal() const;
    // SIGKILL: the process cannot refuse, as a forced end should be.
    bool kill() const;
    // The process's executable (/proc/PID/exe); empty when it has none (kernel threads), when we may not read
    // it (other users' processes) or when the process has ended meanwhile.
    std::string executablePath() const;

private:
    bool sendSignal(int signal) const;

    pid_t m_pid = 0;
    int m_pidfd = -1; // -1 on kernels without pidfd_open; signals then go by process id
};

// readlink(2) of a whole path, or empty on failure.
std::string ReadLink(const std::string& path);

} // namespace halvo::linuxbackend

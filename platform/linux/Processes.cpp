#include "Processes.h"

#include <cerrno>
#include <csignal>
#include <sys/syscall.h>
#include <unistd.h>

namespace halvo::linuxbackend {

namespace {

int pidfdOpen(pid_t pid) {
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
}

int pidfdSendSignal(int pidfd, int signal) {
    return static_cast<int>(::syscall(SYS_pidfd_send_signal, pidfd, signal, nullptr, 0));
}

} // namespace

std::string ReadLink(const std::string& path) {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(n));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

ProcessReference::ProcessReference(pid_t pid) {
    if (pid <= 0) {
        errno = ESRCH;
        return;
    }
    const int fd = pidfdOpen(pid);
    if (fd >= 0) {
        m_pid = pid;
        m_pidfd = fd;
        return;
    }
    // Kernels before 5.3: the id alone, checked for existence (EPERM means it exists but is not ours).
    if (errno == ENOSYS && (::kill(pid, 0) == 0 || errno == EPERM))
        m_pid = pid;
}

ProcessReference::~ProcessReference() {
    if (m_pidfd >= 0)
        ::close(m_pidfd);
}

bool ProcessReference::sendSignal(int signal) const {
    if (!valid())
        return false;
    if (m_pidfd >= 0)
        return pidfdSendSignal(m_pidfd, signal) == 0;
    return ::kill(m_pid, signal) == 0;
}

bool ProcessReference::maySignal() const {
    return sendSignal(0);
}

bool ProcessReference::kill() const {
    return sendSignal(SIGKILL);
}

std::string ProcessReference::executablePath() const {
    if (!valid())
        return {};
    std::string path = ReadLink("/proc/" + std::to_string(m_pid) + "/exe");
    // The id may have been given to another process between the open and the read: the pidfd tells.
    if (m_pidfd >= 0 && pidfdSendSignal(m_pidfd, 0) != 0 && errno == ESRCH)
        return {};
    return path;
}

} // namespace halvo::linuxbackend

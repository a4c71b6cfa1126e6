// The termination handlers where signals interrupt any code: the handler may only write to a pipe, whose
// other end the interface thread's event loop reads.

#include "TerminationRelay.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace halvo::termination {

namespace {

int wakePipe[2] = {-1, -1};

void noteTermination(int) {
    const int savedErrno = errno;
    requested = 1;
    // Full pipe: a wake is on its way already.
    [[maybe_unused]] const auto written = ::write(wakePipe[1], "x", 1);
    errno = savedErrno;
}

void drainAndDeliver() {
    char buffer[64];
    while (::read(wakePipe[0], buffer, sizeof buffer) > 0) {
    }
    Deliver();
}

} // namespace

void InstallWake() {
    if (::pipe2(wakePipe, O_NONBLOCK | O_CLOEXEC) == 0) {
        auto* notifier =
            new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, &drainAndDeliver);
    }
    struct sigaction action {};
    action.sa_handler = noteTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

} // namespace halvo::termination

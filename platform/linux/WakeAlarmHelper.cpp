// halvo-wake-alarm: holds one alarm timer that wakes the computer from sleep, and nothing else. It is the one
// part of Halvo Shutdown given CAP_WAKE_ALARM, so it takes no arguments and reads only its input:
//
//   stdin   a line per moment: milliseconds since 1970-01-01 UTC, replacing the moment before; "clear"
//           lets the alarm go. At the end of the input it lets go and ends.
//   stdout  "ready" once the timer exists (else "error <reason>" and the exit status 1), then "set <ms>",
//           "cleared" or "error <reason>" for each line.
//
// No Qt, no library beyond the C++ runtime: the less a program with a capability holds, the better.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>
#include <string>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

bool parseMoment(const std::string& line, long long& ms) {
    if (line.empty() || line.size() > 18)
        return false;
    ms = 0;
    for (const char c : line) {
        if (c < '0' || c > '9')
            return false;
        ms = ms * 10 + (c - '0');
    }
    return true;
}

} // namespace

int main() {
    const int timer = timerfd_create(CLOCK_REALTIME_ALARM, TFD_CLOEXEC);
    if (timer < 0) {
        std::cout << "error " << std::strerror(errno) << std::endl;
        return 1;
    }
    std::cout << "ready" << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        itimerspec when{};
        long long ms = 0;
        if (line == "clear") {
            timerfd_settime(timer, 0, &when, nullptr);
            std::cout << "cleared" << std::endl;
            continue;
        }
        if (!parseMoment(line, ms)) {
            std::cout << "error not a moment: " << line.substr(0, 40) << std::endl;
            continue;
        }
        when.it_value.tv_sec = static_cast<time_t>(ms / 1000);
        when.it_value.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
        if (timerfd_settime(timer, TFD_TIMER_ABSTIME, &when, nullptr) != 0)
            std::cout << "error " << std::strerror(errno) << std::endl;
        else
            std::cout << "set " << ms << std::endl;
    }
    itimerspec none{};
    timerfd_settime(timer, 0, &none, nullptr);
    close(timer);
    return 0;
}

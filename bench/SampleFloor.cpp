// The least a waiting condition's sample can cost on this computer: a thread without an event loop that
// wakes every five seconds and reads the kernel's network and processor counters, from files kept open, as
// the program's samples do. Prints the processor time it took a minute, by the scheduler's count, so that
// the program's own figure can be held against what the wake-ups and the readings alone cost.
//
//   sample_floor [SECONDS]    (60 unless given)

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

long long threadNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Reads the file whole from its start; the kernel makes it anew. As the program does, a short read of a
// short file is the whole of it.
bool readWhole(int file) {
    char buffer[4096];
    off_t at = 0;
    for (;;) {
        const ssize_t got = pread(file, buffer, sizeof buffer, at);
        if (got < 0)
            return false;
        at += got;
        if (got == 0 || (got < ssize_t(sizeof buffer) && at < 2048))
            return true;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    if (seconds < 5) {
        std::fprintf(stderr, "sample_floor: at least 5 seconds\n");
        return 2;
    }
    const int network = open("/proc/net/dev", O_RDONLY | O_CLOEXEC);
    const int processor = open("/proc/stat", O_RDONLY | O_CLOEXEC);
    if (network < 0 || processor < 0) {
        std::perror("sample_floor: /proc");
        return 1;
    }
    const int samples = seconds / 5;
    const long long before = threadNs();
    for (int i = 0; i < samples; ++i) {
        const timespec wait{5, 0};
        clock_nanosleep(CLOCK_MONOTONIC, 0, &wait, nullptr);
        if (!readWhole(network) || !readWhole(processor)) {
            std::perror("sample_floor: reading the counters");
            return 1;
        }
    }
    std::printf("%.2f\n", double(threadNs() - before) / 1e6 * 60 / (samples * 5));
    return 0;
}

#include "TerminationSignals.h"

#include <csignal>

namespace halvo {

namespace {

volatile std::sig_atomic_t requested = 0;

void noteTermination(int) {
    requested = 1;
}

} // namespace

void InstallTerminationHandlers() {
    std::signal(SIGTERM, noteTermination);
    std::signal(SIGINT, noteTermination);
}

bool TerminationRequested() {
    return requested != 0;
}

bool TakeTerminationRequest() {
    if (requested == 0)
        return false;
    requested = 0;
    return true;
}

} // namespace halvo

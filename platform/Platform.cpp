#include "Platform.h"

#include <cstdio>
#include <cstdlib>

namespace halvo {

namespace {
Platform* currentPlatform = nullptr;
}

Platform& platform() {
    if (!currentPlatform) {
        // A programming error, not a user's: every entry point sets the platform before anything runs.
        std::fputs("halvo: no platform has been set\n", stderr);
        std::abort();
    }
    return *currentPlatform;
}

void setPlatform(Platform* replacement) {
    currentPlatform = replacement;
}

ScopedPlatform::ScopedPlatform(Platform& replacement) : m_previous(currentPlatform) {
    currentPlatform = &replacement;
}

ScopedPlatform::~ScopedPlatform() {
    currentPlatform = m_previous;
}

} // namespace halvo

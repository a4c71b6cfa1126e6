#include "UiServices.h"

#include <cstdio>
#include <cstdlib>

namespace halvo {

namespace {
UiServices* currentUi = nullptr;
}

UiServices& ui() {
    if (!currentUi) {
        // A programming error, as for the platform: every entry point sets the services before anything runs.
        std::fputs("halvo: no user-interface services have been set\n", stderr);
        std::abort();
    }
    return *currentUi;
}

void setUi(UiServices* services) {
    currentUi = services;
}

ScopedUi::ScopedUi(UiServices& replacement) : m_previous(currentUi) {
    currentUi = &replacement;
}

ScopedUi::~ScopedUi() {
    currentUi = m_previous;
}

} // namespace halvo

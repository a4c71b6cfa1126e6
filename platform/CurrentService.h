#pragma once

// The process-wide current one of a service (the platform, the user-interface services, the dialogs): set
// once in main(), swapped by tests with a Scoped guard. No Qt here, so every layer can hold its service.

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace halvo {

template <typename Service> class CurrentService {
public:
    // The current one. Asked while none is set, the program ends with noneSet as its last line: a programming
    // error, not a user's, since every entry point sets its services before anything runs.
    static Service& get(const char* noneSet) {
        if (!s_current) {
            std::fprintf(stderr, "%s\n", noneSet);
            std::abort();
        }
        return *s_current;
    }

    // nullptr unsets it. Returns the one it replaces.
    static Service* set(Service* replacement) { return std::exchange(s_current, replacement); }

    // Makes replacement the current one for the guard's lifetime, then the one before it again.
    class Scoped {
    public:
        explicit Scoped(Service& replacement) : m_previous(set(&replacement)) {}
        ~Scoped() { set(m_previous); }
        Scoped(const Scoped&) = delete;
        Scoped& operator=(const Scoped&) = delete;

    private:
        Service* m_previous;
    };

private:
    static inline Service* s_current = nullptr;
};

} // namespace halvo

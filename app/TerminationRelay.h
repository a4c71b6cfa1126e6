#pragma once

// Between the termination signal handlers, which differ by system, and the interface thread.

#include <csignal>

namespace halvo::termination {

// Set by the handlers; taken on the interface thread.
extern volatile std::sig_atomic_t requested;
// On the interface thread: hands a noted request to the handler, if one is set.
void Deliver();
// The handlers' own set-up, once, with the application object in place: installs the handlers and the
// way they wake the interface thread.
void InstallWake();

} // namespace halvo::termination

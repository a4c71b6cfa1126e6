#pragma once

// A request from outside to end the program (the session ending, a service manager, Ctrl+C): the signal
// handler only notes it and wakes the interface thread, which ends the program in order, so the settings
// and the schedule are stored instead of lost. Nothing polls for it.

#include <functional>

namespace halvo {

// Call with the application object in place; calling it again changes nothing.
void InstallTerminationHandlers();
bool TerminationRequested();
// True once for each request noted: the caller ends the program.
bool TakeTerminationRequest();
// handler runs on the interface thread once per request (requests that come together count as one) and
// takes it; a request noted before the handler was set reaches it as soon as the event loop runs. Without
// a handler the request waits for TakeTerminationRequest. An empty function removes the handler.
void SetTerminationHandler(std::function<void()> handler);

} // namespace halvo

#pragma once

// A request from outside to end the program (the session ending, a service manager, Ctrl+C): the handler
// only notes it, and the main window's once-a-second timer ends the program in order, so the settings and
// the schedule are stored instead of lost.

namespace halvo {

void InstallTerminationHandlers();
bool TerminationRequested();
// True once for each request noted: the caller ends the program.
bool TakeTerminationRequest();

} // namespace halvo

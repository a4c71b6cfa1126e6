#pragma once

// The routines more than one action or window uses: enabling the shutdown privilege, collecting the
// visible titled top-level windows, and the neighbour rule that picks one process per run of windows.

#include "platform/Platform.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace halvo {

struct WindowEntry {
    std::string title;
    Handle window = 0;
};

void EnableShutdownPrivilege();

// Visible, parentless, existing top-level windows with a title of 1 to 100 bytes, topmost first.
std::vector<WindowEntry> CollectTopLevelWindows();

// Walks positions 0 to n-2 of the list and calls onRunEnd(i, a) for every window i whose process a differs
// from the process of window i+1: the last window of each run of one process, except the run ending the list.
void ForEachRunEnd(const std::vector<WindowEntry>& list,
                   const std::function<void(std::size_t index, std::uint32_t processId)>& onRunEnd);

// Terminates the process of every run end of the collected windows, passing over our own process.
void CloseAllPrograms();

// Opens the process with all access and terminates it with exit code 0 when a handle comes back.
void TerminateProcessById(std::uint32_t processId);

} // namespace halvo

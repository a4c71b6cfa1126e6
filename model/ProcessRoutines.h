#pragma once

// The routines more than one action or window uses: collecting the visible titled top-level windows, and
// the neighbour rule that picks one process per run of windows.

#include "platform/Platform.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace halvo {

using WindowEntry = TopLevelWindow;

// Visible, parentless, existing top-level windows with a title of 1 to 100 bytes, topmost first.
std::vector<WindowEntry> CollectTopLevelWindows();

// Walks positions 0 to n-2 of the list and calls onRunEnd(i, a) for every window i whose process a differs
// from the process of window i+1: the last window of each run of one process, except the run ending the list.
void ForEachRunEnd(const std::vector<WindowEntry>& list,
                   const std::function<void(std::size_t index, std::uint32_t processId)>& onRunEnd);

// Ends the process of every run end of the collected windows, passing over our own process. When the
// desktop did not list every window, says so in the notification popup.
void CloseAllPrograms();

} // namespace halvo

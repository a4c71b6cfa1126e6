#pragma once

// The requests of the command line, as the running copy answers them (one line each from the
// single-instance socket): arm, cancel, run now, show, and the status of everything pending. They go to the
// agenda directly; no page is built for them.

#include "model/CommandLine.h"

#include <functional>
#include <string>

namespace halvo {

class Planner;

class Commands {
public:
    // How long a request to arm conditions waits for their first readings.
    static constexpr int ReadingWaitMs = 5000;
    struct Window {
        std::function<void(std::int32_t taskCode)> runNow; // the tray's way: the task at once
        std::function<void()> show;                        // brings the window up
    };
    Commands(Planner& planner, Window window);

    // One request line and its answer line.
    std::string Request(const std::string& line);
    CommandAnswer Command(const CommandRequest& request);
    // The General action (or "nothing armed"), the open reminders, the postponed runs, each schedule item's
    // next run.
    std::string StatusText() const;

private:
    Planner& m_planner;
    Window m_window;
};

} // namespace halvo

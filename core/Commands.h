#pragma once

// The requests of the command line, as the running copy answers them (one line each from the
// single-instance socket): arm, cancel, run now, show, and the status of everything pending. They go to the
// engine directly; no page is built for them. Each answer comes from the event loop, never from a wait
// inside it: a request that waits (conditions whose first readings are still to come) answers later.

#include "model/CommandLine.h"

#include <functional>
#include <string>

namespace halvo {

class Planner;
class Reminders;

class Commands {
public:
    // How long a request to arm conditions waits for their first readings.
    static constexpr int ReadingWaitMs = 5000;
    using Answer = std::function<void(const CommandAnswer&)>;

    Commands(Planner& planner, const Reminders& reminders);

    // Brings the window up (--show); nothing without a window.
    void SetShowWindow(std::function<void()> show) { m_show = std::move(show); }
    // The line saying the computer is kept awake, empty when it is not; --status shows it after the
    // General action.
    void setAwakeLine(std::function<std::string()> line) { m_awakeLine = std::move(line); }

    // One request line; its answer line is handed to answer, at once or later.
    void Request(const std::string& line, std::function<void(const std::string&)> answer);
    void Command(const CommandRequest& request, Answer answer);
    // The General action (or "nothing armed"), whether the computer is kept awake, the open reminders, the
    // postponed runs, each schedule item's next run.
    std::string StatusText() const;

private:
    Planner& m_planner;
    const Reminders& m_reminders;
    std::function<void()> m_show;
    std::function<std::string()> m_awakeLine;
};

} // namespace halvo

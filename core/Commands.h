#pragma once

// The requests of the command line, as the running copy answers them (one line each from the
// single-instance socket): arm, cancel, run now, show, and the status of everything pending. They go to the
// engine directly; no page is built for them. Each answer comes from the event loop, never from a wait
// inside it: a request that waits (conditions whose first readings are still to come) answers later.

#include "model/Agenda.h"
#include "model/CommandLine.h"
#include "platform/Translate.h"

#include <functional>
#include <string>

namespace halvo {

class PasswordGuard;
class Planner;
class Reminders;
class Settings;

class Commands {
public:
    // How long a request to arm conditions waits for their first readings.
    static constexpr int ReadingWaitMs = 5000;
    using Answer = std::function<void(const CommandAnswer&)>;

    Commands(Planner& planner, const Reminders& reminders, const Settings& settings, PasswordGuard& guard);

    // Opens every refusal, untranslated: the command line tells a refusal from bad input by it.
    static constexpr const char* RefusedMarker = "refused: ";
    // What follows the marker when a request the password guards comes without the password, with a wrong
    // one, or during the wait after wrong tries ("%1": the seconds).
    static constexpr const char* PasswordMissing =
        HALVO_TRANSLATE_NOOP("Commands", "a password protects this; give it with --password-file FILE or "
                                         "--password - (read from standard input)");
    static constexpr const char* PasswordWrong = HALVO_TRANSLATE_NOOP("Commands", "wrong password");
    static constexpr const char* PasswordWaiting =
        HALVO_TRANSLATE_NOOP("Commands", "too many wrong passwords; try again in %1 s");

    // Brings the window up (--show); nothing without a window.
    void SetShowWindow(std::function<void()> show) { m_show = std::move(show); }
    // The line saying the computer is kept awake, empty when it is not; --status shows it after the
    // General action.
    void setAwakeLine(std::function<std::string()> line) { m_awakeLine = std::move(line); }

    // One request line; its answer line is handed to answer, at once or later.
    void Request(const std::string& line, std::function<void(const std::string&)> answer);
    void Command(const CommandRequest& request, Answer answer);
    // Arms the General action as the General page's "Set" does: after a delay, at a time of day, or when
    // conditions hold (answered once their first readings are in). Any other request is refused.
    void Arm(ActionSource source, const CommandRequest& request, Answer answer);
    // Arms the saved quick action called name through Arm: the tray's quick actions and --quick.
    void ArmQuick(const std::string& name, Answer answer);
    // The General action (or "nothing armed"), whether the computer is kept awake, the open reminders, the
    // postponed runs, each schedule item's next run, the saved quick actions.
    std::string StatusText() const;

private:
    // Empty when the request may go on; otherwise why it is refused.
    std::string refusal(const CommandRequest& request);

    Planner& m_planner;
    const Reminders& m_reminders;
    const Settings& m_settings;
    PasswordGuard& m_guard;
    std::function<void()> m_show;
    std::function<std::string()> m_awakeLine;
};

} // namespace halvo

#pragma once

// The desktop's own services on the session bus: its session manager, which asks every program before the
// user is logged off or the computer restarts (so documents can be saved, or the user can object), and its
// screen saver. Which desktop runs is told by who owns the services' names; XDG_CURRENT_DESKTOP only
// decides which to ask first.

#include <string>

namespace halvo::linuxbackend {

enum class SessionRequest { LogOff, Restart };

struct SessionManagerAnswer {
    enum class Outcome {
        NotServed, // no known session manager runs, or none knows the call: logind's turn
        Accepted,
        Refused, // the manager (or a program it asked) said no; that stands
    };
    Outcome outcome = Outcome::NotServed;
    std::string desktop; // the desktop whose manager answered
    std::string reason;  // a refusal in the manager's own words
};

SessionManagerAnswer AskSessionManager(SessionRequest request);

// SetActive(true) on the desktop's own screen saver (GNOME, MATE, Cinnamon, XFCE, in that order); true once
// one of them answers without an error. The freedesktop interface is not among them: it comes after.
bool ActivateDesktopScreenSaver(int timeoutMs);

} // namespace halvo::linuxbackend

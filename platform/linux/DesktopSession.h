#pragma once

// Power, session and screen saver over D-Bus: logind (org.freedesktop.login1) on the system bus, the
// freedesktop screen saver on the session bus. Qt finds the buses through DBUS_SYSTEM_BUS_ADDRESS and
// DBUS_SESSION_BUS_ADDRESS, so tests point both at a private daemon with mocks.

#include <string>

namespace halvo::linuxbackend {

class DesktopSession {
public:
    // Every call returns whether the service accepted it; what follows (polkit asking, inhibitors
    // delaying) is logind's to decide.
    bool PowerOff();
    bool Reboot();
    bool TerminateOwnSession();
    bool LockOwnSession();
    bool ActivateScreenSaver(int timeoutMs);

    // Our own logind session: the one our process belongs to, else $XDG_SESSION_ID, else the user's
    // graphical session (a program started by the systemd user manager belongs to no session and may not
    // have inherited XDG_SESSION_ID). Empty when none is known.
    std::string OwnSessionId();
};

} // namespace halvo::linuxbackend

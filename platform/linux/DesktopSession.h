#pragma once

// Power, session and screen saver over D-Bus: logind (org.freedesktop.login1) on the system bus, the
// freedesktop screen saver on the session bus. Qt finds the buses through DBUS_SYSTEM_BUS_ADDRESS and
// DBUS_SESSION_BUS_ADDRESS, so tests point both at a private daemon with mocks.

#include <string>

class QDBusMessage;
class QString;

namespace halvo::linuxbackend {

class DesktopSession {
public:
    // Every call returns whether the service accepted it; what follows (polkit asking, inhibitors
    // delaying) is logind's to decide.
    bool PowerOff();
    bool Reboot();
    bool TerminateOwnSession();
    bool LockOwnSession();
    bool Suspend();
    bool Hibernate();
    bool ActivateScreenSaver(int timeoutMs);

    // Whether logind offers sleep and hibernation: false where CanSuspend / CanHibernate answer "na" or
    // "no", or logind does not answer at all ("challenge" is polkit's to decide when asked).
    bool CanSuspend();
    bool CanHibernate();

    // Why logind refused the last PowerOff, Reboot, TerminateOwnSession, LockOwnSession, Suspend or
    // Hibernate: "blocked by WHO: WHY" when a block inhibitor holds the action, else logind's error
    // message. Empty after a call it accepted.
    const std::string& LastRefusal() const { return m_refusal; }

    // Our own logind session: the one our process belongs to, else $XDG_SESSION_ID, else the user's
    // graphical session (a program started by the systemd user manager belongs to no session and may not
    // have inherited XDG_SESSION_ID). Empty when none is known.
    std::string OwnSessionId();

private:
    // Notes the refusal of a call whose action an inhibitor of inhibited ("shutdown", "sleep", or empty
    // for none) can block; returns whether logind accepted it.
    bool accepted(const QDBusMessage& reply, const QString& inhibited);

    std::string m_refusal;
};

} // namespace halvo::linuxbackend

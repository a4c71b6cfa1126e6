#include "SessionManagers.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace halvo::linuxbackend {

namespace {

struct Call {
    QString method;
    QVariantList arguments;
};

struct SessionManager {
    const char* desktop;
    QStringList desktopNames; // as XDG_CURRENT_DESKTOP names them, lower case
    QString service;
    QString path;
    QString interface;
    Call logOff;
    Call restart;
};

// Log off without the desktop's own confirmation (the user chose it here already), but with every program
// asked; restart the same way where the manager allows it. MATE and Cinnamon serve GNOME's name and path
// with RequestReboot instead of Reboot; GNOME is asked first unless the desktop says otherwise, and a
// manager that does not know Reboot passes the request on to the next row.
const std::vector<SessionManager>& sessionManagers() {
    static const std::vector<SessionManager> table = {
        {"KDE Plasma",
         {"kde"},
         "org.kde.Shutdown",
         "/Shutdown",
         "org.kde.Shutdown",
         {"logout", {}},
         {"logoutAndReboot", {}}},
        {"GNOME",
         {"gnome", "unity", "budgie"},
         "org.gnome.SessionManager",
         "/org/gnome/SessionManager",
         "org.gnome.SessionManager",
         {"Logout", {1u}},
         {"Reboot", {}}},
        {"MATE",
         {"mate", "x-cinnamon", "cinnamon"},
         "org.gnome.SessionManager",
         "/org/gnome/SessionManager",
         "org.gnome.SessionManager",
         {"Logout", {1u}},
         {"RequestReboot", {}}},
        {"XFCE",
         {"xfce"},
         "org.xfce.SessionManager",
         "/org/xfce/SessionManager",
         "org.xfce.Session.Manager",
         {"Logout", {false, true}},
         {"Restart", {true}}},
        {"LXQt",
         {"lxqt"},
         "org.lxqt.session",
         "/LXQtSession",
         "org.lxqt.session",
         {"logout", {}},
         {"reboot", {}}},
    };
    return table;
}

struct ScreenSaver {
    QString service;
    QString path;
};

const ScreenSaver kDesktopScreenSavers[] = {
    {"org.gnome.ScreenSaver", "/org/gnome/ScreenSaver"},
    {"org.mate.ScreenSaver", "/org/mate/ScreenSaver"},
    {"org.cinnamon.ScreenSaver", "/org/cinnamon/ScreenSaver"},
    {"org.xfce.ScreenSaver", "/org/xfce/ScreenSaver"},
};

// The managers answer at once and let the programs object afterwards; one that does not answer within
// this is busy or hung, and the user interface waits for it meanwhile.
constexpr int kSessionManagerTimeoutMs = 10000;

bool hasOwner(const QDBusConnection& bus, const QString& name) {
    const QDBusConnectionInterface* daemon = bus.interface();
    return daemon && daemon->isServiceRegistered(name).value();
}

QDBusMessage call(const QDBusConnection& bus, const QString& service, const QString& path,
                  const QString& interface, const Call& what, int timeoutMs) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, what.method);
    message.setArguments(what.arguments);
    // Never started for this: a desktop that is not running must not be woken by our asking.
    message.setAutoStartService(false);
    return bus.call(message, QDBus::Block, timeoutMs);
}

// Errors that say the call was never taken up: the manager is gone or is not this kind after all.
bool notServed(const QDBusMessage& reply) {
    static const QStringList names = {
        "org.freedesktop.DBus.Error.ServiceUnknown",   "org.freedesktop.DBus.Error.NameHasNoOwner",
        "org.freedesktop.DBus.Error.UnknownMethod",    "org.freedesktop.DBus.Error.UnknownObject",
        "org.freedesktop.DBus.Error.UnknownInterface", "org.freedesktop.DBus.Error.InvalidArgs",
        "org.freedesktop.DBus.Error.InvalidSignature",
    };
    return names.contains(reply.errorName());
}

QStringList currentDesktops() {
    const char* value = std::getenv("XDG_CURRENT_DESKTOP");
    return QString::fromLocal8Bit(value ? value : "").toLower().split(':', Qt::SkipEmptyParts);
}

} // namespace

SessionManagerAnswer AskSessionManager(SessionRequest request) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return {};
    std::vector<const SessionManager*> running;
    for (const SessionManager& manager : sessionManagers())
        if (hasOwner(bus, manager.service))
            running.push_back(&manager);
    // The desktop the session says it is comes first; the table's order decides among the rest.
    const QStringList desktops = currentDesktops();
    std::stable_partition(running.begin(), running.end(), [&desktops](const SessionManager* manager) {
        return std::any_of(desktops.begin(), desktops.end(),
                           [manager](const QString& name) { return manager->desktopNames.contains(name); });
    });

    for (const SessionManager* manager : running) {
        const Call& what = request == SessionRequest::LogOff ? manager->logOff : manager->restart;
        const QDBusMessage reply =
            call(bus, manager->service, manager->path, manager->interface, what, kSessionManagerTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return {SessionManagerAnswer::Outcome::Accepted, manager->desktop, {}};
        if (notServed(reply))
            continue;
        // A refusal, or no answer while it may still be asking the programs: going round it to logind would
        // end the very programs it is protecting.
        QString reason = reply.errorMessage().simplified();
        if (reason.isEmpty())
            reason = reply.errorName();
        return {SessionManagerAnswer::Outcome::Refused, manager->desktop, reason.toStdString()};
    }
    return {};
}

bool ActivateDesktopScreenSaver(int timeoutMs) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    for (const ScreenSaver& saver : kDesktopScreenSavers) {
        if (!hasOwner(bus, saver.service))
            continue;
        // Each serves the interface named like its bus name.
        const QDBusMessage reply = call(bus, saver.service, saver.path, saver.service,
                                        {QStringLiteral("SetActive"), {true}}, timeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return true;
    }
    return false;
}

} // namespace halvo::linuxbackend

#include "DesktopSession.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QVariant>

#include <cstdlib>
#include <unistd.h>

namespace halvo::linuxbackend {

namespace {

const QString kLogindService = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kLogindManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// logind answers at once (polkit is asked with interactive = false); a bus that does not answer within
// this must not freeze the user interface.
constexpr int kLogindTimeoutMs = 5000;

QDBusMessage callLogind(const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(kLogindService, kLogindPath, kLogindManager, method);
    call.setArguments(arguments);
    return QDBusConnection::systemBus().call(call, QDBus::Block, kLogindTimeoutMs);
}

bool succeeded(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage;
}

QVariant logindProperty(const QString& path, const QString& interface, const QString& name) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kLogindService, path, kProperties, QStringLiteral("Get"));
    call.setArguments({interface, name});
    const QDBusMessage reply = QDBusConnection::systemBus().call(call, QDBus::Block, kLogindTimeoutMs);
    if (!succeeded(reply) || reply.arguments().isEmpty())
        return {};
    return reply.arguments().first().value<QDBusVariant>().variant();
}

QString objectPathOf(const QDBusMessage& reply) {
    if (!succeeded(reply) || reply.arguments().isEmpty())
        return {};
    return reply.arguments().first().value<QDBusObjectPath>().path();
}

} // namespace

std::string DesktopSession::OwnSessionId() {
    const QString byProcess = objectPathOf(
        callLogind(QStringLiteral("GetSessionByPID"), {QVariant::fromValue(static_cast<uint>(::getpid()))}));
    if (!byProcess.isEmpty()) {
        // The object path escapes the id ("_32" for "2"); the Id property is the id itself.
        const QString id =
            logindProperty(byProcess, QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Id"))
                .toString();
        if (!id.isEmpty())
            return id.toStdString();
    }
    if (const char* fromEnvironment = std::getenv("XDG_SESSION_ID"); fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    const QString user = objectPathOf(
        callLogind(QStringLiteral("GetUser"), {QVariant::fromValue(static_cast<uint>(::getuid()))}));
    if (user.isEmpty())
        return {};
    // Display is a struct (so): the session id and its object path.
    const QVariant display =
        logindProperty(user, QStringLiteral("org.freedesktop.login1.User"), QStringLiteral("Display"));
    if (!display.canConvert<QDBusArgument>())
        return {};
    QString id;
    QDBusObjectPath path;
    const QDBusArgument argument = display.value<QDBusArgument>();
    argument.beginStructure();
    argument >> id >> path;
    argument.endStructure();
    return id.toStdString();
}

bool DesktopSession::PowerOff() {
    return succeeded(callLogind(QStringLiteral("PowerOff"), {false}));
}

bool DesktopSession::Reboot() {
    return succeeded(callLogind(QStringLiteral("Reboot"), {false}));
}

bool DesktopSession::TerminateOwnSession() {
    const std::string id = OwnSessionId();
    if (id.empty())
        return false;
    return succeeded(callLogind(QStringLiteral("TerminateSession"), {QString::fromStdString(id)}));
}

bool DesktopSession::LockOwnSession() {
    const std::string id = OwnSessionId();
    if (id.empty())
        return false;
    return succeeded(callLogind(QStringLiteral("LockSession"), {QString::fromStdString(id)}));
}

bool DesktopSession::ActivateScreenSaver(int timeoutMs) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("SetActive"));
    call.setArguments({true});
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(call, QDBus::Block, timeoutMs > 0 ? timeoutMs : kLogindTimeoutMs);
    return succeeded(reply);
}

} // namespace halvo::linuxbackend

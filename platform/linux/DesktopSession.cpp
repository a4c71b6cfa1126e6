#include "DesktopSession.h"

#include "platform/Translate.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QStringList>
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

// Who holds a block inhibitor on what and why, as "blocked by WHO: WHY"; empty unless logind's
// BlockInhibited names what.
std::string blockingInhibitor(const QString& what) {
    const QStringList blocked =
        logindProperty(kLogindPath, kLogindManager, QStringLiteral("BlockInhibited")).toString().split(u':');
    if (!blocked.contains(what))
        return {};
    const QDBusMessage reply = callLogind(QStringLiteral("ListInhibitors"), {});
    if (!succeeded(reply) || reply.arguments().isEmpty())
        return {};
    // a(ssssuu): what (colon-separated), who, why, mode, uid, pid
    const QDBusArgument list = reply.arguments().first().value<QDBusArgument>();
    std::string found;
    list.beginArray();
    while (!list.atEnd()) {
        QString whatList, who, why, mode;
        uint uid = 0, pid = 0;
        list.beginStructure();
        list >> whatList >> who >> why >> mode >> uid >> pid;
        list.endStructure();
        if (found.empty() && mode == QStringLiteral("block") && whatList.split(u':').contains(what))
            found = FillIn(Translate("DesktopSession", "blocked by %1: %2"),
                           {who.toStdString(), why.toStdString()});
    }
    list.endArray();
    return found;
}

bool offered(const QDBusMessage& reply) {
    if (!succeeded(reply) || reply.arguments().isEmpty())
        return false;
    const QString answer = reply.arguments().first().toString();
    return answer != QStringLiteral("na") && answer != QStringLiteral("no");
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

bool DesktopSession::accepted(const QDBusMessage& reply, const QString& inhibited) {
    if (succeeded(reply)) {
        m_refusal.clear();
        return true;
    }
    m_refusal = inhibited.isEmpty() ? std::string() : blockingInhibitor(inhibited);
    if (m_refusal.empty())
        m_refusal = (reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage()).toStdString();
    return false;
}

bool DesktopSession::PowerOff() {
    return accepted(callLogind(QStringLiteral("PowerOff"), {false}), QStringLiteral("shutdown"));
}

bool DesktopSession::Reboot() {
    return accepted(callLogind(QStringLiteral("Reboot"), {false}), QStringLiteral("shutdown"));
}

bool DesktopSession::Suspend() {
    return accepted(callLogind(QStringLiteral("Suspend"), {false}), QStringLiteral("sleep"));
}

bool DesktopSession::Hibernate() {
    return accepted(callLogind(QStringLiteral("Hibernate"), {false}), QStringLiteral("sleep"));
}

bool DesktopSession::CanSuspend() {
    return offered(callLogind(QStringLiteral("CanSuspend"), {}));
}

bool DesktopSession::CanHibernate() {
    return offered(callLogind(QStringLiteral("CanHibernate"), {}));
}

bool DesktopSession::TerminateOwnSession() {
    const std::string id = OwnSessionId();
    if (id.empty()) {
        m_refusal = Translate("DesktopSession", "no login session of this user is known");
        return false;
    }
    return accepted(callLogind(QStringLiteral("TerminateSession"), {QString::fromStdString(id)}), {});
}

bool DesktopSession::LockOwnSession() {
    const std::string id = OwnSessionId();
    if (id.empty()) {
        m_refusal = Translate("DesktopSession", "no login session of this user is known");
        return false;
    }
    return accepted(callLogind(QStringLiteral("LockSession"), {QString::fromStdString(id)}), {});
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

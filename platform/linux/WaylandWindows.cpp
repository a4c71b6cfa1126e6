#include "WaylandWindows.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVirtualObject>
#include <QDir>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace halvo::linuxbackend {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool nameHasOwner(const QString& name) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QDBusReply<bool> reply = bus.interface()->isServiceRegistered(name);
    return reply.isValid() && reply.value();
}

bool desktopNamed(const std::string& desktops, const std::string& name) {
    // XDG_CURRENT_DESKTOP is a colon-separated list, such as "ubuntu:GNOME".
    std::size_t begin = 0;
    while (begin <= desktops.size()) {
        const std::size_t end = std::min(desktops.find(':', begin), desktops.size());
        if (desktops.compare(begin, end - begin, name) == 0)
            return true;
        begin = end + 1;
    }
    return false;
}

ListedWindow windowOf(const QJsonObject& object, const char* titleKey) {
    const double pid = object.value("pid").toDouble(0);
    return ListedWindow{object.value(titleKey).toString().toStdString(),
                        pid > 0 && pid <= 0xFFFFFFFF ? static_cast<std::uint32_t>(pid) : 0u};
}

QDBusMessage callSession(const QString& service, const QString& path, const QString& interface,
                         const QString& method, const QVariantList& arguments,
                         std::chrono::milliseconds timeout) {
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, static_cast<int>(timeout.count()));
}

// ---- KWin

constexpr const char* kKWinAnswerPath = "/org/example/HalvoShutdown/KWinWindows";
constexpr const char* kKWinAnswerInterface = "org.example.HalvoShutdown.KWinWindows";

// Plasma 6 has windowList() where Plasma 5 has clientList(); stackingOrder grows towards the top in both.
constexpr const char* kKWinScript = R"((function () {
    var all = typeof workspace.windowList === "function" ? workspace.windowList() : workspace.clientList();
    var windows = [];
    for (var i = 0; i < all.length; ++i) {
        var w = all[i];
        if (!w.normalWindow || w.minimized || w.skipTaskbar || w.transient || w.hidden === true)
            continue;
        windows.push({ title: String(w.caption), pid: w.pid, order: w.stackingOrder });
    }
    callDBus(%1, %2, %3, "Windows", %4, JSON.stringify(windows));
})();
)";

QString jsString(const QString& text) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

} // namespace

Compositor FindCompositor() {
    if (environment("WAYLAND_DISPLAY").empty() && environment("XDG_SESSION_TYPE") != "wayland")
        return Compositor::None;
    if (!environment("SWAYSOCK").empty())
        return Compositor::Sway;
    if (nameHasOwner("org.kde.KWin"))
        return Compositor::KWin;
    if (nameHasOwner("org.gnome.Shell"))
        return Compositor::GnomeShell;
    const std::string desktops = environment("XDG_CURRENT_DESKTOP");
    if (desktopNamed(desktops, "KDE"))
        return Compositor::KWin;
    if (desktopNamed(desktops, "GNOME"))
        return Compositor::GnomeShell;
    return Compositor::Other;
}

// The script's answer arrives as a call to us. It is taken on a thread of its own, so the interface
// thread can wait for it without running its event loop (and the timers of the schedule) meanwhile.
struct KWinWindowList::Receiver final : QDBusVirtualObject {
    QThread thread;
    std::mutex mutex;
    std::condition_variable arrived;
    unsigned expected = 0;
    std::optional<QString> answer;
    bool registered = false;

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QVariantList arguments = message.arguments();
        if (message.member() != "Windows" || arguments.size() != 2)
            return false;
        {
            std::lock_guard lock(mutex);
            // An answer to a request given up on has no place in the next one.
            if (arguments[0].toUInt() == expected)
                answer = arguments[1].toString();
        }
        arrived.notify_all();
        connection.send(message.createReply());
        return true;
    }
};

KWinWindowList::KWinWindowList() = default;

KWinWindowList::~KWinWindowList() {
    if (!m_receiver)
        return;
    if (m_receiver->registered)
        QDBusConnection::sessionBus().unregisterObject(kKWinAnswerPath);
    m_receiver->thread.quit();
    m_receiver->thread.wait();
}

std::optional<std::vector<ListedWindow>> KWinWindowList::list(std::chrono::milliseconds timeout) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    if (!m_receiver) {
        m_receiver = std::make_unique<Receiver>();
        m_receiver->moveToThread(&m_receiver->thread);
        m_receiver->thread.start();
        m_receiver->registered =
            bus.registerVirtualObject(kKWinAnswerPath, m_receiver.get(), QDBusConnection::SingleNode);
        // Qt lets calls in on a new connection only once the main thread's event loop has run: a list
        // asked for before that (at start, or in a program without one) would wait in vain.
        if (QCoreApplication::instance() &&
            QThread::currentThread() == QCoreApplication::instance()->thread())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    if (!m_receiver->registered)
        return std::nullopt;
    unsigned request = 0;
    {
        std::lock_guard lock(m_receiver->mutex);
        request = ++m_receiver->expected;
        m_receiver->answer.reset();
    }

    // KWin reads the script from a file when it runs it.
    QTemporaryFile script(QDir::tempPath() + "/halvo-shutdown-kwin-XXXXXX.js");
    if (!script.open())
        return std::nullopt;
    script.write(
        QString::fromUtf8(kKWinScript)
            .arg(jsString(bus.baseService()), jsString(kKWinAnswerPath), jsString(kKWinAnswerInterface))
            .arg(request)
            .toUtf8());
    script.flush();

    const QString plugin = QString("halvo-shutdown-windows-%1").arg(QCoreApplication::applicationPid());
    const auto scripting = [&](const QString& method, const QVariantList& arguments) {
        return callSession("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", method, arguments,
                           timeout);
    };
    // One left behind by a copy that ended while asking would make loading ours fail.
    scripting("unloadScript", {plugin});
    const QDBusMessage loaded = scripting("loadScript", {script.fileName(), plugin});
    if (loaded.type() != QDBusMessage::ReplyMessage || loaded.arguments().isEmpty() ||
        loaded.arguments().first().toInt() < 0)
        return std::nullopt;
    const int id = loaded.arguments().first().toInt();

    // Plasma 6 serves a loaded script at /Scripting/ScriptN, Plasma 5 at /N.
    QString scriptPath;
    for (const QString& path : {QString("/Scripting/Script%1").arg(id), QString("/%1").arg(id)}) {
        if (callSession("org.kde.KWin", path, "org.kde.kwin.Script", "run", {}, timeout).type() ==
            QDBusMessage::ReplyMessage) {
            scriptPath = path;
            break;
        }
    }
    std::optional<QString> answer;
    if (!scriptPath.isEmpty()) {
        std::unique_lock lock(m_receiver->mutex);
        m_receiver->arrived.wait_for(lock, timeout, [&] { return m_receiver->answer.has_value(); });
        answer = m_receiver->answer;
        callSession("org.kde.KWin", scriptPath, "org.kde.kwin.Script", "stop", {}, timeout);
    }
    scripting("unloadScript", {plugin});
    if (!answer)
        return std::nullopt;

    const QJsonDocument document = QJsonDocument::fromJson(answer->toUtf8());
    if (!document.isArray())
        return std::nullopt;
    std::vector<std::pair<double, ListedWindow>> ordered;
    for (const QJsonValue& value : document.array())
        ordered.emplace_back(value.toObject().value("order").toDouble(0),
                             windowOf(value.toObject(), "title"));
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<ListedWindow> windows;
    for (auto& [order, window] : ordered)
        windows.push_back(std::move(window));
    return windows;
}

// ---- sway: the i3 IPC protocol on a Unix socket

namespace {

class Socket {
public:
    explicit Socket(int fd) : m_fd(fd) {}
    ~Socket() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

using Clock = std::chrono::steady_clock;

bool waitFor(int fd, short events, Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0)
        return false;
    pollfd entry{fd, events, 0};
    return ::poll(&entry, 1, static_cast<int>(left)) == 1 && (entry.revents & events);
}

bool sendAll(int fd, const char* data, std::size_t size, Clock::time_point deadline) {
    while (size > 0) {
        if (!waitFor(fd, POLLOUT, deadline))
            return false;
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

bool receiveAll(int fd, char* data, std::size_t size, Clock::time_point deadline) {
    while (size > 0) {
        if (!waitFor(fd, POLLIN, deadline))
            return false;
        const ssize_t got = ::recv(fd, data, size, 0);
        if (got <= 0)
            return false;
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

constexpr char kIpcMagic[] = "i3-ipc";
constexpr std::size_t kIpcMagicSize = sizeof kIpcMagic - 1;
constexpr std::uint32_t kGetTree = 4;

std::optional<QByteArray> swayRequest(const std::string& socketPath, std::uint32_t type,
                                      std::chrono::milliseconds timeout) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.empty() || socketPath.size() >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, socketPath.data(), socketPath.size());
    Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.fd() < 0)
        return std::nullopt;
    const auto deadline = Clock::now() + timeout;
    if (::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 &&
        !(errno == EINPROGRESS && waitFor(socket.fd(), POLLOUT, deadline)))
        return std::nullopt;

    // The header: the magic, the payload's length and the message type, in the machine's byte order.
    char header[kIpcMagicSize + 8] = {};
    std::memcpy(header, kIpcMagic, kIpcMagicSize);
    const std::uint32_t length = 0;
    std::memcpy(header + kIpcMagicSize, &length, 4);
    std::memcpy(header + kIpcMagicSize + 4, &type, 4);
    if (!sendAll(socket.fd(), header, sizeof header, deadline))
        return std::nullopt;
    char answerHeader[sizeof header] = {};
    if (!receiveAll(socket.fd(), answerHeader, sizeof answerHeader, deadline) ||
        std::memcmp(answerHeader, kIpcMagic, kIpcMagicSize) != 0)
        return std::nullopt;
    std::uint32_t answerLength = 0, answerType = 0;
    std::memcpy(&answerLength, answerHeader + kIpcMagicSize, 4);
    std::memcpy(&answerType, answerHeader + kIpcMagicSize + 4, 4);
    constexpr std::uint32_t kLongest = 64u << 20;
    if (answerType != type || answerLength > kLongest)
        return std::nullopt;
    QByteArray payload(static_cast<qsizetype>(answerLength), '\0');
    if (!receiveAll(socket.fd(), payload.data(), answerLength, deadline))
        return std::nullopt;
    return payload;
}

// A container's children in the order it last focused them: sway keeps no stacking order, and the
// window focused last is the one a user saw last.
void collectSwayViews(const QJsonObject& node, std::vector<ListedWindow>& views) {
    if (node.value("type").toString() == "workspace" && node.value("name").toString() == "__i3_scratchpad")
        return;
    std::vector<QJsonObject> children;
    for (const char* key : {"nodes", "floating_nodes"})
        for (const QJsonValue& child : node.value(key).toArray())
            children.push_back(child.toObject());
    const QString type = node.value("type").toString();
    if (children.empty()) {
        if ((type == "con" || type == "floating_con") && node.contains("pid"))
            views.push_back(windowOf(node, "name"));
        return;
    }
    std::vector<double> focus;
    for (const QJsonValue& id : node.value("focus").toArray())
        focus.push_back(id.toDouble());
    const auto rank = [&](const QJsonObject& child) {
        const auto at = std::find(focus.begin(), focus.end(), child.value("id").toDouble(-1));
        return at - focus.begin();
    };
    std::stable_sort(children.begin(), children.end(),
                     [&](const QJsonObject& a, const QJsonObject& b) { return rank(a) < rank(b); });
    for (const QJsonObject& child : children)
        collectSwayViews(child, views);
}

} // namespace

std::optional<std::vector<ListedWindow>> ListSwayWindows(const std::string& socketPath,
                                                         std::chrono::milliseconds timeout) {
    const std::optional<QByteArray> tree = swayRequest(socketPath, kGetTree, timeout);
    if (!tree)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(*tree);
    if (!document.isObject())
        return std::nullopt;
    std::vector<ListedWindow> views;
    collectSwayViews(document.object(), views);
    return views;
}

// ---- GNOME Shell with the "Window Calls" extension

std::optional<std::vector<ListedWindow>> ListGnomeShellWindows(std::chrono::milliseconds timeout) {
    const QString service = "org.gnome.Shell", path = "/org/gnome/Shell/Extensions/Windows",
                  interface = "org.gnome.Shell.Extensions.Windows";
    const QDBusMessage reply = callSession(service, path, interface, "List", {}, timeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(reply.arguments().first().toString().toUtf8());
    if (!document.isArray())
        return std::nullopt;
    std::vector<ListedWindow> windows;
    const QJsonArray all = document.array();
    // The extension lists the window actors from the bottom up.
    for (auto it = all.end(); it != all.begin();) {
        const QJsonObject object = (*--it).toObject();
        // Meta's window type 0 is a normal window; menus, docks and the desktop are others.
        if (object.contains("window_type") && object.value("window_type").toInt(-1) != 0)
            continue;
        ListedWindow window = windowOf(object, "title");
        // Older versions of the extension give the title only on its own.
        if (!object.contains("title")) {
            const QDBusMessage title =
                callSession(service, path, interface, "GetTitle",
                            {QVariant::fromValue(static_cast<uint>(object.value("id").toDouble()))}, timeout);
            if (title.type() == QDBusMessage::ReplyMessage && !title.arguments().isEmpty())
                window.title = title.arguments().first().toString().toStdString();
        }
        windows.push_back(std::move(window));
    }
    return windows;
}

} // namespace halvo::linuxbackend

#include "TrayIcon.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <QWindowStateChangeEvent>

#ifdef HALVO_STATUS_NOTIFIER
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#endif

#if defined(HALVO_X11_TRAY) && QT_CONFIG(xcb)
#include <cstdlib>
#include <string>
#include <xcb/xcb.h>
#else
#undef HALVO_X11_TRAY
#endif

namespace halvo {

namespace {

// While the panel is awaited the icon follows it within a moment; after that, a look now and then costs
// next to nothing.
constexpr int kLookWhileWaitingMs = 500;
constexpr int kLookAfterwardsMs = 5000;

bool onLinuxDesktop() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

// A StatusNotifier host (the Plasma panel, GNOME's AppIndicator extension, ...) registered with the
// watcher: what Qt asks before it puts its icon there.
bool statusNotifierHostPresent() {
#ifdef HALVO_STATUS_NOTIFIER
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QDBusConnectionInterface* daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (!daemon || !daemon->isServiceRegistered(watcher).value())
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(watcher, QStringLiteral("/StatusNotifierWatcher"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get.setArguments({watcher, QStringLiteral("IsStatusNotifierHostRegistered")});
    get.setAutoStartService(false);
    const QDBusMessage reply = bus.call(get, QDBus::Block, 1000);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().first().value<QDBusVariant>().variant().toBool();
#else
    return false;
#endif
}

// An X11 system tray: a client owns the _NET_SYSTEM_TRAY_S<screen> selection.
bool x11TrayPresent() {
#ifdef HALVO_X11_TRAY
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    int screen = 0;
    char* host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen))
        std::free(host);
    const std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
        nullptr);
    if (!atom)
        return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const bool owned = owner && owner->owner != XCB_NONE;
    std::free(owner);
    std::free(atom);
    return owned;
#else
    return false;
#endif
}

} // namespace

TrayIcon::TrayIcon(QWidget* window, const QIcon& icon, QMenu* menu)
    : QObject(window), m_window(window), m_image(icon), m_menu(menu) {
    window->installEventFilter(this);
    if (onLinuxDesktop() && !statusNotifierHostPresent() && !x11TrayPresent()) {
        m_watch = new QTimer(this);
        connect(m_watch, &QTimer::timeout, this, &TrayIcon::lookForTray);
        m_watch->start(kLookWhileWaitingMs);
    } else {
        makeIcon();
    }
    QTimer::singleShot(kTrayWaitMs, this, [this] {
        if (m_watch)
            m_watch->setInterval(kLookAfterwardsMs);
        if (!trayPresent())
            emit noTrayAppeared();
    });
}

TrayIcon::~TrayIcon() {
    if (m_icon)
        m_icon->hide();
}

void TrayIcon::makeIcon() {
    m_icon = new QSystemTrayIcon(m_image, this);
    m_icon->setContextMenu(m_menu);
    m_icon->setToolTip(m_toolTip);
    m_icon->show();
}

void TrayIcon::setToolTip(const QString& text) {
    if (text == m_toolTip)
        return;
    m_toolTip = text;
    if (m_icon)
        m_icon->setToolTip(text);
}

void TrayIcon::lookForTray() {
    if (!statusNotifierHostPresent() && !x11TrayPresent())
        return;
    m_watch->stop();
    m_watch->deleteLater();
    m_watch = nullptr;
    makeIcon();
}

bool TrayIcon::trayPresent() const {
    // Asked of Qt only once the icon exists: its first answer on the session bus is its answer for good.
    return m_icon && QSystemTrayIcon::isSystemTrayAvailable();
}

bool TrayIcon::isVisible() const {
    return m_icon && m_icon->isVisible();
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::WindowStateChange && m_window->isMinimized() && isVisible()) {
        // Only with the icon there to bring it back. Hidden once the state change has been handled. The state
        // stays minimized while hidden: putting it back now would make the window system map the window again
        // behind Qt's back.
        QTimer::singleShot(0, this, [this] {
            if (m_window && m_window->isMinimized())
                m_window->hide();
        });
    } else if (event->type() == QEvent::Show && m_window->isMinimized()) {
        // The next showing is a normal window again.
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace halvo

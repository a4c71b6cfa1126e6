#include "TrayIcon.h"

#include <QApplication>
#include <QCoreApplication>
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
#include <QDBusServiceWatcher>
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

#ifdef HALVO_STATUS_NOTIFIER
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
#endif

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

#ifdef HALVO_X11_TRAY
xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atomNamed(xcb_connection_t* connection, const std::string& name) {
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()),
        nullptr);
    const xcb_atom_t value = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(atom);
    return value;
}

// The selection an X11 system tray owns: _NET_SYSTEM_TRAY_S<screen>.
xcb_atom_t traySelection(xcb_connection_t* connection) {
    int screen = 0;
    char* host = nullptr;
    int display = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen))
        std::free(host);
    return atomNamed(connection, "_NET_SYSTEM_TRAY_S" + std::to_string(screen));
}
#endif

// An X11 system tray: a client owns the _NET_SYSTEM_TRAY_S<screen> selection.
bool x11TrayPresent() {
#ifdef HALVO_X11_TRAY
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return false;
    const xcb_atom_t selection = traySelection(connection);
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool owned = owner && owner->owner != XCB_NONE;
    std::free(owner);
    return owned;
#else
    return false;
#endif
}

// Qt's window of the icon on an X11 tray; none when the icon went to a StatusNotifier host or is not shown.
QWidget* x11IconWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QSystemTrayIconSys") && widget->testAttribute(Qt::WA_WState_Created))
            return widget;
    return nullptr;
}

// Whether the icon sits in a tray: Qt's X11 tray icon window is taken in by the tray's reparenting it, and
// shown there (a tray may take the window in and leave its own holder of it unmapped). With no such window
// the icon went to a StatusNotifier host, or Qt found no tray when it was shown and made none: only the
// first is in a tray.
bool iconDocked() {
#ifdef HALVO_X11_TRAY
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return true;
    if (QWidget* widget = x11IconWindow()) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(
            connection, xcb_query_tree(connection, xcb_window_t(widget->winId())), nullptr);
        const bool reparented = tree && tree->parent != tree->root;
        std::free(tree);
        if (!reparented)
            return false;
        xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, xcb_window_t(widget->winId())), nullptr);
        const bool shown = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        return shown;
    }
    return statusNotifierHostPresent();
#else
    return true;
#endif
}

} // namespace

TrayIcon::TrayIcon(QWidget* window, const QIcon& icon, QMenu* menu)
    : QObject(window), m_window(window), m_image(icon), m_menu(menu) {
    window->installEventFilter(this);
    if (onLinuxDesktop()) {
        // Listening first, looking afterwards: a tray that comes in between is not missed.
        startTrayWatch();
        lookForTray();
    } else {
        makeIcon();
    }
    QTimer::singleShot(kTrayWaitMs, this, [this] {
        if (!trayPresent())
            emit noTrayAppeared();
    });
}

TrayIcon::~TrayIcon() {
    stopTrayWatch();
    if (m_icon)
        m_icon->hide();
}

void TrayIcon::startTrayWatch() {
    m_watching = true;
#ifdef HALVO_STATUS_NOTIFIER
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        auto* names = new QDBusServiceWatcher(kWatcher, bus, QDBusServiceWatcher::WatchForRegistration, this);
        connect(names, &QDBusServiceWatcher::serviceRegistered, this, &TrayIcon::lookForTray);
        m_busWatch = names;
        // A watcher that is there before its host: the host registering is the moment.
        bus.connect(kWatcher, QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                    QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(lookForTray()));
    }
#endif
#ifdef HALVO_X11_TRAY
    if (xcb_connection_t* connection = x11Connection()) {
        m_managerAtom = atomNamed(connection, "MANAGER");
        m_traySelection = traySelection(connection);
        // The manager announces itself to the root window's structure listeners; Qt listens there already,
        // made sure of here without taking away any event Qt asked for.
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root), nullptr);
        if (attributes && !(attributes->your_event_mask & XCB_EVENT_MASK_STRUCTURE_NOTIFY)) {
            const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
            xcb_flush(connection);
        }
        std::free(attributes);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
#endif
}

void TrayIcon::stopTrayWatch() {
    if (!m_watching)
        return;
    m_watching = false;
#ifdef HALVO_STATUS_NOTIFIER
    if (m_busWatch) {
        QDBusConnection::sessionBus().disconnect(kWatcher, QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                                                 QStringLiteral("StatusNotifierHostRegistered"), this,
                                                 SLOT(lookForTray()));
        m_busWatch->deleteLater();
        m_busWatch = nullptr;
    }
#endif
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool TrayIcon::nativeEventFilter(const QByteArray& eventType, [[maybe_unused]] void* message, qintptr*) {
#ifdef HALVO_X11_TRAY
    if (eventType != "xcb_generic_event_t" || m_managerAtom == XCB_ATOM_NONE)
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE)
        return false;
    const auto* client = static_cast<const xcb_client_message_event_t*>(message);
    // data: time stamp, the selection taken, the manager's window.
    if (client->type == m_managerAtom && client->format == 32 && client->data.data32[1] == m_traySelection)
        QTimer::singleShot(0, this, &TrayIcon::lookForTray);
#else
    Q_UNUSED(eventType);
#endif
    return false;
}

void TrayIcon::makeIcon() {
    m_icon = new QSystemTrayIcon(m_image, this);
    m_icon->setContextMenu(m_menu);
    m_icon->setToolTip(m_toolTip);
    // On an X11 tray the icon hears of the pointer resting on it before its tooltip shows.
    m_icon->installEventFilter(this);
    showIcon();
    // A tray that took the selection a moment before it could take icons in may drop the first request to
    // dock, or Qt may not yet see it and make no icon window: asked again while the icon is still outside.
    for (const int afterMs : {3000, 8000, 15000})
        QTimer::singleShot(afterMs, this, [this] {
            if (m_icon && x11TrayPresent() && !iconDocked()) {
                m_icon->hide();
                showIcon();
            }
        });
}

void TrayIcon::setToolTip(const QString& text) {
    if (text == m_toolTip)
        return;
    m_toolTip = text;
    if (m_icon)
        m_icon->setToolTip(text);
}

void TrayIcon::lookForTray() {
    if (m_icon || (!statusNotifierHostPresent() && !x11TrayPresent()))
        return;
    stopTrayWatch();
    makeIcon();
}

bool TrayIcon::trayPresent() const {
    // Asked of Qt only once the icon exists: its first answer on the session bus is its answer for good.
    return m_icon && QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::showIcon() {
    m_icon->show();
    m_toolTipOnDemand = x11IconWindow() != nullptr;
    emit iconShown();
}

bool TrayIcon::toolTipOnDemand() const {
    return m_icon && m_toolTipOnDemand;
}

bool TrayIcon::isVisible() const {
    return m_icon && m_icon->isVisible();
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_icon && event->type() == QEvent::ToolTip)
        emit toolTipWanted();
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

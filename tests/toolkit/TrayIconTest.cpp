// The tray icon against an X11 system tray of the test's own on a private X server: a tray that takes the
// icon's window in but leaves its holder of it unmapped is asked again, one that shows it is not.

#include "toolkit/TrayIcon.h"
#include "XvfbServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QMenu>
#include <QPixmap>
#include <QSocketNotifier>
#include <QTest>
#include <QToolTip>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Owns _NET_SYSTEM_TRAY_S0 and takes in each icon that asks to dock, into a holder window of its panel;
// it maps the holders of requests that come once it is hidingMs old.
class TestTray {
public:
    explicit TestTray(int hidingMs) : m_hidingMs(hidingMs) {
        m_age.start();
        int screenNumber = 0;
        m_x = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_x))
            return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_x)).data;
        m_root = screen->root;
        m_panel = xcb_generate_id(m_x);
        xcb_create_window(m_x, XCB_COPY_FROM_PARENT, m_panel, m_root, 0, 0, 200, 30, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_map_window(m_x, m_panel);
        m_opcode = atom("_NET_SYSTEM_TRAY_OPCODE");
        const xcb_atom_t selection = atom("_NET_SYSTEM_TRAY_S" + std::to_string(screenNumber));
        xcb_set_selection_owner(m_x, m_panel, selection, XCB_CURRENT_TIME);
        xcb_client_message_event_t manager{};
        manager.response_type = XCB_CLIENT_MESSAGE;
        manager.format = 32;
        manager.window = m_root;
        manager.type = atom("MANAGER");
        manager.data.data32[0] = XCB_CURRENT_TIME;
        manager.data.data32[1] = selection;
        manager.data.data32[2] = m_panel;
        xcb_send_event(m_x, 0, m_root, XCB_EVENT_MASK_STRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&manager));
        xcb_flush(m_x);
        m_events = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_x), QSocketNotifier::Read);
        QObject::connect(m_events.get(), &QSocketNotifier::activated, [this] { takeEvents(); });
        ready = true;
    }
    ~TestTray() {
        m_events.reset();
        xcb_disconnect(m_x);
    }

    bool iconShown() {
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(m_x, xcb_get_window_attributes(m_x, m_icon), nullptr);
        const bool shown = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
        return shown;
    }

    bool ready = false;
    int requests = 0;

private:
    xcb_atom_t atom(const std::string& name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            m_x, xcb_intern_atom(m_x, 0, std::uint16_t(name.size()), name.c_str()), nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return value;
    }

    void takeEvents() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_x)) {
            const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE && message->type == m_opcode &&
                message->data.data32[1] == 0) // SYSTEM_TRAY_REQUEST_DOCK
                dock(message->data.data32[2]);
            std::free(event);
        }
    }

    void dock(xcb_window_t icon) {
        ++requests;
        const xcb_window_t holder = xcb_generate_id(m_x);
        xcb_create_window(m_x, XCB_COPY_FROM_PARENT, holder, m_panel, 30 * requests, 0, 24, 24, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        if (m_age.elapsed() >= m_hidingMs)
            xcb_map_window(m_x, holder);
        xcb_reparent_window(m_x, icon, holder, 0, 0);
        xcb_map_window(m_x, icon);
        xcb_flush(m_x);
        m_icon = icon;
    }

    int m_hidingMs;
    QElapsedTimer m_age;
    xcb_connection_t* m_x = nullptr;
    xcb_window_t m_root = 0, m_panel = 0, m_icon = 0;
    xcb_atom_t m_opcode = 0;
    std::unique_ptr<QSocketNotifier> m_events;
};

} // namespace

class TrayIconTest : public QObject {
    Q_OBJECT
private slots:
    void anIconLeftHiddenByTheTrayIsDockedAgain();
};

void TrayIconTest::anIconLeftHiddenByTheTrayIsDockedAgain() {
    const struct {
        const char* name;
        int hidingMs; // the tray shows what asks to dock from then on
        int again;    // requests after the first second, until after the icon's first look again (3 s)
    } cases[] = {
        {"shown at once: not asked again", 0, 0},
        {"taken in but not shown: asked again", 1000, 1},
    };
    for (const auto& c : cases) {
        TestTray tray(c.hidingMs);
        QVERIFY2(tray.ready, c.name);
        QWidget window;
        QMenu menu;
        QPixmap image(16, 16);
        image.fill(Qt::red);
        {
            // Qt may ask more than once as the icon is made.
            halvo::TrayIcon icon(&window, QIcon(image), &menu);
            QTest::qWait(1000);
            const int first = tray.requests;
            QVERIFY2(first >= 1, c.name);
            QTest::qWait(2800);
            QTRY_VERIFY2(tray.iconShown(), c.name);
            QCOMPARE(tray.requests - first, c.again);

            // The icon draws its own tooltip, with the text set when the pointer came to rest on it.
            QVERIFY2(icon.toolTipOnDemand(), c.name);
            icon.setToolTip("before");
            QObject::connect(&icon, &halvo::TrayIcon::toolTipWanted, [&icon] { icon.setToolTip("newest"); });
            QWidget* iconWindow = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->inherits("QSystemTrayIconSys"))
                    iconWindow = widget;
            QVERIFY2(iconWindow, c.name);
            QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), iconWindow->mapToGlobal(QPoint(2, 2)));
            QCoreApplication::sendEvent(iconWindow, &hover);
            QTRY_COMPARE(QToolTip::text(), QString("newest"));
            QToolTip::hideText();
        }
        QCoreApplication::processEvents();
    }
}

int main(int argc, char** argv) {
    return RunOnXvfb<TrayIconTest>(argc, argv);
}

#include "TrayIconTest.moc"

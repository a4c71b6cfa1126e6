#include "TrayIcon.h"

#include <QEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace halvo {

TrayIcon::TrayIcon(QWidget* window, const QIcon& icon, QMenu* menu)
    : QObject(window), m_window(window), m_icon(new QSystemTrayIcon(icon, this)), m_menu(menu) {
    m_icon->setContextMenu(menu);
    m_icon->show();
    window->installEventFilter(this);
}

TrayIcon::~TrayIcon() {
    m_icon->hide();
}

bool TrayIcon::isVisible() const {
    return m_icon->isVisible();
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::WindowStateChange && m_window->isMinimized()) {
        // Hidden once the state change has been handled. The state stays minimized while hidden: putting
        // it back now would make the window system map the window again behind Qt's back.
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

#pragma once

// The notification-area icon of the main window: shows the icon with its popup menu (the right button
// opens it), and hides the window when it is minimized, so the program has no taskbar entry while
// minimized and lives on in the tray.

#include <QObject>
#include <QPointer>

class QIcon;
class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace halvo {

class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(QWidget* window, const QIcon& icon, QMenu* menu);
    ~TrayIcon() override;

    QSystemTrayIcon* systemTrayIcon() const { return m_icon; }
    QMenu* menu() const { return m_menu; }
    bool isVisible() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    QSystemTrayIcon* m_icon;
    QMenu* m_menu;
};

} // namespace halvo

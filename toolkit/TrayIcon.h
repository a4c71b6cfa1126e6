#pragma once

// The notification-area icon of the main window: shows the icon with its popup menu (the right button
// opens it), and hides the window when it is minimized, so the program has no taskbar entry while
// minimized and lives on in the tray.
//
// At log-in the program may come up before the desktop's panel. Qt looks once, when the icon is made, for
// a tray host on the session bus, and would never use one that comes later; so on a Linux desktop the icon
// is made only once a tray is there (a StatusNotifier host, or the X11 system tray), and until then the
// icon watches for one.

#include <QAbstractNativeEventFilter>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace halvo {

class TrayIcon : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // How long a panel may take to come up at log-in before the window is shown in its stead.
    static constexpr int kTrayWaitMs = 30000;

    TrayIcon(QWidget* window, const QIcon& icon, QMenu* menu);
    ~TrayIcon() override;

    // Empty while no tray has appeared.
    QSystemTrayIcon* systemTrayIcon() const { return m_icon; }
    QMenu* menu() const { return m_menu; }
    // Kept until the icon exists, so a tray that comes late shows the current text at once.
    void setToolTip(const QString& text);
    bool isVisible() const;
    // The icon draws its own tooltip (on an X11 tray) and asks for the text with toolTipWanted when the
    // pointer rests on it; elsewhere the tray or the system shows the last text set, whenever it likes.
    bool toolTipOnDemand() const;

signals:
    // No tray appeared within kTrayWaitMs of the start: the window is the user's only way in. The icon
    // still appears if a tray comes later.
    void noTrayAppeared();
    // The pointer rests on the icon: its tooltip is about to show, and a text set now is the one shown.
    void toolTipWanted();
    // The icon was put in a tray (as a tray appeared, or at the start, or again).
    void iconShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void lookForTray();

private:
    void makeIcon();
    void showIcon();
    bool trayPresent() const;
    // Starts listening for a tray to come; stopTrayWatch ends that once the icon is made.
    void startTrayWatch();
    void stopTrayWatch();
    // The X11 tray manager's announcement (a MANAGER client message on the root window).
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    QPointer<QWidget> m_window;
    QIcon m_image;
    QString m_toolTip;
    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu;
    bool m_watching = false;
    bool m_toolTipOnDemand = false;  // as the icon was last shown
    QObject* m_busWatch = nullptr;   // the session bus's watcher of the StatusNotifier watcher's name
    std::uint32_t m_managerAtom = 0; // MANAGER and _NET_SYSTEM_TRAY_S<screen> on X11; 0 when not there
    std::uint32_t m_traySelection = 0;
};

} // namespace halvo

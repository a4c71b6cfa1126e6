#pragma once

// The program's place in the notification area: the icon, its tooltip (what is pending, a reminder's
// countdown) and its menu (the session actions at once, cancelling the postponed actions, the window,
// exit).

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QAction;
class QWidget;

namespace halvo {

class AwakeKeeper;
class Engine;
class Planner;
class Reminders;
class SideCaptionMenu;
class TrayIcon;

class TrayMenu : public QObject {
    Q_OBJECT
public:
    struct Window {
        std::function<void()> setting; // "Setting": the window comes up
        std::function<void()> exit;
        std::function<void()> about;
    };
    TrayMenu(QWidget& window, Engine& engine, Window handlers);

    SideCaptionMenu* PopupMenu1;
    QAction* Shutdown1;
    QAction* N1;
    QAction* Logoff1;
    QAction* Restartthecomputer1;
    QAction* Lockthecomputer1;
    QAction* Sleep1;
    QAction* Hibernate1;
    QAction* CancelPostponed1; // "Cancel postponed action", shown only while one is pending
    QAction* Setting1;
    QAction* Exit1;
    QAction* About2;
    TrayIcon* TrayIcon1;

    // A tray menu item: runs the task of the kind with taskCode at once.
    void RunTrayTask(int taskCode);
    // Before the menu opens: an action the system does not offer (sleep, hibernate) is disabled.
    void UpdateTrayItems();
    // Drops every postponed action, and answers the open reminder of one that came back with Cancel.
    void CancelPostponed1Click();
    // The program's name, the General action, the postponed actions, the reminders counting down, and the
    // next schedule firing.
    QString TrayToolTip() const;
    // The tooltip and the cancel item follow what is pending.
    void Refresh();
    // Only the live reading of the waiting conditions changed: the rest of the tooltip stands.
    void RefreshReading();

private:
    Planner& m_planner;
    const Reminders& m_reminders;
    const AwakeKeeper& m_awake;
    // The tooltip last made, either side of the live reading in it; none when it shows no reading.
    mutable std::optional<std::pair<QString, QString>> m_aroundReading;
};

} // namespace halvo

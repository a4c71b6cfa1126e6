#pragma once

// The program's place in the notification area: the icon, its tooltip (what is pending, a reminder's
// countdown) and its menu (the session actions at once, the saved quick actions, cancelling the postponed
// actions, the window, exit).

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QAction;
class QMenu;
class QWidget;

namespace halvo {

class AwakeKeeper;
class Commands;
class Engine;
class PasswordGuard;
class Planner;
class Reminders;
class Settings;
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
    QMenu* QuickActions1;      // "Quick actions": the saved ones by name, shown only while there are any
    QAction* CancelPostponed1; // "Cancel postponed action", shown only while one is pending
    QAction* Setting1;
    QAction* Exit1;
    QAction* About2;
    TrayIcon* TrayIcon1;

    // A tray menu item: runs the task of the kind with taskCode at once.
    void RunTrayTask(int taskCode);
    // Before the menu opens: an action the system does not offer (sleep, hibernate) is disabled.
    void UpdateTrayItems();
    // Drops every postponed action (asking for the password first when one is set), and answers the open
    // reminder of one that came back with Cancel.
    void CancelPostponed1Click();
    // A saved quick action chosen: armed as the General page's "Set" would; a refusal is shown.
    void QuickActionClick(const QString& name);
    // The submenu follows the saved list.
    void RefreshQuickActions();
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
    Commands& m_commands;
    const Settings& m_settings;
    PasswordGuard& m_guard;
    const AwakeKeeper& m_awake;
    // The tooltip last made, either side of the live reading in it; none when it shows no reading.
    mutable std::optional<std::pair<QString, QString>> m_aroundReading;
};

} // namespace halvo

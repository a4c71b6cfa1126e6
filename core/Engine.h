#pragma once

// The engine: everything that decides what runs and when, from the start of the program to its end. main()
// owns it and hands it to the windows, which show it and ask it for changes; nothing here waits for a
// window, and closing the window or never opening it changes nothing. It holds the settings, the schedule
// with its evaluation, the agenda's planner (the one timer, the clock's announcements, the sampling of
// conditions, postponed runs, missed moments), the open reminders and the command line's requests.

#include "AwakeKeeper.h"
#include "Commands.h"
#include "PasswordGuard.h"
#include "Planner.h"
#include "Reminders.h"
#include "ScheduleStore.h"
#include "Settings.h"

#include <QObject>

#include <functional>
#include <string>

namespace halvo {

class Engine : public QObject {
    Q_OBJECT
public:
    // reminders: shows the reminders; reports: how a fault of the stored files reaches the user.
    Engine(ReminderService& reminders, ScheduleStore::Reports reports, QObject* parent = nullptr);
    ~Engine() override;

    // Reads the settings and the stored schedule, saying first what is wrong with the stored files; the
    // schedule runs from here on.
    void Start();

    Settings& settings() { return m_settings; }
    ScheduleStore& schedule() { return m_schedule; }
    Planner& planner() { return m_planner; }
    Reminders& reminders() { return m_reminders; }
    Commands& commands() { return m_commands; }
    // The password, when one is set, that guards cancelling, re-arming, the schedule, the options and
    // "Exit"; a request of the command line that needs it brings it along.
    PasswordGuard& guard() { return m_guard; }
    AwakeKeeper& awake() { return m_awake; }

    // From "Exit", a termination request or the end of the session on, nothing new runs or is announced;
    // the open reminders stay open until the end (or the session goes on after all).
    void SetEnding();
    // The session goes on after all: what is pending runs again.
    void ResumeAfterEnding();
    // The schedule, then the settings, are stored: at the end of the program or of the session. A fault is
    // reported through the reports (false when any).
    bool StoreAll();
    // The settings alone; a fault is reported.
    bool StoreSettings();

signals:
    // An open reminder counted a second down.
    void reminderCounted();

private:
    ScheduleStore::Reports m_reports;
    Settings m_settings;
    Reminders m_reminders;
    ScheduleStore m_schedule;
    Planner m_planner;
    PasswordGuard m_guard;
    Commands m_commands;
    AwakeKeeper m_awake;
};

} // namespace halvo

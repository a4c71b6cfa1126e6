#pragma once

// The one-minute reminder as the engine asks for it: a window of its own that answers later, never a wait
// inside the engine. Each open reminder counts its own minute down and answers by itself, whatever others
// are open; the one opened last holds up none opened before it.

#include "model/ScheduleEvaluator.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace halvo {

struct ReminderRequest {
    std::string label;   // the action, as the reminder names it
    std::string dueLine; // "(due at 22:30:00)" for an action that runs late; empty otherwise
};

// One reminder on the screen, as its opener holds it. Dropping it takes the window away without an answer.
class OpenReminder {
public:
    virtual ~OpenReminder() = default;
    // Puts it on the screen; it may answer from here on (a window scripted to answer at once, in tests).
    virtual void Show() = 0;
    // The seconds until the countdown runs the action: the number the Cancel button shows.
    virtual int SecondsLeft() const = 0;
    // Answers Cancel, as the Cancel button does.
    virtual void Cancel() = 0;
};

// Shows reminders: the reminder window in the program, a recorder in tests.
class ReminderService {
public:
    struct Handlers {
        // Once, with the answer: a button, the countdown reaching zero (Execute), or any other close
        // (Cancel).
        std::function<void(ReminderAnswer)> answered;
        // At each second the countdown moves.
        std::function<void()> counted;
    };
    virtual ~ReminderService() = default;
    // Makes the reminder, to be shown with Show(); returns at once.
    virtual std::unique_ptr<OpenReminder> Open(const ReminderRequest& request, Handlers handlers) = 0;
};

// Every reminder open now, oldest first, whoever opened it (the planner, the schedule's evaluation): the
// tray and --status count them down from here.
class Reminders {
public:
    explicit Reminders(ReminderService& service);
    ~Reminders();
    Reminders(const Reminders&) = delete;
    Reminders& operator=(const Reminders&) = delete;

    // Opens a reminder and returns its number at once. answered is called once, with the answer, after the
    // reminder has left the list.
    int Open(ReminderRequest request, std::function<void(ReminderAnswer)> answered);
    // Answers the reminder Cancel; nothing when it is no longer open.
    void Cancel(int id);
    // The windows go without an answer: the program is ending.
    void CloseAll();
    // "Reminder: turn off the computer in 58 s", a line each, oldest first.
    std::vector<std::string> CountdownLines() const;
    // Told at each second an open reminder counts down.
    void SetCountObserver(std::function<void()> observer) { m_counted = std::move(observer); }
    // Told once a reminder has opened, and once one has left the list and its answer has been handled.
    void SetOpenObserver(std::function<void()> observer) { m_openedOrClosed = std::move(observer); }
    // What the open reminders name, oldest first.
    std::vector<std::string> Labels() const;

private:
    struct Entry {
        int id = 0;
        std::string label;
        std::unique_ptr<OpenReminder> window;
    };
    void answer(int id, ReminderAnswer answer, const std::function<void(ReminderAnswer)>& answered);

    ReminderService& m_service;
    std::vector<Entry> m_open;
    std::function<void()> m_counted;
    std::function<void()> m_openedOrClosed;
    int m_nextId = 1;
};

} // namespace halvo

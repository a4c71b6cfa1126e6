#pragma once

// The agenda's owner: keeps what will run, wakes the program at the next moment anything can happen (a
// one-shot or a schedule item due, a five-minute warning) and otherwise once a minute, runs what came due
// through the one reminder, and looks again at once when the system says the computer woke up or the clock
// or its time zone changed. A moment that went by more than two minutes ago is not run but reported. An
// action that waits for conditions is sampled every five seconds while it is armed, and only then: on a
// thread of its own when every condition is read from counters that can be read there, so that the
// interface thread sleeps through the samples.

#include "model/Agenda.h"
#include "model/ConditionRule.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

class QTimer;

namespace halvo {

class ConditionWatch;
class CounterSampler;
class NotificationPopup;
class Reminders;
enum class ReminderAnswer;

class Planner : public QObject {
    Q_OBJECT
public:
    // The longest the program sleeps without looking at the wall clock: a change that nothing announced is
    // noticed within this.
    static constexpr int NetMs = 60000;
    // Past the moment by this much, so the clock shows the due second when the program looks.
    static constexpr int MarginMs = 3;
    // The first looks after the start come this often, to learn how fast the wall clock runs.
    static constexpr int StartLookMs = 1000;
    static constexpr int StartLooks = 5;
    // How often the readings of armed conditions are taken.
    static constexpr int SampleMs = int(ConditionSamplePeriodMs);

    // reminders: where the reminder of each action due opens; remind: the Remind setting, read when a
    // postponed schedule item comes back.
    Planner(Reminders& reminders, std::function<bool()> remind, QObject* parent = nullptr);
    ~Planner() override;

    const TAgenda& agenda() const { return m_agenda; }

    // The schedule the agenda shows and whose evaluation each look runs; nullptr and an empty function
    // when there is none.
    void setSchedule(const TScheduleManager* manager, std::function<void()> evaluate);
    // Stores what must survive before the computer goes to sleep.
    void setBeforeSleep(std::function<void()> store) { m_beforeSleep = std::move(store); }
    // Told when the end of the session that was asked for is called off, so that the program goes on.
    void setEndCalledOff(std::function<void()> goOn) { m_endCalledOff = std::move(goOn); }

    // The General action. Arming replaces the one armed before and ends its open reminder as Cancel.
    bool armAfter(ActionSource source, std::int32_t taskCode, std::int32_t seconds);
    bool armAt(ActionSource source, std::int32_t taskCode, std::int32_t hour, std::int32_t minute,
               std::int32_t second);
    // Arms the General action to run when every condition holds. ready says, once the first readings are
    // in (perhaps before this returns), whether it is armed: an empty text, or why the conditions cannot be
    // told (nothing is armed then and the action armed before stays gone).
    void armWhen(ActionSource source, std::int32_t taskCode, std::vector<ConditionSpec> conditions,
                 std::function<void(const std::string& failure)> ready);
    // The live readings of the armed conditions ("now 812 KB/s"); empty when none are armed.
    std::string conditionReading() const;
    // Each armed condition's own, in order; none when none are armed.
    std::vector<std::string> conditionReadings() const;
    // Who shows the live reading as it comes: while any does, each new one is told with readingChanged.
    // Otherwise readings taken off the interface thread are only told with the next look, and read when
    // asked.
    enum class ReadingViewer : unsigned { Page = 1, Tray = 2 };
    void setReadingShown(ReadingViewer viewer, bool shown);
    void setGeneralTask(std::int32_t taskCode);
    void disarmGeneral();

    void postpone(std::unique_ptr<TTask> task, std::string label, bool fromSchedule);
    // Drops every postponed run and ends the open reminders of those that came back, as Cancel.
    void cancelPostponed();
    // Whether the entry's reminder is open now.
    bool reminding(int id) const { return m_reminders.count(id) != 0; }
    // A postponed run waits or is in its reminder.
    bool hasPostponed() const { return m_agenda.HasPostponed(); }

    // One look: reports what was missed, warns, starts the reminders of what came due, runs the schedule's
    // evaluation, then plans the next look. The timer and the system's announcements call it.
    void wake();
    // Plans the next look from now (after a change of the schedule); notify: say that what is pending
    // changed.
    void replan(bool notify = true);
    // Once the program is on its way out nothing new is announced or run.
    void setEnding() { m_ending = true; }
    // The session goes on after all: what is pending runs again, and what fell due meanwhile is looked at.
    void resumeAfterEnding();

    // Milliseconds until the planned look.
    int plannedMs() const;
    // How many times faster than real time the wall clock was seen to run (1 for a true clock; a faked
    // clock may run 60 times as fast). Moments are planned by it, so they come on time on either.
    double wallRate() const { return m_wallRate; }
    QTimer* timer() const { return m_timer; }

signals:
    // What is pending changed: the tray, the General page and the tray's cancel item show it.
    void changed();
    // Only the live reading of the waiting conditions changed.
    void readingChanged();

private:
    void runDue(int id);
    // The entry's reminder answered (or it needed none): the task runs, is put off or is dropped.
    void finish(int id, ReminderAnswer answer);
    void notify(const std::vector<std::string>& texts);
    void closeReminder(int id);
    void stopWatch();
    void startSampling(const std::vector<ConditionSpec>& conditions);
    // Held while the watch is read, when a thread of its own samples it; none otherwise.
    std::unique_lock<std::mutex> holdWatch() const;
    void conditionsChanged();
    void tellChanged();

    TAgenda m_agenda;
    Reminders& m_reminderWindows;
    std::function<bool()> m_remind;
    std::function<void()> m_evaluate;
    std::function<void()> m_beforeSleep;
    std::function<void()> m_endCalledOff;
    QTimer* m_timer;
    std::optional<AgendaClock> m_lastLook;
    bool m_resumed = false;
    double m_wallRate = 1.0;
    int m_startLooks = StartLooks;
    bool m_ending = false;
    std::map<int, int> m_reminders; // the open reminders' numbers by entry
    std::vector<std::unique_ptr<NotificationPopup>> m_popups;
    std::unique_ptr<ConditionWatch> m_watch; // of the armed conditional action
    int m_watchedId = 0;                     // its entry, once armed
    std::string m_shownReading;              // the live reading last told of
    bool m_notifyPending = false;
    bool m_notifyWhole = false; // the conditions held: more than the reading changed
    bool m_sampling = false;    // inside a sample: the change is told when it ends
    QTimer* m_sampler;
    std::unique_ptr<CounterSampler> m_counterSampler; // samples the watch instead of m_sampler
    std::atomic<unsigned> m_readingViewers = 0;
    std::atomic<bool> m_samplingOffThread = false; // the watch's answers come on the sampling thread
};

} // namespace halvo

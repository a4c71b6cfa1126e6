#pragma once

// Holds off the computer's automatic sleep while an action waits (the General action, a postponed run, an
// open reminder; not the schedule, whose daily items would keep a laptop awake all day), and keeps a wake
// alarm at the next moment anything timed is due, so that a computer put to sleep wakes for it. Each
// follows the agenda and the two settings, and lets go once nothing waits or the program ends.

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>

namespace halvo {

class Planner;
class Reminders;
class Settings;

class AwakeKeeper : public QObject {
    Q_OBJECT
public:
    // A wake alarm that would move by less than this is left where it is.
    static constexpr std::int64_t AlarmToleranceMs = 1000;

    AwakeKeeper(Planner& planner, Reminders& reminders, Settings& settings, QObject* parent = nullptr);
    ~AwakeKeeper() override;

    // Looks again at what waits: takes, renews or lets go the hold, and sets, moves or clears the alarm.
    void Update();
    // From the end of the program or the session on, nothing is held; the session going on after all
    // looks again.
    void SetEnding(bool ending);

    bool holding() const { return m_heldKey.has_value(); }
    // "Keeping the computer awake until: <what waits>" while the hold is taken; empty otherwise.
    QString StatusLine() const;
    // Milliseconds from now to the wake alarm as it was set; nothing when none is set.
    std::optional<std::int64_t> AlarmInMs() const;
    // Why the last wake alarm could not be set, in the system's words; empty when it was.
    const std::string& alarmFailure() const { return m_alarmFailure; }

private:
    struct Waiting {
        std::string key; // tells one thing that waits from another
        std::string text;
    };
    std::optional<Waiting> whatWaits(bool withReading) const;
    void updateHold();
    void updateAlarm();
    void release();
    void clearAlarm();

    Planner& m_planner;
    Reminders& m_reminders;
    Settings& m_settings;
    bool m_ending = false;
    std::optional<std::string> m_heldKey;
    std::optional<std::int64_t> m_alarmElapsedMs; // where the alarm rings, on the elapsed clock
    std::string m_alarmFailure;
};

} // namespace halvo

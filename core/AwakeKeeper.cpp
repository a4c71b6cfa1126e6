#include "AwakeKeeper.h"

#include "Planner.h"
#include "Reminders.h"
#include "Settings.h"

#include "platform/Platform.h"

#include <QCoreApplication>

#include <cstdlib>

namespace halvo {

AwakeKeeper::AwakeKeeper(Planner& planner, Reminders& reminders, Settings& settings, QObject* parent)
    : QObject(parent), m_planner(planner), m_reminders(reminders), m_settings(settings) {
    connect(&m_planner, &Planner::changed, this, [this] { Update(); });
    connect(&m_settings, &Settings::changed, this, [this] { Update(); });
}

AwakeKeeper::~AwakeKeeper() {
    release();
    clearAlarm();
}

void AwakeKeeper::SetEnding(bool ending) {
    m_ending = ending;
    Update();
}

void AwakeKeeper::Update() {
    updateHold();
    updateAlarm();
}

std::optional<AwakeKeeper::Waiting> AwakeKeeper::whatWaits(bool withReading) const {
    const AgendaClock clock = ReadAgendaClock();
    for (const UpcomingEntry& entry : m_planner.agenda().Upcoming(clock)) {
        if (entry.source == ActionSource::ScheduleItem)
            continue;
        const std::string reading =
            withReading && !entry.condition.empty() ? m_planner.conditionReading() : std::string();
        return Waiting{entry.key, PendingText(entry, reading, clock.wall)};
    }
    // A schedule item's reminder holds it too, until it has run.
    const std::vector<std::string> reminders = m_reminders.Labels();
    if (!reminders.empty())
        return Waiting{"reminder " + reminders.front(), reminders.front()};
    return std::nullopt;
}

void AwakeKeeper::updateHold() {
    const std::optional<Waiting> waiting =
        m_settings.values().KeepAwake && !m_ending ? whatWaits(false) : std::nullopt;
    if (!waiting)
        return release();
    // Taken anew only when something else waits: its text names the moment as it was when taken.
    if (m_heldKey == waiting->key)
        return;
    platform().powerHolds().holdAwake(waiting->text);
    m_heldKey = waiting->key;
}

void AwakeKeeper::release() {
    if (!m_heldKey)
        return;
    m_heldKey.reset();
    platform().powerHolds().releaseAwake();
}

QString AwakeKeeper::StatusLine() const {
    if (!m_heldKey)
        return {};
    // Without the live reading of conditions: the General action's line carries it.
    const std::optional<Waiting> waiting = whatWaits(false);
    if (!waiting)
        return {};
    return QCoreApplication::translate("AwakeKeeper", "Keeping the computer awake until: %1")
        .arg(QString::fromStdString(waiting->text));
}

void AwakeKeeper::updateAlarm() {
    if (!m_settings.values().WakeForSchedule || m_ending)
        return clearAlarm();
    const AgendaClock clock = ReadAgendaClock();
    std::optional<std::int64_t> next; // milliseconds from now
    for (const UpcomingEntry& entry : m_planner.agenda().Upcoming(clock)) {
        // A condition has no moment, and an action in its reminder is awake already.
        if (!entry.condition.empty() || entry.state == ActionState::Reminding)
            continue;
        const std::int64_t ms = (entry.due - clock.wall) * 1000 - clock.milliseconds;
        if (ms > 0 && (!next || ms < *next))
            next = ms;
    }
    if (!next)
        return clearAlarm();
    // Kept on the elapsed clock, so that a wall clock set by hand moves the alarm with it.
    const std::int64_t elapsedAt = clock.elapsedMs + *next;
    if (m_alarmElapsedMs && std::llabs(*m_alarmElapsedMs - elapsedAt) < AlarmToleranceMs)
        return;
    std::string failure;
    if (platform().powerHolds().setWakeAlarm(*next, failure)) {
        m_alarmElapsedMs = elapsedAt;
        m_alarmFailure.clear();
    } else {
        m_alarmElapsedMs.reset();
        m_alarmFailure = failure;
    }
}

void AwakeKeeper::clearAlarm() {
    m_alarmFailure.clear();
    if (!m_alarmElapsedMs)
        return;
    m_alarmElapsedMs.reset();
    platform().powerHolds().clearWakeAlarm();
}

std::optional<std::int64_t> AwakeKeeper::AlarmInMs() const {
    if (!m_alarmElapsedMs)
        return std::nullopt;
    return *m_alarmElapsedMs - platform().clock().elapsedMs();
}

} // namespace halvo

#include "Planner.h"

#include "CounterSampler.h"
#include "Reminders.h"
#include "model/ConditionWatch.h"
#include "platform/Platform.h"
#include "platform/Translate.h"
#include "platform/UiServices.h"

#include <QTimer>

#include <algorithm>
#include <utility>

namespace halvo {

Planner::Planner(Reminders& reminders, std::function<bool()> remind, QObject* parent)
    : QObject(parent), m_reminderWindows(reminders), m_remind(std::move(remind)), m_timer(new QTimer(this)),
      m_sampler(new QTimer(this)) {
    m_sampler->setObjectName("ConditionSampler");
    m_sampler->setInterval(SampleMs);
    connect(m_sampler, &QTimer::timeout, this, [this] {
        if (!m_watch)
            return;
        // The counters answer before Sample returns: what they changed is told once, at the end, without
        // another turn of the event loop.
        m_sampling = true;
        m_watch->Sample(platform().clock().elapsedMs());
        m_sampling = false;
        if (std::exchange(m_notifyPending, false))
            tellChanged();
        // The look of once a minute comes with the sample before it, not on a wake of its own, when it
        // is only that look and nothing falls due at it.
        const int left = m_timer->remainingTime();
        if (m_sampler->isActive() && left >= 0 && left < SampleMs) {
            const auto next = m_agenda.MsUntilNext(ReadAgendaClock());
            if (!next || double(*next) / m_wallRate > left + 1000)
                wake();
        }
    });
    m_timer->setObjectName("PlannerTimer");
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &Planner::wake);
    platform().clock().watchChanges([this](ClockChange change) {
        if (change == ClockChange::SessionEndCancelled) {
            if (m_endCalledOff)
                m_endCalledOff();
            return;
        }
        if (change == ClockChange::Suspending) {
            if (m_beforeSleep && !m_ending)
                m_beforeSleep();
            return;
        }
        if (change == ClockChange::Resumed)
            m_resumed = true;
        ForgetZoneRules();
        wake();
    });
    replan();
}

Planner::~Planner() {
    m_counterSampler.reset();
    platform().clock().watchChanges({});
}

void Planner::setSchedule(const TScheduleManager* manager, std::function<void()> evaluate) {
    m_agenda.SetSchedule(manager);
    m_evaluate = std::move(evaluate);
    replan();
}

bool Planner::armAfter(ActionSource source, std::int32_t taskCode, std::int32_t seconds) {
    stopWatch();
    if (const AgendaEntry* general = m_agenda.General())
        closeReminder(general->id);
    const bool armed = m_agenda.ArmAfter(source, taskCode, seconds, ReadAgendaClock());
    wake();
    return armed;
}

bool Planner::armAt(ActionSource source, std::int32_t taskCode, std::int32_t hour, std::int32_t minute,
                    std::int32_t second) {
    stopWatch();
    if (const AgendaEntry* general = m_agenda.General())
        closeReminder(general->id);
    const bool armed = m_agenda.ArmAt(source, taskCode, hour, minute, second, ReadAgendaClock());
    wake();
    return armed;
}

void Planner::armWhen(ActionSource source, std::int32_t taskCode, std::vector<ConditionSpec> conditions,
                      std::function<void(const std::string& failure)> ready) {
    disarmGeneral();
    if (!KindOfCode(taskCode) || conditions.empty()) {
        if (ready)
            ready(Translate("Commands", "not an action that can be armed"));
        return;
    }
    // Answers on the sampling thread are judged there once the sample is done.
    m_watch = std::make_unique<ConditionWatch>(platform().activity(), conditions, [this] {
        if (!m_samplingOffThread)
            conditionsChanged();
    });
    ConditionWatch* watch = m_watch.get();
    watch->Start(platform().clock().elapsedMs(),
                 [this, watch, source, taskCode, conditions, ready](const std::string& failure) {
                     if (m_watch.get() != watch)
                         return;
                     if (!failure.empty()) {
                         // Gone after this call: the watch allows being dropped from inside it.
                         m_watch.reset();
                     } else if (m_agenda.ArmWhen(source, taskCode, conditions, ReadAgendaClock())) {
                         m_watchedId = m_agenda.General()->id;
                         startSampling(conditions);
                     }
                     replan();
                     if (ready)
                         ready(failure);
                     if (failure.empty())
                         conditionsChanged();
                 });
}

std::string Planner::conditionReading() const {
    if (!m_watch || !m_watchedId)
        return {};
    const auto hold = holdWatch();
    return m_watch->LiveReading();
}

std::vector<std::string> Planner::conditionReadings() const {
    if (!m_watch || !m_watchedId)
        return {};
    const auto hold = holdWatch();
    return m_watch->LiveReadings();
}

void Planner::startSampling(const std::vector<ConditionSpec>& conditions) {
    const bool counters = std::all_of(conditions.begin(), conditions.end(),
                                      [](const ConditionSpec& spec) { return RowOf(spec.kind).counter; });
    if (!counters || !platform().activity().countersOnAnyThread())
        return m_sampler->start();
    // The interface thread hears of a sample when the conditions hold, or when a page shows the reading
    // and it changed; the tray reads it when its tooltip shows, and each look tells it.
    const auto sample = [this, told = std::string()]() mutable {
        m_samplingOffThread = true;
        m_watch->Sample(platform().clock().elapsedMs());
        m_samplingOffThread = false;
        if (m_watch->Holds())
            return true;
        if (m_readingViewers == 0)
            return false;
        std::string reading = m_watch->LiveReading();
        return reading != std::exchange(told, reading);
    };
    m_counterSampler =
        std::make_unique<CounterSampler>(SampleMs, sample, this, [this] { conditionsChanged(); });
}

std::unique_lock<std::mutex> Planner::holdWatch() const {
    return m_counterSampler ? std::unique_lock(m_counterSampler->lock()) : std::unique_lock<std::mutex>();
}

void Planner::setReadingShown(ReadingViewer viewer, bool shown) {
    if (shown)
        m_readingViewers |= unsigned(viewer);
    else
        m_readingViewers &= ~unsigned(viewer);
}

void Planner::stopWatch() {
    m_shownReading.clear();
    m_sampler->stop();
    m_counterSampler.reset();
    m_watch.reset();
    m_watchedId = 0;
}

void Planner::conditionsChanged() {
    if (!m_watch || !m_watchedId)
        return;
    bool holds = false;
    std::string reading;
    {
        const auto hold = holdWatch();
        holds = m_watch->Holds();
        reading = m_watch->LiveReading();
    }
    const AgendaEntry* entry = m_agenda.Find(m_watchedId);
    const bool held = entry && entry->state != ActionState::Reminding && holds && !m_ending;
    if (held) {
        const int id = m_watchedId;
        m_sampler->stop();
        m_counterSampler.reset();
        m_agenda.ConditionsHeld(id);
        // From the event loop: the sample that found it holding is still being told of.
        QTimer::singleShot(0, this, [this, id] { runDue(id); });
    }
    // Told only when the reading shows something new, and once for all the answers of one sample.
    m_notifyWhole = m_notifyWhole || held;
    if ((!held && reading == m_shownReading) || m_notifyPending)
        return;
    m_notifyPending = true;
    if (!m_sampling)
        QTimer::singleShot(0, this, [this] {
            if (std::exchange(m_notifyPending, false))
                tellChanged();
        });
}

void Planner::tellChanged() {
    m_shownReading = conditionReading();
    if (std::exchange(m_notifyWhole, false) || !m_watch)
        emit changed();
    else
        emit readingChanged();
}

void Planner::setGeneralTask(std::int32_t taskCode) {
    m_agenda.SetGeneralTask(taskCode);
    emit changed();
}

void Planner::disarmGeneral() {
    stopWatch();
    if (const AgendaEntry* general = m_agenda.General()) {
        const int id = general->id;
        m_agenda.DisarmGeneral();
        closeReminder(id);
    }
    replan();
}

void Planner::postpone(std::unique_ptr<TTask> task, std::string label, bool fromSchedule) {
    m_agenda.Postpone(std::move(task), std::move(label), fromSchedule, ReadAgendaClock());
    replan();
}

void Planner::cancelPostponed() {
    std::vector<int> ids;
    for (const auto& entry : m_agenda.Entries())
        if (entry->source == ActionSource::Postponed)
            ids.push_back(entry->id);
    m_agenda.CancelPostponed();
    for (int id : ids)
        closeReminder(id);
    replan();
}

void Planner::closeReminder(int id) {
    const auto open = m_reminders.find(id);
    if (open == m_reminders.end())
        return;
    const int reminder = open->second;
    m_reminders.erase(open);
    m_reminderWindows.Cancel(reminder);
}

void Planner::wake() {
    const AgendaClock now = ReadAgendaClock();
    const MissReason reason = ReasonOfMiss(m_lastLook, now, m_resumed);
    // The wall clock's pace since the last look: a clock faked to run fast keeps its pace, a clock set
    // once shows it for one look only, and a sleep says nothing about it.
    if (m_lastLook && !m_resumed) {
        const long long passed = now.elapsedMs - m_lastLook->elapsedMs;
        const long long moved = now.wallMs() - m_lastLook->wallMs();
        if (passed >= 500) {
            const double rate = double(moved) / double(passed);
            m_wallRate = rate > 1.1 && rate < 100000 ? rate : 1.0;
        }
    }
    if (m_startLooks > 0)
        --m_startLooks;
    m_lastLook = now;
    m_resumed = false;
    if (m_ending) {
        m_timer->stop();
        return;
    }
    const TAgenda::Look look = m_agenda.TakeDue(now, reason);
    std::vector<std::string> texts;
    for (const MissedRun& run : look.missed)
        texts.push_back(MissedText(run, now.wall));
    for (std::string& warning : m_agenda.Warnings(now))
        texts.push_back(std::move(warning));
    notify(texts);
    // Each from the event loop, after the schedule's own look.
    for (int id : look.due)
        QTimer::singleShot(0, this, [this, id] { runDue(id); });
    replan(false);
    if (m_evaluate)
        m_evaluate();
    replan();
}

void Planner::resumeAfterEnding() {
    if (std::exchange(m_ending, false))
        wake(); // its plan tells that what is pending changed
}

void Planner::replan(bool notify) {
    if (m_ending)
        return;
    // At least once a minute of the wall clock, and often at first, until its pace is known.
    long long ms = std::max<long long>(250, (long long)(NetMs / m_wallRate));
    if (m_startLooks > 0)
        ms = std::min<long long>(ms, StartLookMs);
    if (const auto next = m_agenda.MsUntilNext(ReadAgendaClock()))
        ms = std::min<long long>(ms, (long long)(*next / m_wallRate) + MarginMs);
    m_timer->start(int(std::max(0LL, ms)));
    if (notify)
        emit changed();
}

int Planner::plannedMs() const {
    return m_timer->isActive() ? m_timer->remainingTime() : -1;
}

void Planner::notify(const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        auto popup = ui().CreateNotificationPopup();
        popup->SetTitle(tr("Halvo Shutdown").toStdString());
        popup->SetMessageText(text);
        popup->Show();
        m_popups.push_back(std::move(popup));
    }
    // Only the latest few stay: each goes away by itself on the screen.
    while (m_popups.size() > 4)
        m_popups.erase(m_popups.begin());
}

void Planner::runDue(int id) {
    AgendaEntry* entry = m_agenda.Find(id);
    if (!entry || m_ending || m_reminders.count(id))
        return;
    const bool remind = !entry->fromSchedule || !m_remind || m_remind();
    if (!remind)
        return finish(id, ReminderAnswer::Execute);
    // Each reminder answers on its own: one left open holds up neither the others nor the schedule.
    m_reminders[id] = -1;
    const int reminder = m_reminderWindows.Open({entry->label, {}}, [this, id](ReminderAnswer answer) {
        m_reminders.erase(id);
        finish(id, answer);
    });
    // A service that answered at once has left nothing open.
    if (const auto open = m_reminders.find(id); open != m_reminders.end())
        open->second = reminder;
    emit changed();
}

void Planner::finish(int id, ReminderAnswer answer) {
    // Cancelled, re-armed or dropped while its reminder was open: it is gone from the agenda.
    AgendaEntry* entry = m_agenda.Find(id);
    if (!entry || m_ending) {
        replan();
        return;
    }
    const std::string label = entry->label;
    const bool fromSchedule = entry->fromSchedule;
    std::unique_ptr<TTask> task = m_agenda.Finish(id);
    if (id == m_watchedId)
        stopWatch();
    replan();
    if (!task)
        return;
    if (answer == ReminderAnswer::Execute)
        task->Run();
    else if (answer == ReminderAnswer::Postpone)
        postpone(std::move(task), label, fromSchedule);
}

} // namespace halvo

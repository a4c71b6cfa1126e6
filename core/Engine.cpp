#include "Engine.h"

#include "model/DataFolder.h"
#include "model/Tasks.h"

#include <QStringList>

namespace halvo {

Engine::Engine(ReminderService& reminders, ScheduleStore::Reports reports, QObject* parent)
    : QObject(parent), m_reports(reports), m_reminders(reminders),
      m_schedule(m_settings, m_reminders, std::move(reports)),
      m_planner(m_reminders, [this] { return m_settings.remind(); }),
      m_commands(m_planner, m_reminders, m_settings, m_guard), m_awake(m_planner, m_reminders, m_settings) {
    m_reminders.SetCountObserver([this] { emit reminderCounted(); });
    m_reminders.SetOpenObserver([this] { m_awake.Update(); });
    m_commands.setAwakeLine([this] { return m_awake.StatusLine().toStdString(); });
    m_planner.setSchedule(&m_schedule.manager(), [this] { m_schedule.Evaluate(); });
    m_schedule.postponed = [this](const TScheduleItem& item) {
        m_planner.postpone(CopyTask(item.Task.get()), item.Task ? ShownTaskName(*item.Task) : std::string(),
                           true);
    };
    connect(&m_schedule, &ScheduleStore::changed, &m_planner, [this] { m_planner.replan(); });
    // The schedule of this run is stored from the moment AutoSave is on, not only at its next change.
    connect(&m_settings, &Settings::changed, this, [this](const AppSettings& before) {
        if (!before.AutoSave && m_settings.autoSave())
            m_schedule.AutoSaveTurnedOn();
    });
    // The schedule is stored before the computer goes to sleep, as before every task a schedule item runs.
    const auto storeSchedule = [this] { m_schedule.StoreIfKept(); };
    SetBeforeSuspend(storeSchedule);
    m_planner.setBeforeSleep(storeSchedule);
}

Engine::~Engine() {
    m_awake.SetEnding(true);
    m_reminders.SetOpenObserver({});
    SetBeforeSuspend({});
    m_planner.setEnding();
    m_planner.setSchedule(nullptr, {});
    m_reminders.SetCountObserver({});
    m_reminders.CloseAll();
}

void Engine::Start() {
    m_settings.Load();
    m_guard.Load();
    // Said before anything is stored, without holding up the start.
    if (const std::string notice = StoredFilesNotice(m_settings.autoSave());
        !notice.empty() && m_reports.notice)
        m_reports.notice(notice);
    if (const std::vector<int>& damaged = m_settings.damagedQuickActions();
        !damaged.empty() && m_reports.notice) {
        QStringList numbers;
        for (int number : damaged)
            numbers << QString::number(number);
        m_reports.notice(tr("The quick actions numbered %1 in %2 cannot be read and are left out; the others "
                            "are loaded.")
                             .arg(numbers.join(", "), QString::fromStdString(SettingsFilePath()))
                             .toStdString());
    }
    m_schedule.Load();
}

void Engine::SetEnding() {
    m_schedule.SetEnding(true);
    m_planner.setEnding();
    m_awake.SetEnding(true);
}

void Engine::ResumeAfterEnding() {
    m_schedule.SetEnding(false);
    m_planner.resumeAfterEnding();
    m_awake.SetEnding(false);
}

bool Engine::StoreAll() {
    const bool schedule = m_schedule.StoreIfKept();
    return StoreSettings() && schedule;
}

bool Engine::StoreSettings() {
    std::string error;
    if (m_settings.Store(error) && m_guard.Store(error))
        return true;
    if (m_reports.error)
        m_reports.error(error);
    return false;
}

} // namespace halvo

#include "ScheduleStore.h"

#include "Reminders.h"
#include "Settings.h"
#include "model/DataFolder.h"
#include "platform/Platform.h"

#include <utility>

namespace halvo {

ScheduleStore::ScheduleStore(Settings& settings, Reminders& reminders, Reports reports, QObject* parent)
    : QObject(parent), m_settings(settings), m_reminders(reminders), m_reports(std::move(reports)),
      m_manager(std::make_unique<TScheduleManager>()) {
    ScheduleHooks hooks;
    hooks.remind = [this] { return m_settings.remind(); };
    hooks.openReminder = [this](const std::string& label, const std::string& dueLine,
                                std::function<void(ReminderAnswer)> answered) {
        m_reminders.Open({label, dueLine}, [this, answered = std::move(answered)](ReminderAnswer answer) {
            answered(m_ending ? ReminderAnswer::Cancel : answer);
        });
    };
    // Stored before the task runs, so the moved crossing state is on disk when the task shuts the
    // computer down: the item cannot fire a second time at the next start.
    hooks.fired = [this](TScheduleItem&) {
        m_kept = true;
        store(false);
    };
    hooks.postpone = [this](TScheduleItem& item) {
        if (postponed)
            postponed(item);
    };
    m_evaluator = std::make_unique<ScheduleEvaluator>(*m_manager, std::move(hooks));
}

ScheduleStore::~ScheduleStore() = default;

void ScheduleStore::Load() {
    // With AutoSave off the stored file is left alone for the whole run; turned on later, the first
    // store keeps a copy of what this run never loaded.
    m_storedFileIsOurs = m_settings.autoSave();
    const std::string schedulePath = ScheduleFilePath();
    if (!m_settings.autoSave() || !platform().files().exists(schedulePath))
        return;
    m_manager->SetSettingsPath(SettingsFilePath());
    const std::string fault = m_manager->LoadSchedule(schedulePath);
    m_kept = true;
    report(fault, false);
    emit changed();
}

bool ScheduleStore::Store() {
    return store(true);
}

bool ScheduleStore::StoreIfKept() {
    return !m_kept || store(true);
}

void ScheduleStore::AutoSaveTurnedOn() {
    m_kept = true;
    store(true);
}

bool ScheduleStore::store(bool interactive) {
    if (!m_settings.autoSave())
        return true;
    if (!m_storedFileIsOurs) {
        m_manager->KeepCopyAtNextSave(ScheduleFilePath());
        m_storedFileIsOurs = true;
    }
    m_manager->SetSettingsPath(SettingsFilePath());
    // An item still in its "add" is not confirmed yet: the file holds every confirmed change.
    const std::string fault = m_manager->SaveSchedule(ScheduleFilePath(), m_adding);
    report(fault, interactive);
    return fault.empty();
}

void ScheduleStore::report(const std::string& fault, bool interactive) {
    const std::string notice = m_manager->TakeNotice();
    if (fault.empty() && notice.empty())
        return;
    const std::string text = fault.empty() ? notice : notice.empty() ? fault : fault + "\n\n" + notice;
    if (interactive && !fault.empty()) {
        if (m_reports.error)
            m_reports.error(text);
    } else if (m_reports.notice) {
        m_reports.notice(text);
    }
}

TScheduleItem& ScheduleStore::BeginAdd() {
    m_adding = &m_manager->Add();
    return *m_adding;
}

void ScheduleStore::EndAdd(bool confirmed) {
    TScheduleItem* item = std::exchange(m_adding, nullptr);
    if (!item)
        return;
    if (confirmed)
        return ItemsChanged();
    if (const int index = m_manager->IndexOf(item); index >= 0)
        m_manager->Delete(index);
}

void ScheduleStore::ItemsChanged() {
    m_kept = true;
    store(true);
    emit changed();
}

void ScheduleStore::Evaluate() {
    // No look may walk over an item still in its "add": it has no task and no time yet.
    if (m_adding)
        return;
    m_evaluator->Tick();
    emit evaluated();
}

} // namespace halvo

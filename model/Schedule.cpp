#include "Schedule.h"
#include "platform/Translate.h"

#include "Profile.h"
#include "ScheduleFile.h"
#include "platform/Platform.h"

namespace halvo {

bool TSPTime::CheckCrossing(const LocalTime& clock) {
    // Compared as the stored fractions are, within a millisecond, so a time read from a file with
    // milliseconds fires on the same tick as ever.
    const TDateTime now = FromLocalTime(clock);
    const long long day = DayOf(WallSecondsOf(clock));
    // A new calendar day since the last look: midnight came in between and put the clock below the rule's
    // time, so the rule's time lies ahead again (a rule at 00:00:00 is passed on the day's first look).
    if (m_seenDay && day > *m_seenDay &&
        (CrossState == TCrossState::Ahead || CrossState == TCrossState::Passed))
        CrossState = TCrossState::Ahead;
    m_seenDay = day;

    const int side = CompareTime(TimeOfDay, now); // 1: the rule's time is still ahead, -1: it has passed
    switch (CrossState) {
    case TCrossState::Ahead:
        if (side >= 0)
            return false;
        CrossState = TCrossState::Passed;
        // A clock put back after the firing (the autumn hour, a correction) passes the time once more on
        // the same day; the item has run today already.
        if (m_firedDay == day)
            return false;
        m_firedDay = day;
        return true;
    case TCrossState::Passed:
        // Midnight, a start on a later day or a clock set back: the time lies ahead again, nothing runs.
        if (side > 0)
            CrossState = TCrossState::Ahead;
        return false;
    default:
        // NotSeen, and any other value a damaged file brought in: only learn the side, so a rule whose
        // state is unknown never fires on its first look.
        if (side > 0)
            CrossState = TCrossState::Ahead;
        else if (side < 0)
            CrossState = TCrossState::Passed;
        return false;
    }
}

void TSPTime::StartOver() {
    CrossState = TCrossState::NotSeen;
    m_seenDay.reset();
    m_firedDay.reset();
}

void TScheduleItem::Assign(const TScheduleItem* source) {
    if (!source || source == this)
        return;
    TimeRule.Period = source->TimeRule.Period;
    TimeRule.Day = source->TimeRule.Day;
    TimeRule.OnceDate = source->TimeRule.OnceDate;
    TimeRule.TimeOfDay = source->TimeRule.TimeOfDay;
    TimeRule.DisplayText = source->TimeRule.DisplayText;
    if (source->Task) {
        Task = CopyTask(source->Task.get());
        UnknownTaskCode.reset();
    } else if (!Task) {
        // Both without a task: keep the stored code travelling with the item, so a working copy written
        // back leaves the file as it was.
        UnknownTaskCode = source->UnknownTaskCode;
    }
    Active = source->Active;
    Spare = source->Spare;
    ItemName = source->ItemName;
}

bool TSPTime::DueOn(long long day) const {
    switch (Period) {
    case TPeriod::EveryDay:
        return true;
    case TPeriod::EveryWeek:
        return WeekdayOf(day) + 1 == Day; // Day 1 is Sunday
    case TPeriod::EveryMonth:
        return DayOfMonthOf(day) == Day;
    case TPeriod::Once:
        return OnceDay() == day;
    default:
        return false;
    }
}

void TScheduleItem::UpdateDueToday(long long today) {
    if (TimeRule.Period >= TPeriod::EveryDay && TimeRule.Period <= TPeriod::Once)
        DueToday = TimeRule.DueOn(today);
}

TScheduleItem& TScheduleManager::Add() {
    m_items.push_back(std::make_unique<TScheduleItem>());
    return *m_items.back();
}

void TScheduleManager::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    m_items.erase(m_items.begin() + index);
    ++m_deletedCount;
}

void TScheduleManager::Clear() {
    m_deletedCount += Count();
    m_items.clear();
}

int TScheduleManager::IndexOf(const TScheduleItem* item) const {
    for (std::size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == item)
            return int(i);
    return -1;
}

namespace {

constexpr const char* CountSection = "schManager";
constexpr const char* CountKey = "count";

std::string itemsText(long long count) {
    return FillIn(count == 1 ? Translate("Schedule", "%1 item") : Translate("Schedule", "%1 items"),
                  {std::to_string(count)});
}

// What a kept copy holds, as the user is told: its whole items, and whether a damaged part follows.
std::string contentsOf(const std::string& path) {
    std::string data;
    std::string error;
    if (!platform().files().readWholeFile(path, data, error))
        return FillIn(Translate("Schedule", "cannot be read (%1)"), {error});
    ScheduleReader reader(data);
    int items = 0;
    bool damaged = false;
    while (!reader.AtEnd()) {
        TScheduleItem item;
        if (!reader.ReadRecord(item).empty()) {
            damaged = true;
            break;
        }
        ++items;
    }
    return damaged ? FillIn(Translate("Schedule", "%1 and a part that cannot be read"), {itemsText(items)})
                   : itemsText(items);
}

} // namespace

std::string TScheduleManager::BackupPath(const std::string& path, int generation) {
    return generation == 0 ? path + ".bak" : path + ".bak." + std::to_string(generation);
}

void TScheduleManager::addNotice(const std::string& text) {
    if (!m_notice.empty())
        m_notice += "\n\n";
    m_notice += text;
}

// Keeps data (the content of path) as the newest backup. The earlier backups move one generation back
// and only the oldest goes: a copy is never replaced by a later, smaller one. An empty file holds nothing
// to keep, and the same content as the newest copy is not kept twice.
bool TScheduleManager::keepBackup(const std::string& path, const std::string& data, std::string& error) {
    if (data.empty())
        return true;
    std::string newest;
    std::string ignored;
    if (platform().files().readWholeFile(BackupPath(path, 0), newest, ignored) && newest == data)
        return true;
    for (int generation = BackupGenerations - 1; generation > 0; --generation) {
        const std::string younger = BackupPath(path, generation - 1);
        if (platform().files().exists(younger) &&
            !platform().files().renameFile(younger, BackupPath(path, generation), error))
            return false;
    }
    if (!platform().files().writeBackupFile(BackupPath(path, 0), data, path, error))
        return false;
    std::string list = Translate("Schedule", "Copies of the stored schedule, newest first:");
    for (int generation = 0; generation < BackupGenerations; ++generation) {
        const std::string copy = BackupPath(path, generation);
        if (!platform().files().exists(copy))
            continue;
        list += "\n" + FillIn(generation == 0 ? Translate("Schedule", "%1: %2, the file as this run found it")
                                              : Translate("Schedule", "%1: %2, an earlier copy"),
                              {copy, contentsOf(copy)});
    }
    addNotice(list);
    return true;
}

std::string TScheduleManager::LoadSchedule(const std::string& path) {
    std::string data;
    std::string error;
    if (!platform().files().readWholeFile(path, data, error)) {
        // The file stays as it is; the next save of this path first tries again to keep a copy.
        m_unsavedBackupPath = path;
        return FillIn(Translate("Schedule", "Cannot open file \"%1\". %2"), {path, error});
    }
    // Every whole record counts, whatever the settings file says: a count lost or left behind (a crash
    // between the two writes, an edited or replaced settings file) must not cost stored items.
    ScheduleReader reader(data);
    std::string fault;
    int loaded = 0;
    while (!reader.AtEnd()) {
        // Read into an item of its own and append it only when its record was whole.
        auto item = std::make_unique<TScheduleItem>();
        fault = reader.ReadRecord(*item);
        if (!fault.empty())
            break;
        m_items.push_back(std::move(item));
        ++loaded;
    }
    m_loadedPath = path;
    m_loadedCount = loaded;
    m_deletedCount = 0;

    const std::optional<long long> count =
        ParseProfileInteger(platform().profiles().readKey(SettingsPath, CountSection, CountKey, 2047));
    if (fault.empty() && count != loaded)
        addNotice(
            count
                ? FillIn(Translate("Schedule", "The schedule file %1 holds %2, but %3 counted %4. All of "
                                               "them were loaded, and the count is set right when the "
                                               "schedule is next stored."),
                         {path, itemsText(loaded), SettingsPath, std::to_string(*count)})
                : FillIn(Translate("Schedule", "The schedule file %1 holds %2, but %3 held no count. All of "
                                               "them were loaded, and the count is set right when the "
                                               "schedule is next stored."),
                         {path, itemsText(loaded), SettingsPath}));
    if (fault.empty())
        return {};
    // The bytes after the fault may still hold items that the next save would drop: keep the whole file.
    std::string backupError;
    if (keepBackup(path, data, backupError))
        m_unsavedBackupPath.clear();
    else
        m_unsavedBackupPath = path;
    return fault;
}

std::string TScheduleManager::SaveSchedule(const std::string& path, const TScheduleItem* leaveOut) {
    const int storing = Count() - (IndexOf(leaveOut) >= 0 ? 1 : 0);
    if (path == m_loadedPath && storing < m_loadedCount - m_deletedCount)
        return FillIn(Translate("Schedule",
                                "Cannot create file \"%1\". It would hold %2, fewer than the %3 loaded "
                                "and not deleted since; the stored file is left as it was."),
                      {path, itemsText(storing), std::to_string(m_loadedCount - m_deletedCount)});
    if (!m_unsavedBackupPath.empty() && m_unsavedBackupPath == path) {
        std::string old;
        std::string error;
        if (!platform().files().exists(path)) {
            m_unsavedBackupPath.clear(); // nothing stored that could be lost
        } else if (platform().files().readWholeFile(path, old, error) && keepBackup(path, old, error)) {
            m_unsavedBackupPath.clear();
        } else {
            // The items of the earlier file could not be kept anywhere: leave that file in place.
            return error.empty()
                       ? FillIn(
                             Translate("Schedule",
                                       "Cannot create file \"%1\". The earlier file could not be kept as %2"),
                             {path, BackupPath(path, 0)})
                       : FillIn(
                             Translate(
                                 "Schedule",
                                 "Cannot create file \"%1\". The earlier file could not be kept as %2: %3"),
                             {path, BackupPath(path, 0), error});
        }
    }
    const std::string data = WriteScheduleFile(*this, leaveOut);
    std::string error;
    if (!platform().files().writeWholeFile(path, data, error))
        return FillIn(Translate("Schedule", "Cannot create file \"%1\". %2"), {path, error});
    if (!WriteProfileKey(SettingsPath, CountSection, CountKey, std::to_string(storing)))
        return FillIn(Translate("Schedule", "Unable to write to %1"), {SettingsPath});
    return {};
}

} // namespace halvo

#include "Schedule.h"

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

std::string backupPathOf(const std::string& path) {
    return path + ".bak";
}

// Keeps the bytes of a schedule file that could not be read completely, so the next save cannot lose
// the items it still holds.
bool writeBackup(const std::string& path, const std::string& data, std::string& error) {
    return platform().WriteWholeFile(backupPathOf(path), data, error);
}

} // namespace

std::string TScheduleManager::LoadSchedule(const std::string& path) {
    std::string data;
    std::string error;
    if (!platform().ReadWholeFile(path, data, error)) {
        // The file stays as it is; the next save of this path first tries again to keep a copy.
        m_unsavedBackupPath = path;
        return "Cannot open file \"" + path + "\". " + error;
    }
    const long long count = ReadProfileInteger(SettingsPath, CountSection, CountKey);
    ScheduleReader reader(data);
    std::string fault;
    for (long long i = 0; i < count; ++i) {
        // Read into an item of its own and append it only when its record was whole.
        auto item = std::make_unique<TScheduleItem>();
        fault = reader.ReadRecord(*item);
        if (!fault.empty())
            break;
        m_items.push_back(std::move(item));
    }
    // Records beyond the count are not read, but the next save would drop them: keep them too.
    if (fault.empty() && reader.AtEnd())
        return {};
    std::string backupError;
    if (writeBackup(path, data, backupError)) {
        m_unsavedBackupPath.clear();
        m_keptCopyPath = backupPathOf(path);
    } else {
        m_unsavedBackupPath = path;
    }
    return fault;
}

std::string TScheduleManager::SaveSchedule(const std::string& path, const TScheduleItem* leaveOut) {
    if (!m_unsavedBackupPath.empty() && m_unsavedBackupPath == path) {
        std::string old;
        std::string error;
        if (!platform().FileExists(path)) {
            m_unsavedBackupPath.clear(); // nothing stored that could be lost
        } else if (platform().ReadWholeFile(path, old, error) && writeBackup(path, old, error)) {
            m_unsavedBackupPath.clear();
            m_keptCopyPath = backupPathOf(path);
        } else {
            // The items of the earlier file could not be kept anywhere: leave that file in place.
            return "Cannot create file \"" + path + "\". The earlier file could not be kept as " +
                   backupPathOf(path) + (error.empty() ? std::string() : ": " + error);
        }
    }
    const std::string data = WriteScheduleFile(*this, leaveOut);
    std::string error;
    if (!platform().WriteWholeFile(path, data, error))
        return "Cannot create file \"" + path + "\". " + error;
    if (!WriteProfileKey(SettingsPath, CountSection, CountKey,
                         std::to_string(m_items.size() - (IndexOf(leaveOut) >= 0 ? 1 : 0))))
        return "Unable to write to " + SettingsPath;
    return {};
}

} // namespace halvo

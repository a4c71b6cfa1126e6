#pragma once

// The schedule model: the time rule, the schedule item that pairs a task with a rule, and the manager that
// owns the items in order. The item's index in the manager is its row in the Schedule page's list, its
// place in the once-a-second evaluation and its record's place in the schedule file.

#include "DateTime.h"
#include "Tasks.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace halvo {

// TSPTime.Period
enum class TPeriod : std::int32_t { EveryDay = 0, EveryWeek = 1, EveryMonth = 2, Once = 3 };

// TSPTime.CrossState: on which side of the rule's time the clock was last seen.
enum class TCrossState : std::int32_t { NotSeen = 0, Ahead = 1, Passed = 2 };

class TSPTime {
public:
    TPeriod Period = TPeriod::EveryDay; // a stored value outside 0 to 3 is kept as read
    std::int32_t Day = 0;               // EveryWeek: 1 = Sunday ... 7 = Saturday; EveryMonth: 1 to 31
    // The two moments as the schedule file holds them, kept as read so an item writes back byte for byte;
    // the program reads and sets them through the accessors below.
    TDateTime OnceDate = 0;  // only its whole day counts
    TDateTime TimeOfDay = 0; // only its fraction counts
    std::string DisplayText; // composed once by the wizard, never interpreted
    TCrossState CrossState = TCrossState::NotSeen;

    // The calendar day of a Once rule and the second of the day the rule fires at (WallClock.h).
    long long OnceDay() const { return CalendarDayOf(OnceDate); }
    long long TimeOfDaySecond() const { return SecondOfDayOf(TimeOfDay); }
    void SetOnceDay(long long day) { OnceDate = StoredDate(day); }
    void SetTimeOfDaySecond(long long second) { TimeOfDay = StoredTimeOfDay(second); }

    // The due-day rule: whether the rule runs on that calendar day. Never for a Period outside 0 to 3 or a
    // Day that no day has.
    bool DueOn(long long day) const;

    // clock: the local date and time, milliseconds included. True when the clock has passed TimeOfDay
    // (Ahead -> Passed) since the last call, at most once per calendar day; the time of day falling below
    // TimeOfDay again (midnight, a later day, the clock set back) only makes the state Ahead. Updates
    // CrossState before returning.
    bool CheckCrossing(const LocalTime& clock);

    // Forgets what the detector has seen, as for a new rule: the next look only learns the side of the
    // clock. Used when the user has changed the item, so a changed time never fires at once.
    void StartOver();

    // Whether the rule fired in this run on that calendar day.
    bool FiredOn(long long day) const { return m_firedDay == day; }

private:
    // Kept for this run only, never stored: the calendar day of the last look and of the last firing.
    std::optional<long long> m_seenDay;
    std::optional<long long> m_firedDay;
};

class TScheduleItem {
public:
    TScheduleItem() = default;
    TScheduleItem(const TScheduleItem&) = delete;
    TScheduleItem& operator=(const TScheduleItem&) = delete;

    std::unique_ptr<TTask> Task; // absent in a new item until the wizard's task page is passed
    TSPTime TimeRule;
    bool Active = false;
    bool Spare = false;
    std::string ItemName;
    bool DueToday = false;
    // A task code read from a file that no kind has (the catalogue's run 1 to 13): the item has no task,
    // never fires, and is written back with this code so the file round-trips.
    std::optional<std::int32_t> UnknownTaskCode;

    // Makes this item a copy of source: the rule (but its CrossState), a new task of the same kind with the
    // same parameters (only when source has a task), Active, Spare and ItemName. DueToday stays.
    void Assign(const TScheduleItem* source);

    // Sets DueToday from the due-day rule for today's calendar day; a Period outside 0 to 3 leaves it as
    // it was.
    void UpdateDueToday(long long today);
};

class TScheduleManager {
public:
    int Count() const { return int(m_items.size()); }
    TScheduleItem& Item(int index) { return *m_items.at(std::size_t(index)); }
    const TScheduleItem& Item(int index) const { return *m_items.at(std::size_t(index)); }

    // A new empty item appended as the last one.
    TScheduleItem& Add();
    // Destroys the item at index; the later items move up by one.
    void Delete(int index);
    // Deletes every item.
    void Clear();
    // The index of item in the manager, or -1 when it is not (or no longer) one of its items.
    int IndexOf(const TScheduleItem* item) const;

    std::string SettingsPath;
    void SetSettingsPath(const std::string& path) { SettingsPath = path; }

    // How many earlier files are kept beside a schedule file: path + ".bak" (the newest), ".bak.1", ...
    static constexpr int BackupGenerations = 3;
    static std::string BackupPath(const std::string& path, int generation);

    // Reads every whole record of the file at path, appending an item for each. The count in SettingsPath
    // only checks the file: when it is missing or disagrees, the next save sets it right and TakeNotice()
    // says so once. Returns the fault's text, empty on success. After a fault the items read completely
    // stay, the half-read one is dropped, and a copy of the file is kept as the newest backup.
    std::string LoadSchedule(const std::string& path);

    // Writes every item to path (replacing it only once the new file is whole) and the count to
    // SettingsPath. Returns the fault's text, empty on success; on a fault the old file stays. A save that
    // would store fewer items than the load of path brought in, less those deleted since, is refused.
    // leaveOut: an item not to store (one the user is still creating and may yet cancel).
    std::string SaveSchedule(const std::string& path, const TScheduleItem* leaveOut = nullptr);

    // The next save of path first keeps the file found there as the newest backup (a stored schedule that
    // this run never loaded must not be lost by replacing it).
    void KeepCopyAtNextSave(const std::string& path) { m_unsavedBackupPath = path; }

    // What the user should be told about the stored schedule since the last call (a count set right, the
    // copies kept and what each holds), empty when nothing; the caller tells the user once.
    std::string TakeNotice() { return std::exchange(m_notice, {}); }

private:
    bool keepBackup(const std::string& path, const std::string& data, std::string& error);
    void addNotice(const std::string& text);

    std::vector<std::unique_ptr<TScheduleItem>> m_items;
    // A schedule file whose load failed before a copy of it could be kept (or one this run did not load):
    // the next save of that path tries to keep the copy before it replaces the file.
    std::string m_unsavedBackupPath;
    std::string m_notice;
    // The file loaded, how many items it gave and how many items were deleted since: no save may lose
    // items the user did not delete.
    std::string m_loadedPath;
    int m_loadedCount = 0;
    int m_deletedCount = 0;
};

} // namespace halvo

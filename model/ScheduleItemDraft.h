#pragma once

// What the schedule wizard's pages hold, the checks that keep the user on a page, and how each page's part
// goes into the schedule item: the name, the task with its parameter, and the time rule with the text the
// Schedule page shows in its "Time" column. The wizard reads its controls into a draft and shows the
// fault it names; locale-dependent texts (the time, a date) come in already written.

#include "Schedule.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halvo {

// "Close program" and "Execute" both take their parameter from the one line edit.
bool TakesTextParameter(const TaskKind& kind);

class ScheduleItemDraft {
public:
    enum class Step { Name, Task, Time };

    // The name page.
    std::string Name;
    // The task page: the chosen kind (none before one is chosen) and what its parameter controls hold.
    const TaskKind* Kind = nullptr;
    std::string ParameterText;
    std::uint32_t ProcessId = 0;
    std::vector<std::string> MessageLines;
    // The time page: the time of day, as a second of the day and as the locale writes it; the weekday and
    // the day of the month; the date of a Once rule, as a calendar day and as the locale writes it.
    struct DayChoice {
        std::string Text; // as typed or chosen
        int Entry = -1;   // its place in the list (0 for Sunday or the 1st), -1 when the text names none
    };
    long long TimeOfDaySecond = 0;
    std::string TimeText;
    DayChoice Weekday;
    DayChoice MonthDay;
    long long OnceDay = 0;
    std::string OnceDateText;

    // The message that keeps the wizard on step, empty when it may go on.
    std::string Fault(Step step) const;

    // Puts the step's part into item. The time rule follows the period item already has (the period
    // buttons set it as they are clicked); a Period outside 0 to 3 keeps its day and display text.
    void Fill(Step step, TScheduleItem& item) const;

    // The draft that shows item for editing: its name, its task's kind and parameters, its time of day,
    // the list entries of its Day (-1 where the list has none) and its Once day. The texts that the locale
    // writes stay empty; the controls write them.
    static ScheduleItemDraft Of(const TScheduleItem& item);

    // The lines of a multi-line box's text: a last empty line after a line break is no line of its own, so
    // the untouched box (one empty line) holds one line and an emptied one none.
    static std::vector<std::string> LinesOf(std::string_view text);
    // The box's text for lines, which LinesOf reads back as they are.
    static std::string TextOf(const std::vector<std::string>& lines);

private:
    void fillTask(TScheduleItem& item) const;
    void fillTime(TSPTime& rule) const;
};

} // namespace halvo

// The schedule wizard's checks and what each of its pages puts into the item.

#include "model/ScheduleItemDraft.h"
#include "tests/fakes/RecordingUi.h"

#include <gtest/gtest.h>

using namespace halvo;

namespace {

using Step = ScheduleItemDraft::Step;

ScheduleItemDraft draftOf(int taskCode, std::string parameter = "", std::vector<std::string> lines = {}) {
    ScheduleItemDraft draft;
    draft.Name = "Night";
    draft.Kind = KindOfCode(taskCode);
    draft.ParameterText = std::move(parameter);
    draft.MessageLines = std::move(lines);
    return draft;
}

} // namespace

TEST(ScheduleItemDraft, EachStepSaysWhatKeepsTheWizardOnIt) {
    struct Case {
        ScheduleItemDraft draft;
        Step step;
        std::string fault;
    };
    ScheduleItemDraft unnamed = draftOf(1);
    unnamed.Name.clear();
    ScheduleItemDraft blank = draftOf(1);
    blank.Name = "   ";
    const Case cases[] = {
        {unnamed, Step::Name, "Schedule item name is null"},
        {blank, Step::Name, ""},
        {draftOf(0), Step::Task, "select a task"},
        {draftOf(8), Step::Task, "please  select the parameter of the task"},
        {draftOf(3), Step::Task, "please  select the parameter of the task"},
        {draftOf(10), Step::Task, "please inpute the content of message"},
        {draftOf(10, "", {""}), Step::Task, ""}, // one empty line is content
        {draftOf(8, "/bin/true"), Step::Task, ""},
        {draftOf(9), Step::Task, ""},
        {unnamed, Step::Time, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.draft.Fault(c.step), c.fault)
            << "step " << int(c.step) << ", name '" << c.draft.Name << "'";
}

TEST(ScheduleItemDraft, TimePageFillsTheRuleOfTheItemsPeriod) {
    struct Case {
        TPeriod period;
        ScheduleItemDraft::DayChoice weekday;
        ScheduleItemDraft::DayChoice monthDay;
        std::int32_t day;
        std::string displayText;
    };
    const Case cases[] = {
        {TPeriod::EveryDay, {"Friday", 5}, {"9", 8}, 0, "22:30:00:EveryDay"},
        {TPeriod::EveryWeek, {"Friday", 5}, {"9", 8}, 6, "22:30:00:EveryWeek:Friday"},
        {TPeriod::EveryWeek, {"friday", 5}, {"9", 8}, 6, "22:30:00:EveryWeek:friday"},
        {TPeriod::EveryMonth, {"Friday", 5}, {"9", 8}, 9, "22:30:00:EveryMonth:9"},
        // A typed day no entry has: never due, and the text says what was typed.
        {TPeriod::EveryMonth, {"Friday", 5}, {"32", -1}, 0, "22:30:00:EveryMonth:32"},
        {TPeriod::Once, {"Friday", 5}, {"9", 8}, 0, "22:30:00:Once:1 Mar 2027"},
        // A period a damaged file brought in keeps its day and text; only the time is set.
        {static_cast<TPeriod>(7), {"Friday", 5}, {"9", 8}, 0, "as read"},
    };
    for (const Case& c : cases) {
        ScheduleItemDraft draft;
        draft.TimeOfDaySecond = 22 * 3600 + 30 * 60;
        draft.TimeText = "22:30:00";
        draft.Weekday = c.weekday;
        draft.MonthDay = c.monthDay;
        draft.OnceDay = DayOf(WallSecondsOf({.year = 2027, .month = 3, .day = 1}));
        draft.OnceDateText = "1 Mar 2027";
        TScheduleItem item;
        item.TimeRule.Period = c.period;
        item.TimeRule.DisplayText = "as read";
        item.TimeRule.CrossState = TCrossState::Passed;
        draft.Fill(Step::Time, item);
        EXPECT_EQ(item.TimeRule.Day, c.day) << c.displayText;
        EXPECT_EQ(item.TimeRule.DisplayText, c.displayText);
        // The stored values are those the file has always held; the detector's state is not the wizard's.
        EXPECT_EQ(item.TimeRule.TimeOfDay, EncodeTime(22, 30, 0));
        EXPECT_EQ(item.TimeRule.OnceDate, c.period == TPeriod::Once ? EncodeDate(2027, 3, 1) : 0.0);
        EXPECT_EQ(item.TimeRule.CrossState, TCrossState::Passed);
        EXPECT_EQ(item.TimeRule.Period, c.period);
    }
}

TEST(ScheduleItemDraft, TaskPageMakesAFreshTaskWithOnlyItsKindsParameters) {
    RecordingUi recordingUi;
    ScopedUi uiGuard{recordingUi};
    ScheduleItemDraft draft = draftOf(3, "Mail", {"one", "", "three"});
    draft.ProcessId = 3000000000u;
    TScheduleItem item;
    item.UnknownTaskCode = 42;
    draft.Fill(Step::Task, item);
    const TaskParameterValues close = item.Task->Parameters();
    EXPECT_EQ(item.Task->Code, 3);
    EXPECT_EQ(close.Text, "Mail");
    EXPECT_EQ(close.ProcessId, 3000000000u);
    EXPECT_FALSE(item.UnknownTaskCode);

    draft.Kind = KindOfCode(10);
    draft.Fill(Step::Task, item);
    EXPECT_EQ(item.Task->Code, 10);
    EXPECT_EQ(item.Task->Parameters().Lines, (std::vector<std::string>{"one", "", "three"}));
    EXPECT_EQ(item.Task->Parameters().Text, "");

    draft.Kind = nullptr;
    draft.Fill(Step::Task, item);
    EXPECT_EQ(item.Task, nullptr);

    draft.Fill(Step::Name, item);
    EXPECT_EQ(item.ItemName, "Night");
}

TEST(ScheduleItemDraft, LinesAsAMultiLineBoxCountsThem) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"", {}},
        {"\n", {""}},
        {"one", {"one"}},
        {"one\n", {"one"}},
        {"one\n\n", {"one", ""}},
        {"one\ntwo\n\nfour", {"one", "two", "", "four"}},
    };
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(ScheduleItemDraft::LinesOf(text), lines) << '"' << text << '"';
        EXPECT_EQ(ScheduleItemDraft::LinesOf(ScheduleItemDraft::TextOf(lines)), lines) << '"' << text << '"';
    }
}

// Editing shows the item through a draft; passing every page unchanged gives the item back as it was.
TEST(ScheduleItemDraft, AnItemShownAndPassedUnchangedStaysAsItWas) {
    RecordingUi recordingUi;
    ScopedUi uiGuard{recordingUi};
    struct Case {
        int taskCode;
        std::string text;
        std::uint32_t processId;
        std::vector<std::string> lines;
        TPeriod period;
        std::int32_t day;
        int weekdayEntry, monthDayEntry;
    };
    const Case cases[] = {
        {8, "\"/opt/my tools/sync\" --quiet", 0, {}, TPeriod::EveryWeek, 2, 1, 1},
        {10, "", 0, {"Time to go", "", "home"}, TPeriod::EveryMonth, 31, -1, 30},
        {3, "Mail", 3000000000u, {}, TPeriod::Once, 0, -1, -1},
        {9, "", 0, {}, TPeriod::EveryMonth, 32, -1, -1},
        {1, "", 0, {}, TPeriod::EveryDay, 7, 6, 6},
    };
    for (const Case& c : cases) {
        TScheduleItem item;
        item.ItemName = "Night";
        item.Task = TaskFromCode(c.taskCode);
        TaskParameterValues values;
        values.Text = c.text;
        values.ProcessId = c.processId;
        values.Lines = c.lines;
        item.Task->SetParameters(values);
        item.TimeRule.Period = c.period;
        item.TimeRule.Day = c.day;
        item.TimeRule.SetTimeOfDaySecond(22 * 3600 + 30 * 60 + 15);
        item.TimeRule.SetOnceDay(DayOf(WallSecondsOf({.year = 2027, .month = 2, .day = 14})));
        const ScheduleItemDraft shown = ScheduleItemDraft::Of(item);
        EXPECT_EQ(shown.Weekday.Entry, c.weekdayEntry) << c.taskCode;
        EXPECT_EQ(shown.MonthDay.Entry, c.monthDayEntry) << c.taskCode;

        TScheduleItem edited;
        edited.TimeRule.Period = c.period;
        edited.TimeRule.Day = c.day;
        for (Step step : {Step::Name, Step::Task, Step::Time})
            shown.Fill(step, edited);
        EXPECT_EQ(edited.ItemName, "Night");
        EXPECT_EQ(edited.Task->Code, c.taskCode);
        EXPECT_EQ(edited.Task->Parameters().Text, item.Task->Parameters().Text);
        EXPECT_EQ(edited.Task->Parameters().ProcessId, item.Task->Parameters().ProcessId);
        EXPECT_EQ(edited.Task->Parameters().Lines, item.Task->Parameters().Lines);
        EXPECT_EQ(edited.TimeRule.TimeOfDay, item.TimeRule.TimeOfDay);
        // A day no list entry has comes back as no day, never due; any other comes back as it was.
        const bool listed = c.period == TPeriod::EveryWeek    ? c.weekdayEntry >= 0
                            : c.period == TPeriod::EveryMonth ? c.monthDayEntry >= 0
                                                              : true;
        EXPECT_EQ(edited.TimeRule.Day, listed ? c.day : 0) << c.taskCode;
        if (c.period == TPeriod::Once) {
            EXPECT_EQ(edited.TimeRule.OnceDate, item.TimeRule.OnceDate);
        }
    }
}

#include "ScheduleItemDraft.h"
#include "platform/Translate.h"

namespace halvo {

bool TakesTextParameter(const TaskKind& kind) {
    return kind.Parameters == TaskParameterKind::Window || kind.Parameters == TaskParameterKind::CommandLine;
}

std::string ScheduleItemDraft::Fault(Step step) const {
    switch (step) {
    case Step::Name:
        return Name.empty() ? Translate("halvo::TFormSchWizard", "Schedule item name is null") : "";
    case Step::Task:
        if (!Kind)
            return Translate("halvo::TFormSchWizard", "select a task");
        if (TakesTextParameter(*Kind) && ParameterText.empty())
            return Translate("halvo::TFormSchWizard", "please  select the parameter of the task");
        if (Kind->Parameters == TaskParameterKind::MessageLines && MessageLines.empty())
            return Translate("halvo::TFormSchWizard", "please inpute the content of message");
        return "";
    case Step::Time:
        return "";
    }
    return "";
}

void ScheduleItemDraft::Fill(Step step, TScheduleItem& item) const {
    switch (step) {
    case Step::Name:
        item.ItemName = Name;
        break;
    case Step::Task:
        fillTask(item);
        break;
    case Step::Time:
        fillTime(item.TimeRule);
        break;
    }
}

void ScheduleItemDraft::fillTask(TScheduleItem& item) const {
    // Always a new task, so nothing of the kind chosen before stays behind.
    item.Task.reset();
    if (!Kind)
        return;
    TaskParameterValues values;
    values.Text = ParameterText;
    values.ProcessId = ProcessId;
    values.Lines = MessageLines;
    item.Task = Kind->Create();
    item.Task->SetParameters(values);
    item.UnknownTaskCode.reset();
}

void ScheduleItemDraft::fillTime(TSPTime& rule) const {
    rule.SetTimeOfDaySecond(TimeOfDaySecond);
    switch (rule.Period) {
    case TPeriod::EveryDay:
        rule.DisplayText = TimeText + ":EveryDay";
        break;
    case TPeriod::EveryWeek:
        rule.Day = Weekday.Entry + 1;
        rule.DisplayText = TimeText + ":EveryWeek:" + Weekday.Text;
        break;
    case TPeriod::EveryMonth:
        rule.Day = MonthDay.Entry + 1;
        rule.DisplayText = TimeText + ":EveryMonth:" + MonthDay.Text;
        break;
    case TPeriod::Once:
        rule.SetOnceDay(OnceDay);
        rule.DisplayText = TimeText + ":Once:" + OnceDateText;
        break;
    default:
        break;
    }
}

ScheduleItemDraft ScheduleItemDraft::Of(const TScheduleItem& item) {
    ScheduleItemDraft draft;
    draft.Name = item.ItemName;
    if (item.Task) {
        draft.Kind = KindOfCode(item.Task->Code);
        TaskParameterValues values = item.Task->Parameters();
        draft.ParameterText = std::move(values.Text);
        draft.ProcessId = values.ProcessId;
        draft.MessageLines = std::move(values.Lines);
    }
    const TSPTime& rule = item.TimeRule;
    draft.TimeOfDaySecond = rule.TimeOfDaySecond();
    draft.Weekday.Entry = rule.Day >= 1 && rule.Day <= 7 ? rule.Day - 1 : -1;
    draft.MonthDay.Entry = rule.Day >= 1 && rule.Day <= 31 ? rule.Day - 1 : -1;
    draft.OnceDay = rule.OnceDay();
    return draft;
}

std::vector<std::string> ScheduleItemDraft::LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    if (lines.back().empty())
        lines.pop_back();
    return lines;
}

std::string ScheduleItemDraft::TextOf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

} // namespace halvo

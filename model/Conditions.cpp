#include "Conditions.h"

#include "platform/Translate.h"

#include <algorithm>
#include <charconv>

namespace halvo {

namespace {

using Kind = ConditionKind;
using Field = ConditionFieldKind;
using Read = ConditionReading;

constexpr const char* MinutesRefusal =
    HALVO_TRANSLATE_NOOP("Conditions", "minutes must be 1m to 24h, like 30m or 2h");
constexpr ConditionField QuietMinutes{Field::Minutes, MaxConditionMinutes,
                                      HALVO_TRANSLATE_NOOP("Conditions", "min"), "5", MinutesRefusal};

// clang-format off
const ConditionRow Table[] = {
    {Kind::ProgramExits, "exit",
     {{{Field::Program, 0, "", "", HALVO_TRANSLATE_NOOP("Conditions", "the program's name or process id is missing (exit:NAME or exit:PID)")}}},
     "", "exit:NAME, exit:PID", HALVO_TRANSLATE_NOOP("Conditions", "every process running the program NAME, or the\nprocess PID, has ended"),
     HALVO_TRANSLATE_NOOP("Conditions", "the program exits"), HALVO_TRANSLATE_NOOP("Conditions", "when {1} exits"), Read::ProcessEnds, false},
    {Kind::UserIdle, "idle",
     {{{Field::Minutes, MaxConditionMinutes, HALVO_TRANSLATE_NOOP("Conditions", "min"), "30", MinutesRefusal}}},
     HALVO_TRANSLATE_NOOP("Conditions", "idle:MINUTES, like idle:30m"), "idle:30m", HALVO_TRANSLATE_NOOP("Conditions", "no keyboard or mouse input for 30 minutes"),
     HALVO_TRANSLATE_NOOP("Conditions", "the user is idle for"), HALVO_TRANSLATE_NOOP("Conditions", "when the user is idle for {1} min"), Read::UserIdle, false},
    {Kind::ProcessorBelow, "cpu",
     {{{Field::Percent, 100, "%", "10", HALVO_TRANSLATE_NOOP("Conditions", "the processor's percent must be 1% to 100%")}, QuietMinutes}},
     HALVO_TRANSLATE_NOOP("Conditions", "cpu:PERCENT%:MINUTES, like cpu:10%:5m"), "cpu:10%:5m", HALVO_TRANSLATE_NOOP("Conditions", "the processor below 10% for 5 minutes"),
     HALVO_TRANSLATE_NOOP("Conditions", "the processor is below"), HALVO_TRANSLATE_NOOP("Conditions", "when the processor is below {1}% for {2} min"), Read::ProcessorTimes, true},
    {Kind::NetworkBelow, "net",
     {{{Field::Rate, MaxKilobytesPerSecond, HALVO_TRANSLATE_NOOP("Conditions", "KB/s"), "50",
        HALVO_TRANSLATE_NOOP("Conditions", "the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M")}, QuietMinutes}},
     HALVO_TRANSLATE_NOOP("Conditions", "net:RATE:MINUTES, like net:50k:5m or net:2M:5m"), "net:50k:5m, net:2M:5m",
     HALVO_TRANSLATE_NOOP("Conditions", "the network below 50 KB/s or 2 MB/s for 5 minutes"),
     HALVO_TRANSLATE_NOOP("Conditions", "the network is below"), HALVO_TRANSLATE_NOOP("Conditions", "when the network is below {1} KB/s for {2} min"), Read::NetworkBytes, true},
    {Kind::BatteryBelow, "battery",
     {{{Field::Percent, 99, "%", "15", HALVO_TRANSLATE_NOOP("Conditions", "the battery's percent must be 1% to 99%")}}},
     HALVO_TRANSLATE_NOOP("Conditions", "battery:PERCENT%, like battery:15%"), "battery:15%", HALVO_TRANSLATE_NOOP("Conditions", "on battery, at 15% or less"),
     HALVO_TRANSLATE_NOOP("Conditions", "the battery is below"), HALVO_TRANSLATE_NOOP("Conditions", "when the battery is below {1}%"), Read::PowerSource, false},
};
// clang-format on

const ConditionRow* rowOfWord(std::string_view word) {
    for (const ConditionRow& row : Table)
        if (word == row.word)
            return &row;
    return nullptr;
}

// A whole decimal number of at most ten digits, so no limit check below can overflow.
std::optional<std::int64_t> number(std::string_view text) {
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::optional<std::int64_t> within(std::optional<std::int64_t> value, std::int64_t highest) {
    return value && *value >= 1 && *value <= highest ? value : std::nullopt;
}

// "30m", "2h", "1h30m".
std::optional<std::int64_t> minutesOf(std::string_view text, std::int64_t highest) {
    std::int64_t total = 0;
    const std::size_t h = text.find('h');
    if (h != std::string_view::npos) {
        const auto hours = number(text.substr(0, h));
        if (!hours)
            return std::nullopt;
        total = *hours * 60;
        text.remove_prefix(h + 1);
        if (text.empty())
            return within(total, highest);
    }
    if (text.size() < 2 || text.back() != 'm')
        return std::nullopt;
    const auto minutes = number(text.substr(0, text.size() - 1));
    return minutes ? within(total + *minutes, highest) : std::nullopt;
}

std::optional<std::int64_t> percentOf(std::string_view text, std::int64_t highest) {
    if (text.ends_with('%'))
        text.remove_suffix(1);
    return within(number(text), highest);
}

std::optional<std::int64_t> rateOf(std::string_view text, std::int64_t highest) {
    std::int64_t factor = 1;
    if (text.ends_with('k') || text.ends_with('K')) {
        text.remove_suffix(1);
    } else if (text.ends_with('M')) {
        factor = 1024;
        text.remove_suffix(1);
    }
    const auto value = number(text);
    return value ? within(*value * factor, highest) : std::nullopt;
}

// A number field as the command line writes it.
std::optional<std::int64_t> commandLineValue(const ConditionField& field, std::string_view text) {
    switch (field.kind) {
    case Field::Minutes:
        return minutesOf(text, field.highest);
    case Field::Percent:
        return percentOf(text, field.highest);
    case Field::Rate:
        return rateOf(text, field.highest);
    case Field::None:
    case Field::Program:
        break;
    }
    return std::nullopt;
}

// What the text form writes after a number field's value, and what the page's unit stands for.
const char* suffixOf(Field kind) {
    return kind == Field::Minutes ? "m" : kind == Field::Percent ? "%" : kind == Field::Rate ? "k" : "";
}

std::int64_t numberOf(const ConditionSpec& spec, Field kind) {
    return kind == Field::Minutes   ? spec.minutes
           : kind == Field::Percent ? spec.percent
           : kind == Field::Rate    ? spec.kilobytesPerSecond
                                    : 0;
}

void setNumber(ConditionSpec& spec, Field kind, std::int64_t value) {
    if (kind == Field::Minutes)
        spec.minutes = std::int32_t(value);
    else if (kind == Field::Percent)
        spec.percent = std::int32_t(value);
    else if (kind == Field::Rate)
        spec.kilobytesPerSecond = value;
}

// The program by name or by process id; false with the reason when the text is neither.
bool readProgram(std::string_view name, const ConditionField& field, ConditionSpec& spec,
                 std::string& reason) {
    if (name.empty()) {
        reason = Translate("Conditions", field.refusal);
        return false;
    }
    if (name.find_first_not_of("0123456789") == std::string_view::npos) {
        const std::string_view digits = name.substr(std::min(name.find_first_not_of('0'), name.size()));
        const auto id = digits.empty() ? std::optional<std::int64_t>(0) : number(digits);
        if (!id || *id < 1 || *id > 0xFFFFFFFFll) {
            reason = Translate("Conditions", "the process id must be 1 to 4294967295");
            return false;
        }
        spec.processId = std::uint32_t(*id);
        return true;
    }
    if (name.find_first_of("/\\") != std::string_view::npos) {
        reason = Translate("Conditions", "the program's name goes without its folder");
        return false;
    }
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7f) {
            reason = Translate("Conditions", "the program's name holds a control character");
            return false;
        }
    spec.program = std::string(name);
    return true;
}

std::vector<std::string_view> fields(std::string_view text) {
    std::vector<std::string_view> result;
    while (true) {
        const std::size_t colon = text.find(':');
        result.push_back(text.substr(0, colon));
        if (colon == std::string_view::npos)
            return result;
        text.remove_prefix(colon + 1);
    }
}

// The text as given, kept to one line for the error that names it.
std::string shown(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if ((unsigned char)c < 0x20 || c == 0x7f)
            c = '?';
    return line;
}

std::optional<ConditionSpec> refused(std::string_view text, const std::string& reason, std::string& error) {
    error = FillIn(Translate("Conditions", "bad condition '%1': %2"), {shown(text), reason});
    return std::nullopt;
}

} // namespace

std::span<const ConditionRow> ConditionTable() {
    return Table;
}

const ConditionRow& RowOf(ConditionKind kind) {
    for (const ConditionRow& row : Table)
        if (row.kind == kind)
            return row;
    return Table[0];
}

const std::string& ConditionForms() {
    static const std::string forms = [] {
        std::string text;
        for (const ConditionRow& row : Table)
            text += (text.empty() ? "" : ", ") + std::string(row.forms);
        return text;
    }();
    return forms;
}

std::string ConditionHelpLines() {
    const std::string indent(26, ' '), wordsIndent(48, ' ');
    std::string text;
    for (const ConditionRow& row : Table) {
        std::string forms = row.forms;
        forms.resize(std::max<std::size_t>(forms.size() + 1, wordsIndent.size() - indent.size()), ' ');
        text += indent + forms;
        const std::string help = Translate("Conditions", row.help);
        for (const char* c = help.c_str(); *c; ++c)
            text += *c == '\n' ? "\n" + wordsIndent : std::string(1, *c);
        text += '\n';
    }
    return text;
}

std::optional<ConditionSpec> ParseCondition(std::string_view text, std::string& error) {
    const std::vector<std::string_view> parts = fields(text);
    const ConditionRow* row = rowOfWord(parts[0]);
    if (!row) {
        error = FillIn(Translate("Conditions", "unknown condition '%1' (one of %2)"),
                       {shown(text), ConditionForms()});
        return std::nullopt;
    }
    ConditionSpec spec;
    spec.kind = row->kind;
    std::string reason;
    if (row->fields[0].kind == Field::Program) {
        // Everything after the word's colon is the name: a program file's name may hold a colon.
        const std::string_view name =
            parts.size() > 1 ? text.substr(parts[0].size() + 1) : std::string_view();
        return readProgram(name, row->fields[0], spec, reason) ? std::optional(spec)
                                                               : refused(text, reason, error);
    }
    if (parts.size() != 1 + row->fieldCount())
        return refused(text,
                       FillIn(Translate("Conditions", "expected %1"), {Translate("Conditions", row->shape)}),
                       error);
    for (std::size_t i = 0; i < row->fieldCount(); ++i) {
        const ConditionField& field = row->fields[i];
        const auto value = commandLineValue(field, parts[i + 1]);
        if (!value)
            return refused(text, Translate("Conditions", field.refusal), error);
        setNumber(spec, field.kind, *value);
    }
    return spec;
}

std::optional<ConditionSpec> ConditionFromFields(ConditionKind kind, std::span<const std::string> values,
                                                 std::string& error) {
    const ConditionRow& row = RowOf(kind);
    const auto valueAt = [values](std::size_t i) { return i < values.size() ? values[i] : std::string(); };
    std::string text = row.word; // the condition as the command line writes it, to name it in an error
    for (std::size_t i = 0; i < row.fieldCount(); ++i)
        text += ":" + valueAt(i) + suffixOf(row.fields[i].kind);
    ConditionSpec spec;
    spec.kind = kind;
    for (std::size_t i = 0; i < row.fieldCount(); ++i) {
        const ConditionField& field = row.fields[i];
        std::string reason;
        if (field.kind == Field::Program) {
            if (!readProgram(valueAt(i), field, spec, reason))
                return refused(text, reason, error);
            continue;
        }
        const auto value = within(number(valueAt(i)), field.highest);
        if (!value)
            return refused(text, Translate("Conditions", field.refusal), error);
        setNumber(spec, field.kind, *value);
    }
    return spec;
}

std::string FieldValueText(const ConditionSpec& spec, std::size_t field) {
    const ConditionRow& row = RowOf(spec.kind);
    if (field >= row.fieldCount())
        return {};
    if (row.fields[field].kind == Field::Program)
        return spec.program.empty() ? std::to_string(spec.processId) : spec.program;
    return std::to_string(numberOf(spec, row.fields[field].kind));
}

std::string ConditionText(const ConditionSpec& spec) {
    const ConditionRow& row = RowOf(spec.kind);
    std::string text = row.word;
    for (std::size_t i = 0; i < row.fieldCount(); ++i)
        text += ":" + FieldValueText(spec, i) + suffixOf(row.fields[i].kind);
    return text;
}

std::string DescribeCondition(const ConditionSpec& spec) {
    const ConditionRow& row = RowOf(spec.kind);
    std::string text;
    const std::string description = Translate("Conditions", row.description);
    for (std::string_view rest = description; !rest.empty();) {
        const bool placeholder =
            rest.size() >= 3 && rest[0] == '{' && (rest[1] == '1' || rest[1] == '2') && rest[2] == '}';
        if (!placeholder) {
            text += rest[0];
            rest.remove_prefix(1);
            continue;
        }
        const std::size_t field = std::size_t(rest[1] - '1');
        if (row.fields[field].kind != Field::Program)
            text += FieldValueText(spec, field);
        else
            text += spec.program.empty()
                        ? FillIn(Translate("Conditions", "the process %1"), {std::to_string(spec.processId)})
                        : FillIn(Translate("Conditions", "the program %1"), {spec.program});
        rest.remove_prefix(3);
    }
    return text;
}

std::string DescribeConditions(const std::vector<ConditionSpec>& specs) {
    std::string text;
    for (const ConditionSpec& spec : specs)
        text = text.empty() ? DescribeCondition(spec)
                            : FillIn(Translate("Conditions", "%1 and %2"), {text, DescribeCondition(spec)});
    return text;
}

std::span<const ConditionKind> ConditionKinds() {
    static const std::vector<ConditionKind> kinds = [] {
        std::vector<ConditionKind> list;
        for (const ConditionRow& row : Table)
            list.push_back(row.kind);
        return list;
    }();
    return kinds;
}

const char* ConditionChoiceText(ConditionKind kind) {
    return RowOf(kind).choiceText;
}

} // namespace halvo

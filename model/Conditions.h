#pragma once

// The conditions an action can wait for instead of a time: a program that exits, a user who is away, a
// processor or a network gone quiet, a battery running low. Their text form is what `--when` takes and what
// the running copy receives over its socket; their descriptions are what the tray and --status show.
//
// Each kind is one row of one table (Conditions.cpp): its command-line word, its fields with their limits,
// its texts, the General page's defaults and what it is read from. Parsing, the text form, the descriptions,
// the page's fields and the choice of reading all go by the row.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace halvo {

enum class ConditionKind { ProgramExits, UserIdle, ProcessorBelow, NetworkBelow, BatteryBelow };

struct ConditionSpec {
    ConditionKind kind = ConditionKind::ProgramExits;
    std::string program;                 // ProgramExits by name: the program file's name without its folder
    std::uint32_t processId = 0;         // ProgramExits by process id, when program is empty
    std::int32_t minutes = 0;            // UserIdle, ProcessorBelow, NetworkBelow: 1 to 1440
    std::int32_t percent = 0;            // ProcessorBelow: 1 to 100; BatteryBelow: 1 to 99
    std::int64_t kilobytesPerSecond = 0; // NetworkBelow, 1 KB = 1024 bytes

    bool operator==(const ConditionSpec&) const = default;
};

inline constexpr std::int32_t MaxConditionMinutes = 24 * 60;
inline constexpr std::int64_t MaxKilobytesPerSecond = 10 * 1024 * 1024; // 10 GB/s

// What a condition is read from: one of the Activity's intents.
enum class ConditionReading { ProcessEnds, UserIdle, ProcessorTimes, NetworkBytes, PowerSource };

// The kinds of value a field holds, each kept in its own member of ConditionSpec.
enum class ConditionFieldKind {
    None,
    Program, // program or processId; takes the rest of the text, colons and all
    Minutes, // minutes: "30m", "2h", "1h30m" on the command line, whole minutes on the page
    Percent, // percent: "15%" or "15"
    Rate,    // kilobytesPerSecond: "50k", "50", "2M"
};

struct ConditionField {
    ConditionFieldKind kind = ConditionFieldKind::None;
    std::int64_t highest = 0;     // the values run from 1 to this (none for a program)
    const char* unit = "";        // beside the page's edit
    const char* pageDefault = ""; // the page's value when the kind is chosen
    const char* refusal = "";     // why a value is refused
};

struct ConditionRow {
    ConditionKind kind;
    const char* word; // the command line's word before the first colon
    std::array<ConditionField, 2> fields;
    const char* shape;      // what a text with too many or too few fields is told it should be
    const char* forms;      // the examples that --help and the errors list
    const char* help;       // --help's words for them; a line break continues under the first line
    const char* choiceText; // the General page's choice list
    // The description, with {1} and {2} for the fields: a number, or "the program NAME", "the process PID".
    const char* description;
    ConditionReading reading;
    // Read from counters that only grow, judged over a window of minutes: such a reading can be sampled off
    // the interface thread when the system allows.
    bool counter;

    std::size_t fieldCount() const { return fields[1].kind != ConditionFieldKind::None ? 2 : 1; }
};

// Every kind, in the order of the page's choice list.
std::span<const ConditionRow> ConditionTable();
const ConditionRow& RowOf(ConditionKind kind);

// "exit:NAME", "exit:PID", "idle:30m", "cpu:10%:5m", "net:50k:5m", "net:2M:5m", "battery:15%". Minutes as
// "30m", "2h" or "1h30m"; the percent sign may be left out (a Windows batch file has to double it); a rate
// is KB/s with "k" or none, MB/s with "M". Nothing, with a one-line error naming the text, for anything
// else.
std::optional<ConditionSpec> ParseCondition(std::string_view text, std::string& error);

// The condition of kind from the General page's fields, in the row's order: whole numbers in the units the
// page shows beside them, or the program. Refused as the command line would refuse the same condition,
// with the error naming it in its text form.
std::optional<ConditionSpec> ConditionFromFields(ConditionKind kind, std::span<const std::string> values,
                                                 std::string& error);
// The field's value as the page shows it: the number, or the program's name or process id; empty beyond the
// row's fields.
std::string FieldValueText(const ConditionSpec& spec, std::size_t field);

// The text form back, which ParseCondition reads into the same condition ("net:2048k:5m" for 2M, "idle:120m"
// for 2h).
std::string ConditionText(const ConditionSpec& spec);

// "when the network is below 50 KB/s for 5 min"; several, all of which must hold, joined with " and ".
std::string DescribeCondition(const ConditionSpec& spec);
std::string DescribeConditions(const std::vector<ConditionSpec>& specs);

// The choice list's texts, in list order: "the program exits", "the user is idle for", ...
std::span<const ConditionKind> ConditionKinds();
const char* ConditionChoiceText(ConditionKind kind);

// The forms for --help and error texts: "exit:NAME, exit:PID, idle:30m, ...".
const std::string& ConditionForms();
// --help's lines of the forms, each with its words.
std::string ConditionHelpLines();

} // namespace halvo

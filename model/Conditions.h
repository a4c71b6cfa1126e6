#pragma once

// The conditions an action can wait for instead of a time: a program that exits, a user who is away, a
// processor or a network gone quiet, a battery running low. Their text form is what `--when` takes and what
// the running copy receives over its socket; their descriptions are what the tray and --status show.

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

// "exit:NAME", "exit:PID", "idle:30m", "cpu:10%:5m", "net:50k:5m", "net:2M:5m", "battery:15%". Minutes as
// "30m", "2h" or "1h30m"; the percent sign may be left out (a Windows batch file has to double it); a rate
// is KB/s with "k" or none, MB/s with "M". Nothing, with a one-line error naming the text, for anything
// else.
std::optional<ConditionSpec> ParseCondition(std::string_view text, std::string& error);

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
const char* ConditionForms();

} // namespace halvo

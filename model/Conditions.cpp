#include "Conditions.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace halvo {

namespace {

using Kind = ConditionKind;

constexpr std::array<Kind, 5> Kinds = {Kind::ProgramExits, Kind::UserIdle, Kind::ProcessorBelow,
                                       Kind::NetworkBelow, Kind::BatteryBelow};

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

// "30m", "2h", "1h30m".
std::optional<std::int32_t> minutesOf(std::string_view text) {
    std::int64_t total = 0;
    const std::size_t h = text.find('h');
    if (h != std::string_view::npos) {
        const auto hours = number(text.substr(0, h));
        if (!hours)
            return std::nullopt;
        total = *hours * 60;
        text.remove_prefix(h + 1);
        if (text.empty())
            return total >= 1 && total <= MaxConditionMinutes ? std::optional<std::int32_t>(total)
                                                              : std::nullopt;
    }
    if (text.size() < 2 || text.back() != 'm')
        return std::nullopt;
    const auto minutes = number(text.substr(0, text.size() - 1));
    if (!minutes)
        return std::nullopt;
    total += *minutes;
    if (total < 1 || total > MaxConditionMinutes)
        return std::nullopt;
    return std::int32_t(total);
}

std::optional<std::int32_t> percentOf(std::string_view text, std::int32_t highest) {
    if (text.ends_with('%'))
        text.remove_suffix(1);
    const auto value = number(text);
    if (!value || *value < 1 || *value > highest)
        return std::nullopt;
    return std::int32_t(*value);
}

std::optional<std::int64_t> rateOf(std::string_view text) {
    std::int64_t factor = 1;
    if (text.ends_with('k') || text.ends_with('K')) {
        text.remove_suffix(1);
    } else if (text.ends_with('M')) {
        factor = 1024;
        text.remove_suffix(1);
    }
    const auto value = number(text);
    if (!value || *value < 1 || *value * factor > MaxKilobytesPerSecond)
        return std::nullopt;
    return *value * factor;
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

} // namespace

const char* ConditionForms() {
    return "exit:NAME, exit:PID, idle:30m, cpu:10%:5m, net:50k:5m, net:2M:5m, battery:15%";
}

std::optional<ConditionSpec> ParseCondition(std::string_view text, std::string& error) {
    const std::string quoted = "bad condition '" + shown(text) + "': ";
    const auto fail = [&error](std::string reason) -> std::optional<ConditionSpec> {
        error = std::move(reason);
        return std::nullopt;
    };
    const std::vector<std::string_view> parts = fields(text);
    const std::string_view word = parts[0];
    ConditionSpec spec;
    if (word == "exit") {
        spec.kind = Kind::ProgramExits;
        // Everything after "exit:" is the name: a program file's name may hold a colon.
        const std::string_view name = parts.size() > 1 ? text.substr(5) : std::string_view();
        if (name.empty())
            return fail(quoted + "the program's name or process id is missing (exit:NAME or exit:PID)");
        if (name.find_first_not_of("0123456789") == std::string_view::npos) {
            const std::string_view digits = name.substr(std::min(name.find_first_not_of('0'), name.size()));
            const auto id = digits.empty() ? std::optional<std::int64_t>(0) : number(digits);
            if (!id || *id < 1 || *id > 0xFFFFFFFFll)
                return fail(quoted + "the process id must be 1 to 4294967295");
            spec.processId = std::uint32_t(*id);
            return spec;
        }
        if (name.find_first_of("/\\") != std::string_view::npos)
            return fail(quoted + "the program's name goes without its folder");
        for (unsigned char c : name)
            if (c < 0x20 || c == 0x7f)
                return fail(quoted + "the program's name holds a control character");
        spec.program = std::string(name);
        return spec;
    }
    if (word == "idle") {
        spec.kind = Kind::UserIdle;
        if (parts.size() != 2)
            return fail(quoted + "expected idle:MINUTES, like idle:30m");
        const auto minutes = minutesOf(parts[1]);
        if (!minutes)
            return fail(quoted + "minutes must be 1m to 24h, like 30m or 2h");
        spec.minutes = *minutes;
        return spec;
    }
    if (word == "cpu" || word == "net") {
        const bool processor = word == "cpu";
        spec.kind = processor ? Kind::ProcessorBelow : Kind::NetworkBelow;
        if (parts.size() != 3)
            return fail(quoted + (processor ? "expected cpu:PERCENT%:MINUTES, like cpu:10%:5m"
                                            : "expected net:RATE:MINUTES, like net:50k:5m or net:2M:5m"));
        if (processor) {
            const auto percent = percentOf(parts[1], 100);
            if (!percent)
                return fail(quoted + "the processor's percent must be 1% to 100%");
            spec.percent = *percent;
        } else {
            const auto rate = rateOf(parts[1]);
            if (!rate)
                return fail(quoted + "the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M");
            spec.kilobytesPerSecond = *rate;
        }
        const auto minutes = minutesOf(parts[2]);
        if (!minutes)
            return fail(quoted + "minutes must be 1m to 24h, like 30m or 2h");
        spec.minutes = *minutes;
        return spec;
    }
    if (word == "battery") {
        spec.kind = Kind::BatteryBelow;
        if (parts.size() != 2)
            return fail(quoted + "expected battery:PERCENT%, like battery:15%");
        const auto percent = percentOf(parts[1], 99);
        if (!percent)
            return fail(quoted + "the battery's percent must be 1% to 99%");
        spec.percent = *percent;
        return spec;
    }
    return fail("unknown condition '" + shown(text) + "' (one of " + ConditionForms() + ")");
}

std::string ConditionText(const ConditionSpec& spec) {
    const std::string minutes = std::to_string(spec.minutes) + "m";
    switch (spec.kind) {
    case Kind::ProgramExits:
        return "exit:" + (spec.program.empty() ? std::to_string(spec.processId) : spec.program);
    case Kind::UserIdle:
        return "idle:" + minutes;
    case Kind::ProcessorBelow:
        return "cpu:" + std::to_string(spec.percent) + "%:" + minutes;
    case Kind::NetworkBelow:
        return "net:" + std::to_string(spec.kilobytesPerSecond) + "k:" + minutes;
    case Kind::BatteryBelow:
        return "battery:" + std::to_string(spec.percent) + "%";
    }
    return {};
}

std::string DescribeCondition(const ConditionSpec& spec) {
    const std::string window = " for " + std::to_string(spec.minutes) + " min";
    switch (spec.kind) {
    case Kind::ProgramExits:
        return spec.program.empty() ? "when the process " + std::to_string(spec.processId) + " exits"
                                    : "when the program " + spec.program + " exits";
    case Kind::UserIdle:
        return "when the user is idle" + window;
    case Kind::ProcessorBelow:
        return "when the processor is below " + std::to_string(spec.percent) + "%" + window;
    case Kind::NetworkBelow:
        return "when the network is below " + std::to_string(spec.kilobytesPerSecond) + " KB/s" + window;
    case Kind::BatteryBelow:
        return "when the battery is below " + std::to_string(spec.percent) + "%";
    }
    return {};
}

std::string DescribeConditions(const std::vector<ConditionSpec>& specs) {
    std::string text;
    for (const ConditionSpec& spec : specs)
        text += (text.empty() ? "" : " and ") + DescribeCondition(spec);
    return text;
}

std::span<const ConditionKind> ConditionKinds() {
    return Kinds;
}

const char* ConditionChoiceText(ConditionKind kind) {
    switch (kind) {
    case Kind::ProgramExits:
        return "the program exits";
    case Kind::UserIdle:
        return "the user is idle for";
    case Kind::ProcessorBelow:
        return "the processor is below";
    case Kind::NetworkBelow:
        return "the network is below";
    case Kind::BatteryBelow:
        return "the battery is below";
    }
    return "";
}

} // namespace halvo

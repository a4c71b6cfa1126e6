#include "CommandLine.h"

#include "Tasks.h"
#include "WallClock.h"
#include "platform/Translate.h"

#include <charconv>
#include <limits>

namespace halvo {

namespace {

using Verb = CommandRequest::Verb;

bool allDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// A whole decimal number of at most ten significant digits: every delay fits, and hours, minutes and
// seconds of that size cannot overflow when they are added up.
std::optional<long long> number(std::string_view text) {
    if (!allDigits(text))
        return std::nullopt;
    const std::size_t first = text.find_first_not_of('0');
    if (first != std::string_view::npos && text.size() - first > 10)
        return std::nullopt;
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The one rule for a delay, whether the command line reads it or the running copy receives it: a whole
// number of seconds the armed action's counter can hold.
std::optional<std::int32_t> delay(long long seconds) {
    if (seconds <= 0 || seconds > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(seconds);
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> result;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t blank = line.find(' ', at);
        const std::size_t end = blank == std::string_view::npos ? line.size() : blank;
        result.push_back(line.substr(at, end - at));
        at = end + 1;
        if (blank == std::string_view::npos)
            break;
    }
    return result;
}

const TaskKind* commandKind(std::int32_t code) {
    const TaskKind* kind = KindOfCode(code);
    return kind && kind->CommandName ? kind : nullptr;
}

// A condition's text as one word of the request line: a program's name may hold spaces.
std::string escaped(const std::string& text) {
    std::string word;
    for (char c : text) {
        if (c == '\\')
            word += "\\\\";
        else if (c == ' ')
            word += "\\s";
        else
            word += c;
    }
    return word;
}

std::optional<std::string> unescaped(std::string_view word) {
    std::string text;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] != '\\') {
            text += word[i];
            continue;
        }
        if (++i == word.size() || (word[i] != '\\' && word[i] != 's'))
            return std::nullopt;
        text += word[i] == 's' ? ' ' : '\\';
    }
    return text;
}

std::string taskNames() {
    std::string names;
    for (const TaskKind& kind : TaskCatalogue()) {
        if (!kind.CommandName)
            continue;
        names += names.empty() ? "" : ", ";
        names += kind.CommandName;
    }
    return names;
}

} // namespace

std::optional<std::int32_t> ParseDuration(std::string_view text) {
    constexpr char units[] = {'h', 'm', 's'};
    constexpr long long factors[] = {3600, 60, 1};
    long long total = 0;
    std::size_t nextUnit = 0;
    std::size_t at = 0;
    if (text.empty())
        return std::nullopt;
    while (at < text.size()) {
        std::size_t end = at;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9')
            ++end;
        if (end == text.size())
            return std::nullopt; // a number without its unit
        const auto value = number(text.substr(at, end - at));
        if (!value)
            return std::nullopt;
        std::size_t unit = nextUnit;
        while (unit < 3 && units[unit] != text[end])
            ++unit;
        if (unit == 3)
            return std::nullopt; // an unknown unit, or one out of order or repeated
        total += *value * factors[unit];
        nextUnit = unit + 1;
        at = end + 1;
    }
    return delay(total);
}

std::optional<ClockTime> ParseClockTime(std::string_view text) {
    const std::size_t first = text.find(':');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::size_t second = text.find(':', first + 1);
    const std::string_view parts[] = {
        text.substr(0, first),
        text.substr(first + 1,
                    second == std::string_view::npos ? std::string_view::npos : second - first - 1),
        second == std::string_view::npos ? std::string_view("00") : text.substr(second + 1)};
    std::int32_t values[3] = {};
    const std::int32_t limits[3] = {23, 59, 59};
    for (int i = 0; i < 3; ++i) {
        if (parts[i].size() < 1 || parts[i].size() > 2)
            return std::nullopt;
        const auto value = number(parts[i]);
        if (!value || *value > limits[i])
            return std::nullopt;
        values[i] = std::int32_t(*value);
    }
    return ClockTime{values[0], values[1], values[2]};
}

namespace {
ParsedArguments parseRequest(const std::vector<std::string>& args);
std::string encodeRequest(const CommandRequest& request);
std::optional<CommandRequest> decodeRequest(std::string_view line, std::string& error);

constexpr const char* PasswordWord = "password=";
constexpr char HexDigits[] = "0123456789abcdef";

std::string hex(const std::string& bytes) {
    std::string text;
    for (unsigned char c : bytes) {
        text += HexDigits[c >> 4];
        text += HexDigits[c & 15];
    }
    return text;
}

std::optional<std::string> unhex(std::string_view text) {
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const auto high = std::string_view(HexDigits).find(text[i]);
        const auto low = std::string_view(HexDigits).find(text[i + 1]);
        if (high == std::string_view::npos || low == std::string_view::npos)
            return std::nullopt;
        bytes += char(high * 16 + low);
    }
    return bytes;
}
} // namespace

std::string PasswordFromText(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    return std::string(text.substr(0, end));
}

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
    ParsedArguments password;
    std::vector<std::string> rest;
    const auto fail = [](std::string text) {
        ParsedArguments result;
        result.error = std::move(text);
        return result;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool fromFile = word == "--password-file";
        if (!fromFile && word != "--password" && !word.starts_with("--password=") &&
            !word.starts_with("--password-file="))
            rest.push_back(word);
        else if (!password.passwordFile.empty() || password.passwordFromInput)
            return fail(Translate("CommandLine", "the password is given once (see --help)"));
        else if (fromFile && i + 1 < args.size() && !args[i + 1].empty())
            password.passwordFile = args[++i];
        else if (fromFile)
            return fail(Translate("CommandLine", "missing FILE after --password-file"));
        else if (word == "--password" && i + 1 < args.size() && args[i + 1] == "-" && ++i)
            password.passwordFromInput = true;
        else
            return fail(Translate("CommandLine",
                                  "the password is never taken as an argument: give --password - "
                                  "(read from standard input) or --password-file FILE"));
    }
    ParsedArguments result = parseRequest(rest);
    if (!result.error.empty() || (password.passwordFile.empty() && !password.passwordFromInput))
        return result;
    if (!result.request || result.request->verb == Verb::Help || result.request->verb == Verb::Version)
        return fail(
            Translate("CommandLine", "the password goes with a request to the running copy (see --help)"));
    result.passwordFile = password.passwordFile;
    result.passwordFromInput = password.passwordFromInput;
    return result;
}

namespace {
ParsedArguments parseRequest(const std::vector<std::string>& args) {
    ParsedArguments result;
    if (args.empty())
        return result;
    const auto fail = [&result](std::string text) {
        result.request.reset();
        result.error = std::move(text);
        return result;
    };
    const std::string& option = args[0];
    if (option == "--tray") {
        if (args.size() > 1)
            return fail(FillIn(Translate("CommandLine", "unexpected argument '%1' (see --help)"), {args[1]}));
        result.trayOnly = true;
        return result;
    }
    CommandRequest request;
    std::size_t used = 1;
    const auto task = [&](std::size_t index) -> bool {
        if (index >= args.size()) {
            result.error =
                FillIn(Translate("CommandLine", "missing TASK after %1 (one of %2)"), {option, taskNames()});
            return false;
        }
        if (args[index] == "--when" || (option == "--when" && args[index].starts_with("--"))) {
            result.error =
                FillIn(Translate("CommandLine", "--when goes with a TASK alone, not with %1 (see --help)"),
                       {option == "--when" ? args[index] : option});
            return false;
        }
        const TaskKind* kind = KindOfCommandName(args[index]);
        if (!kind) {
            result.error =
                FillIn(Translate("CommandLine", "unknown task '%1' (one of %2)"), {args[index], taskNames()});
            return false;
        }
        request.taskCode = kind->Code;
        used = index + 1;
        return true;
    };

    if (option == "--help" || option == "-h") {
        request.verb = Verb::Help;
    } else if (option == "--version") {
        request.verb = Verb::Version;
    } else if (option == "--cancel") {
        request.verb = Verb::Cancel;
    } else if (option == "--status") {
        request.verb = Verb::Status;
    } else if (option == "--show") {
        request.verb = Verb::Show;
    } else if (option == "--quick") {
        request.verb = Verb::Quick;
        if (args.size() < 2 || args[1].empty())
            return fail(Translate("CommandLine",
                                  "missing NAME after --quick (see --status for the saved quick actions)"));
        if (args[1].find_first_of("\r\n") != std::string::npos)
            return fail(Translate("CommandLine", "bad NAME after --quick: a name holds no line breaks"));
        request.name = args[1];
        used = 2;
    } else if (option == "--now") {
        request.verb = Verb::Now;
        if (!task(1))
            return fail(result.error);
    } else if (option == "--in") {
        request.verb = Verb::In;
        if (args.size() < 2)
            return fail(Translate("CommandLine", "missing DURATION after --in (e.g. 90s, 45m, 1h30m)"));
        const auto seconds = ParseDuration(args[1]);
        if (!seconds)
            return fail(
                FillIn(Translate("CommandLine", "bad duration '%1' (e.g. 90s, 45m, 1h30m)"), {args[1]}));
        request.seconds = *seconds;
        if (!task(2))
            return fail(result.error);
    } else if (option == "--at") {
        request.verb = Verb::At;
        if (args.size() < 2)
            return fail(Translate("CommandLine", "missing time after --at (HH:MM or HH:MM:SS)"));
        const auto time = ParseClockTime(args[1]);
        if (!time)
            return fail(FillIn(
                Translate("CommandLine", "bad time '%1' (HH:MM or HH:MM:SS, 00:00 to 23:59:59)"), {args[1]}));
        request.hour = time->hour;
        request.minute = time->minute;
        request.second = time->second;
        if (!task(2))
            return fail(result.error);
    } else if (option == "--when") {
        request.verb = Verb::When;
        std::size_t at = 0;
        while (at < args.size() && args[at] == "--when") {
            if (at + 1 >= args.size())
                return fail(FillIn(Translate("CommandLine", "missing CONDITION after --when (one of %1)"),
                                   {ConditionForms()}));
            std::string error;
            const auto condition = ParseCondition(args[at + 1], error);
            if (!condition)
                return fail(error);
            request.conditions.push_back(*condition);
            at += 2;
        }
        if (!task(at))
            return fail(result.error);
    } else {
        return fail(FillIn(Translate("CommandLine", "unknown option '%1' (see --help)"), {option}));
    }
    if (used < args.size())
        return fail(FillIn(Translate("CommandLine", "unexpected argument '%1' (see --help)"), {args[used]}));
    result.request = request;
    return result;
}
} // namespace

std::string UsageText() {
    // One text with the condition lines and the task words filled in, so that a translation keeps its
    // own order; the options and words stay as they are in every language.
    return FillIn(
        Translate(
            "CommandLine",
            "Usage: halvo-shutdown [OPTION]\n"
            "Without an option, starts Halvo Shutdown in the notification area (or shows the running copy).\n"
            "\n"
            "  --now TASK            run TASK at once\n"
            "  --in DURATION TASK    run TASK after DURATION (90s, 45m, 1h30m), announced by the reminder\n"
            "  --at HH:MM[:SS] TASK  run TASK at that time of day, announced by the reminder\n"
            "  --when CONDITION TASK run TASK when CONDITION holds, announced by the reminder; several\n"
            "                        --when CONDITION before TASK must all hold. CONDITION is one of:\n"
            "%1"
            "                        (minutes as 30m, 2h or 1h30m, up to 24h)\n"
            "  --cancel              cancel the timed action and any postponed action, and close their\n"
            "                        reminders\n"
            "  --quick NAME          arm the saved quick action NAME as the General page's Set would\n"
            "  --status              print what is armed, postponed or announced by an open reminder, the\n"
            "                        schedule's next runs and the saved quick actions\n"
            "  --show                show the window\n"
            "  --tray                start in the notification area, or leave the running copy as it is\n"
            "  --password-file FILE  with a request the password guards, the password from FILE's first "
            "line\n"
            "  --password -          the same, read from standard input\n"
            "  --help                print this text\n"
            "  --version             print the version\n"
            "\n"
            "TASK is one of: %2\n"
            "The running copy carries the request out; one is started in the notification area when none\n"
            "runs. Exit status: 0 done, 1 the running copy could not be reached or refused, 2 bad "
            "arguments.\n"),
        {ConditionHelpLines(), taskNames()});
}

std::string EncodeRequest(const CommandRequest& request) {
    const std::string line = encodeRequest(request);
    return request.password.empty() ? line : line + " " + PasswordWord + hex(request.password);
}

std::optional<CommandRequest> DecodeRequest(std::string_view line, std::string& error) {
    std::string password;
    std::string_view rest = line;
    const std::size_t last = line.rfind(' ');
    if (last != std::string_view::npos && line.substr(last + 1).starts_with(PasswordWord)) {
        const auto given = unhex(line.substr(last + 1 + std::string_view(PasswordWord).size()));
        if (!given || given->empty()) {
            error = "cannot read the password of the request";
            return std::nullopt;
        }
        password = *given;
        rest = line.substr(0, last);
    }
    auto request = decodeRequest(rest, error);
    if (request)
        request->password = std::move(password);
    return request;
}

namespace {
std::string encodeRequest(const CommandRequest& request) {
    std::string line = ProtocolPrefix;
    const TaskKind* kind = commandKind(request.taskCode);
    const std::string task = kind ? kind->CommandName : "?";
    switch (request.verb) {
    case Verb::Now:
        return line + " now " + task;
    case Verb::In:
        return line + " in " + std::to_string(request.seconds) + " " + task;
    case Verb::At:
        return line + " at " + TwoDigits(request.hour) + ":" + TwoDigits(request.minute) + ":" +
               TwoDigits(request.second) + " " + task;
    case Verb::When:
        line += " when";
        for (const ConditionSpec& condition : request.conditions)
            line += " " + escaped(ConditionText(condition));
        return line + " " + task;
    case Verb::Cancel:
        return line + " cancel";
    case Verb::Status:
        return line + " status";
    case Verb::Quick:
        return line + " quick " + escaped(request.name);
    case Verb::Show:
    case Verb::Help:
    case Verb::Version:
        break;
    }
    return line + " show";
}

std::optional<CommandRequest> decodeRequest(std::string_view line, std::string& error) {
    const std::vector<std::string_view> parts = words(line);
    if (parts.empty() || parts[0] != ProtocolPrefix) {
        error = "unsupported request; expected " + std::string(ProtocolPrefix);
        return std::nullopt;
    }
    CommandRequest request;
    const auto verbIs = [&parts](std::string_view verb, std::size_t count) {
        return parts.size() == count && parts[1] == verb;
    };
    const auto taskOf = [&request](std::string_view word) {
        const TaskKind* kind = KindOfCommandName(word);
        request.taskCode = kind ? kind->Code : 0;
        return kind != nullptr;
    };
    if (parts.size() >= 2 && verbIs("now", 3)) {
        request.verb = Verb::Now;
        if (taskOf(parts[2]))
            return request;
    } else if (verbIs("in", 4)) {
        request.verb = Verb::In;
        const auto given = number(parts[2]);
        const auto seconds = given ? delay(*given) : std::nullopt;
        if (seconds && taskOf(parts[3])) {
            request.seconds = *seconds;
            return request;
        }
    } else if (verbIs("at", 4)) {
        request.verb = Verb::At;
        const auto time = parts[2].size() == 8 ? ParseClockTime(parts[2]) : std::nullopt;
        if (time && taskOf(parts[3])) {
            request.hour = time->hour;
            request.minute = time->minute;
            request.second = time->second;
            return request;
        }
    } else if (parts.size() >= 4 && parts[1] == "when") {
        request.verb = Verb::When;
        for (std::size_t i = 2; i + 1 < parts.size(); ++i) {
            const auto text = unescaped(parts[i]);
            std::string ignored;
            const auto condition = text ? ParseCondition(*text, ignored) : std::nullopt;
            if (!condition) {
                request.conditions.clear();
                break;
            }
            request.conditions.push_back(*condition);
        }
        if (!request.conditions.empty() && taskOf(parts.back()))
            return request;
    } else if (verbIs("cancel", 2)) {
        request.verb = Verb::Cancel;
        return request;
    } else if (verbIs("status", 2)) {
        request.verb = Verb::Status;
        return request;
    } else if (verbIs("quick", 3)) {
        request.verb = Verb::Quick;
        if (auto name = unescaped(parts[2]); name && !name->empty()) {
            request.name = std::move(*name);
            return request;
        }
    } else if (verbIs("show", 2)) {
        request.verb = Verb::Show;
        return request;
    }
    error = "cannot read request '" + std::string(line.substr(0, 200)) + "'";
    return std::nullopt;
}
} // namespace

std::string EncodeAnswer(const CommandAnswer& answer) {
    std::string line = answer.ok ? "ok" : "error";
    if (answer.text.empty())
        return line;
    line += ' ';
    for (char c : answer.text) {
        if (c == '\\')
            line += "\\\\";
        else if (c == '\n')
            line += "\\n";
        else if (c != '\r')
            line += c;
    }
    return line;
}

std::optional<CommandAnswer> DecodeAnswer(std::string_view line) {
    CommandAnswer answer;
    std::string_view rest;
    if (line == "ok" || line == "error") {
        answer.ok = line == "ok";
        return answer;
    }
    if (line.starts_with("ok ")) {
        rest = line.substr(3);
    } else if (line.starts_with("error ")) {
        answer.ok = false;
        rest = line.substr(6);
    } else {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '\\' && i + 1 < rest.size()) {
            answer.text += rest[i + 1] == 'n' ? '\n' : rest[i + 1];
            ++i;
        } else {
            answer.text += rest[i];
        }
    }
    return answer;
}

} // namespace halvo

#include "model/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace halvo;
using Verb = CommandRequest::Verb;

namespace {

CommandRequest req(Verb verb, int code = 0, int seconds = 0, int h = 0, int m = 0, int s = 0) {
    return {verb, code, seconds, h, m, s, {}, {}, {}};
}

CommandRequest when(int code, const std::vector<std::string>& conditions) {
    CommandRequest request = req(Verb::When, code);
    for (const std::string& text : conditions) {
        std::string error;
        request.conditions.push_back(ParseCondition(text, error).value());
    }
    return request;
}

CommandRequest quick(const std::string& name) {
    CommandRequest request = req(Verb::Quick);
    request.name = name;
    return request;
}

} // namespace

TEST(CommandLine, EveryFormReadsIntoItsRequestAndTravelsUnchanged) {
    struct Case {
        std::vector<std::string> args;
        CommandRequest request;
    };
    const Case cases[] = {
        {{"--help"}, req(Verb::Help)},
        {{"--version"}, req(Verb::Version)},
        {{"--now", "shutdown"}, req(Verb::Now, 1)},
        {{"--now", "poweroff"}, req(Verb::Now, 2)},
        {{"--now", "restart"}, req(Verb::Now, 9)},
        {{"--now", "logoff"}, req(Verb::Now, 5)},
        {{"--now", "lock"}, req(Verb::Now, 11)},
        {{"--now", "screensaver"}, req(Verb::Now, 4)},
        {{"--now", "closeall"}, req(Verb::Now, 7)},
        {{"--in", "1h", "closeall"}, req(Verb::In, 7, 3600)},
        {{"--when", "idle:30m", "closeall"}, when(7, {"idle:30m"})},
        {{"--in", "90s", "lock"}, req(Verb::In, 11, 90)},
        {{"--in", "45m", "shutdown"}, req(Verb::In, 1, 2700)},
        {{"--in", "1h30m", "restart"}, req(Verb::In, 9, 5400)},
        {{"--in", "2h0m5s", "logoff"}, req(Verb::In, 5, 7205)},
        // The longest delays: every one the command line takes, the running copy takes too.
        {{"--in", "300000h", "lock"}, req(Verb::In, 11, 1080000000)},
        {{"--in", "596523h14m7s", "lock"}, req(Verb::In, 11, 2147483647)},
        {{"--in", "2147483647s", "lock"}, req(Verb::In, 11, 2147483647)},
        {{"--in", "000000000000090s", "lock"}, req(Verb::In, 11, 90)},
        {{"--at", "22:30", "shutdown"}, req(Verb::At, 1, 0, 22, 30, 0)},
        {{"--at", "7:05:09", "lock"}, req(Verb::At, 11, 0, 7, 5, 9)},
        {{"--at", "00:00:00", "poweroff"}, req(Verb::At, 2, 0, 0, 0, 0)},
        {{"--cancel"}, req(Verb::Cancel)},
        {{"--status"}, req(Verb::Status)},
        {{"--show"}, req(Verb::Show)},
        {{"--quick", "Lock \\ soon"}, quick("Lock \\ soon")},
        {{"--when", "net:50k:5m", "--when", "cpu:15%:5m", "shutdown"}, when(1, {"net:50k:5m", "cpu:15%:5m"})},
        {{"--when", "exit:My Render.exe", "lock"}, when(11, {"exit:My Render.exe"})},
        {{"--when", "battery:15%", "--when", "net:2M:2h", "--when", "exit:77", "poweroff"},
         when(2, {"battery:15%", "net:2048k:120m", "exit:77"})},
    };
    for (const Case& c : cases) {
        const ParsedArguments parsed = ParseArguments(c.args);
        ASSERT_TRUE(parsed.request) << c.args[0] << " " << parsed.error;
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(*parsed.request, c.request) << c.args[0];
        if (c.request.verb == Verb::Help || c.request.verb == Verb::Version)
            continue;
        std::string error;
        const auto decoded = DecodeRequest(EncodeRequest(c.request), error);
        ASSERT_TRUE(decoded) << EncodeRequest(c.request) << ": " << error;
        EXPECT_EQ(*decoded, c.request);
    }
    EXPECT_EQ(EncodeRequest(req(Verb::At, 1, 0, 7, 5, 9)), "halvo-shutdown/1 at 07:05:09 shutdown");
    EXPECT_EQ(EncodeRequest(req(Verb::In, 11, 90)), "halvo-shutdown/1 in 90 lock");
    EXPECT_EQ(EncodeRequest(quick("Lock \\ soon")), "halvo-shutdown/1 quick Lock\\s\\\\\\ssoon");
    EXPECT_EQ(EncodeRequest(when(1, {"exit:My Render.exe", "net:2M:5m"})),
              "halvo-shutdown/1 when exit:My\\sRender.exe net:2048k:5m shutdown");
    EXPECT_FALSE(ParseArguments({}).request);
    EXPECT_EQ(ParseArguments({}).error, "");
    EXPECT_FALSE(ParseArguments({}).trayOnly);
    const ParsedArguments tray = ParseArguments({"--tray"});
    EXPECT_TRUE(!tray.request && tray.trayOnly && tray.error.empty());
}

TEST(CommandLine, BadInputIsNamedAndNothingIsRequested) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--bogus"}, "unknown option '--bogus' (see --help)"},
        {{"shutdown"}, "unknown option 'shutdown' (see --help)"},
        {{"--now", "reboot"},
         "unknown task 'reboot' (one of shutdown, poweroff, screensaver, logoff, closeall, restart, lock, "
         "sleep, hibernate)"},
        {{"--now"},
         "missing TASK after --now (one of shutdown, poweroff, screensaver, logoff, closeall, restart, lock, "
         "sleep, hibernate)"},
        {{"--in"}, "missing DURATION after --in (e.g. 90s, 45m, 1h30m)"},
        {{"--in", "-5m", "lock"}, "bad duration '-5m' (e.g. 90s, 45m, 1h30m)"},
        {{"--in", "1h99x", "lock"}, "bad duration '1h99x' (e.g. 90s, 45m, 1h30m)"},
        {{"--in", "90s"},
         "missing TASK after --in (one of shutdown, poweroff, screensaver, logoff, closeall, restart, lock, "
         "sleep, hibernate)"},
        {{"--at", "25:00", "lock"}, "bad time '25:00' (HH:MM or HH:MM:SS, 00:00 to 23:59:59)"},
        {{"--at"}, "missing time after --at (HH:MM or HH:MM:SS)"},
        {{"--status", "now"}, "unexpected argument 'now' (see --help)"},
        {{"--now", "lock", "lock"}, "unexpected argument 'lock' (see --help)"},
        {{"--tray", "lock"}, "unexpected argument 'lock' (see --help)"},
        {{"--quick"}, "missing NAME after --quick (see --status for the saved quick actions)"},
        {{"--quick", "Bed", "time"}, "unexpected argument 'time' (see --help)"},
        {{"--quick", "Bed\ntime"}, "bad NAME after --quick: a name holds no line breaks"},
        {{"--in", "2147483648s", "lock"}, "bad duration '2147483648s' (e.g. 90s, 45m, 1h30m)"},
        {{"--when"},
         "missing CONDITION after --when (one of exit:NAME, exit:PID, idle:30m, cpu:10%:5m, net:50k:5m, "
         "net:2M:5m, battery:15%)"},
        {{"--when", "cpu:120%:5m", "shutdown"},
         "bad condition 'cpu:120%:5m': the processor's percent must be 1% to 100%"},
        {{"--when", "idle:30m", "--when", "net:fast:5m", "shutdown"},
         "bad condition 'net:fast:5m': the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M"},
        {{"--when", "idle:30m"},
         "missing TASK after --when (one of shutdown, poweroff, screensaver, logoff, closeall, restart, "
         "lock, "
         "sleep, hibernate)"},
        {{"--when", "idle:30m", "--in", "10m", "lock"},
         "--when goes with a TASK alone, not with --in (see --help)"},
        {{"--at", "22:00", "--when", "idle:30m", "lock"},
         "--when goes with a TASK alone, not with --at (see --help)"},
        {{"--when", "idle:30m", "lock", "--when", "cpu:5%:5m"}, "unexpected argument '--when' (see --help)"},
    };
    for (const auto& [args, error] : cases) {
        const ParsedArguments parsed = ParseArguments(args);
        EXPECT_FALSE(parsed.request || parsed.trayOnly) << error;
        EXPECT_EQ(parsed.error, error);
    }
}

TEST(CommandLine, DurationsAndTimesOfDay) {
    const std::pair<const char*, int> durations[] = {
        {"90s", 90},    {"45m", 2700}, {"1h30m", 5400}, {"1h", 3600}, {"1h1s", 3601},     {"100h", 360000},
        {"", -1},       {"90", -1},    {"0s", -1},      {"m", -1},    {"30m1h", -1},      {"1h1h", -1},
        {"1h 30m", -1}, {"1.5h", -1},  {"+5m", -1},     {"5M", -1},   {"999999999h", -1}, {"596524h", -1},
    };
    for (const auto& [text, seconds] : durations) {
        const auto parsed = ParseDuration(text);
        EXPECT_EQ(parsed ? *parsed : -1, seconds) << text;
    }
    const std::pair<const char*, int> times[] = {
        {"22:30", 81000}, {"0:0", 0},      {"23:59:59", 86399}, {"24:00", -1}, {"12:60", -1},
        {"12:30:60", -1}, {"12", -1},      {"12:", -1},         {":30", -1},   {"123:00", -1},
        {"12:30:", -1},   {"1:2:3:4", -1}, {"-1:00", -1},       {"a:bc", -1},
    };
    for (const auto& [text, seconds] : times) {
        const auto parsed = ParseClockTime(text);
        EXPECT_EQ(parsed ? parsed->hour * 3600 + parsed->minute * 60 + parsed->second : -1, seconds) << text;
    }
}

TEST(CommandLine, LinesTheRunningCopyCannotReadAreRefused) {
    const char* lines[] = {
        "",
        "show",
        "halvo-shutdown/2 status",
        "halvo-shutdown/1",
        "halvo-shutdown/1 status extra",
        "halvo-shutdown/1 now",
        "halvo-shutdown/1 now reboot",
        "halvo-shutdown/1 in -5 lock",
        "halvo-shutdown/1 in 0 lock",
        "halvo-shutdown/1 in 5m lock",
        "halvo-shutdown/1 in 2147483648 lock",
        "halvo-shutdown/1 in 99999999999 lock",
        "halvo-shutdown/1 at 22:30 lock",
        "halvo-shutdown/1 at 25:00:00 lock",
        "halvo-shutdown/1  status",
        "halvo-shutdown/1 STATUS",
        "halvo-shutdown/1 when lock",
        "halvo-shutdown/1 when idle:30m",
        "halvo-shutdown/1 when idle:0m lock",
        "halvo-shutdown/1 when idle:30m  lock",
        "halvo-shutdown/1 when exit:a\\x lock",
        "halvo-shutdown/1 when exit:a\\ lock",
        "halvo-shutdown/1 when idle:30m reboot",
    };
    for (const char* line : lines) {
        std::string error;
        EXPECT_FALSE(DecodeRequest(line, error)) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

TEST(CommandLine, AnswersKeepTheirLinesInOneLine) {
    const CommandAnswer answers[] = {{true, ""}, {false, "bad"}, {true, "a\nb\\n c"}};
    for (const CommandAnswer& answer : answers) {
        const std::string line = EncodeAnswer(answer);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        const auto decoded = DecodeAnswer(line);
        ASSERT_TRUE(decoded) << line;
        EXPECT_EQ(decoded->ok, answer.ok);
        EXPECT_EQ(decoded->text, answer.text);
    }
    EXPECT_EQ(EncodeAnswer({true, "a\nb"}), "ok a\\nb");
    EXPECT_FALSE(DecodeAnswer("okay"));
}

TEST(CommandLine, ThePasswordComesFromAFileOrStandardInputAndTravelsOnlyAsHex) {
    struct Case {
        std::vector<std::string> args;
        std::string file;
        bool input;
        std::string error;
    };
    const std::string never = "the password is never taken as an argument: give --password - (read from "
                              "standard input) or --password-file FILE";
    const Case cases[] = {
        {{"--cancel", "--password-file", "/home/a/pw"}, "/home/a/pw", false, ""},
        {{"--password-file", "pw", "--in", "1h", "lock"}, "pw", false, ""},
        {{"--in", "1h", "--password", "-", "lock"}, "", true, ""},
        {{"--cancel", "--password", "secret"}, "", false, never},
        {{"--cancel", "--password=secret"}, "", false, never},
        {{"--cancel", "--password"}, "", false, never},
        {{"--cancel", "--password-file"}, "", false, "missing FILE after --password-file"},
        {{"--cancel", "--password", "-", "--password-file", "pw"},
         "",
         false,
         "the password is given once (see --help)"},
        {{"--password-file", "pw"},
         "",
         false,
         "the password goes with a request to the running copy (see --help)"},
        {{"--help", "--password", "-"},
         "",
         false,
         "the password goes with a request to the running copy (see --help)"},
        {{"--in", "1h", "--password-file", "pw"},
         "",
         false,
         "missing TASK after --in (one of shutdown, poweroff, "
         "screensaver, logoff, closeall, restart, lock, sleep, "
         "hibernate)"},
    };
    for (const Case& c : cases) {
        const ParsedArguments parsed = ParseArguments(c.args);
        EXPECT_EQ(parsed.error, c.error) << c.args[0];
        EXPECT_EQ(parsed.passwordFile, c.file);
        EXPECT_EQ(parsed.passwordFromInput, c.input);
        EXPECT_EQ(parsed.request.has_value(), c.error.empty());
    }

    // The first line only; the running copy gets it back byte for byte, spaces and all, never in clear.
    EXPECT_EQ(PasswordFromText("bed time\r\nsecond"), "bed time");
    EXPECT_EQ(PasswordFromText("\nx"), "");
    CommandRequest request = req(Verb::Cancel);
    request.password = "bed time";
    EXPECT_EQ(EncodeRequest(request), "halvo-shutdown/1 cancel password=6265642074696d65");
    std::string error;
    EXPECT_EQ(DecodeRequest(EncodeRequest(request), error), request);
    CommandRequest armed = when(11, {"idle:30m"});
    armed.password = "p\xc3\xa4ss";
    EXPECT_EQ(DecodeRequest(EncodeRequest(armed), error), armed);
    for (const char* bad : {"halvo-shutdown/1 cancel password=", "halvo-shutdown/1 cancel password=6g",
                            "halvo-shutdown/1 cancel password=626"}) {
        EXPECT_EQ(DecodeRequest(bad, error), std::nullopt) << bad;
        EXPECT_EQ(error, "cannot read the password of the request");
    }
}

#include "model/Conditions.h"
#include "model/ConditionRule.h"
#include "model/ConditionWatch.h"
#include "tests/fakes/FakeActivity.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace halvo;

namespace {

ConditionSpec parsed(const std::string& text) {
    std::string error;
    const auto spec = ParseCondition(text, error);
    EXPECT_TRUE(spec) << text << ": " << error;
    return spec.value_or(ConditionSpec{});
}

// Kilobytes counted by second t at the given rates, each {until second, KB/s}.
std::uint64_t kilobytes(int t, const std::vector<std::pair<int, int>>& rates) {
    std::uint64_t total = 0;
    int from = 0;
    for (const auto& [until, rate] : rates) {
        total += std::uint64_t(std::max(0, std::min(t, until) - from)) * rate;
        from = until;
    }
    return total;
}

Reading<std::vector<InterfaceBytes>> interfaces(std::vector<InterfaceBytes> list) {
    return {std::move(list), ""};
}

// One received counter in bytes, from kilobytes.
InterfaceBytes received(const char* name, std::uint64_t kb) {
    return {name, kb * 1024, 0};
}

// Four cores' times in hundredths of a second, busy at the given percents, each {until second, percent}.
Reading<ProcessorTimes> processor(int t, const std::vector<std::pair<int, int>>& percents) {
    return {ProcessorTimes{kilobytes(t, percents) * 4, std::uint64_t(t) * 400}, ""};
}

} // namespace

TEST(Conditions, TextFormsReadIntoSpecsThatDescribeAndWriteThemselves) {
    const struct {
        const char* text;
        const char* description;
        const char* written;
    } forms[] = {
        {"exit:firefox", "when the program firefox exits", "exit:firefox"},
        {"exit:My Render.exe", "when the program My Render.exe exits", "exit:My Render.exe"},
        {"exit:a:b", "when the program a:b exits", "exit:a:b"},
        {"exit:04242", "when the process 4242 exits", "exit:4242"},
        {"exit:4294967295", "when the process 4294967295 exits", "exit:4294967295"},
        {"idle:30m", "when the user is idle for 30 min", "idle:30m"},
        {"idle:2h", "when the user is idle for 120 min", "idle:120m"},
        {"idle:1h30m", "when the user is idle for 90 min", "idle:90m"},
        {"cpu:10%:5m", "when the processor is below 10% for 5 min", "cpu:10%:5m"},
        {"cpu:100:24h", "when the processor is below 100% for 1440 min", "cpu:100%:1440m"},
        {"net:50k:5m", "when the network is below 50 KB/s for 5 min", "net:50k:5m"},
        {"net:50:1m", "when the network is below 50 KB/s for 1 min", "net:50k:1m"},
        {"net:2M:5m", "when the network is below 2048 KB/s for 5 min", "net:2048k:5m"},
        {"battery:15%", "when the battery is below 15%", "battery:15%"},
    };
    std::set<ConditionKind> kindsSeen;
    for (const auto& form : forms) {
        const ConditionSpec spec = parsed(form.text);
        EXPECT_EQ(DescribeCondition(spec), form.description) << form.text;
        EXPECT_EQ(ConditionText(spec), form.written);
        EXPECT_EQ(parsed(ConditionText(spec)), spec) << form.text;
        kindsSeen.insert(spec.kind);
    }
    EXPECT_EQ(kindsSeen.size(), ConditionTable().size()) << "a row of the table without its forms here";
    EXPECT_EQ(DescribeConditions({parsed("net:50k:5m"), parsed("cpu:15%:5m")}),
              "when the network is below 50 KB/s for 5 min and when the processor is below 15% for 5 min");

    const std::string minutes = "minutes must be 1m to 24h, like 30m or 2h";
    const std::pair<const char*, std::string> bad[] = {
        {"exit:", "the program's name or process id is missing (exit:NAME or exit:PID)"},
        {"exit:0", "the process id must be 1 to 4294967295"},
        {"exit:4294967296", "the process id must be 1 to 4294967295"},
        {"exit:/usr/bin/blender", "the program's name goes without its folder"},
        {"cpu:120%:5m", "the processor's percent must be 1% to 100%"},
        {"cpu:0%:5m", "the processor's percent must be 1% to 100%"},
        {"cpu:10%", "expected cpu:PERCENT%:MINUTES, like cpu:10%:5m"},
        {"cpu:10%:5m:x", "expected cpu:PERCENT%:MINUTES, like cpu:10%:5m"},
        {"net:fast:5m", "the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M"},
        {"net:0k:5m", "the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M"},
        {"net:10241M:5m", "the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M"},
        {"net:50k", "expected net:RATE:MINUTES, like net:50k:5m or net:2M:5m"},
        {"idle:0m", minutes},
        {"idle:1441m", minutes},
        {"idle:30", minutes},
        {"idle:30mx", minutes},
        {"idle:30m:5m", "expected idle:MINUTES, like idle:30m"},
        {"battery:100%", "the battery's percent must be 1% to 99%"},
        {"battery:15%x", "the battery's percent must be 1% to 99%"},
    };
    for (const auto& [text, reason] : bad) {
        std::string error;
        EXPECT_FALSE(ParseCondition(text, error)) << text;
        EXPECT_EQ(error, "bad condition '" + std::string(text) + "': " + reason);
    }
    std::string error;
    EXPECT_FALSE(ParseCondition("exit:a\nb", error));
    EXPECT_EQ(error, "bad condition 'exit:a?b': the program's name holds a control character");
    EXPECT_FALSE(ParseCondition("disk:5%", error));
    EXPECT_EQ(error, "unknown condition 'disk:5%' (one of exit:NAME, exit:PID, idle:30m, cpu:10%:5m, "
                     "net:50k:5m, net:2M:5m, battery:15%)");

    std::vector<std::string> choices;
    for (ConditionKind kind : ConditionKinds())
        choices.push_back(ConditionChoiceText(kind));
    EXPECT_EQ(choices,
              (std::vector<std::string>{"the program exits", "the user is idle for", "the processor is below",
                                        "the network is below", "the battery is below"}));
}

// The General page's fields read into the condition its text form reads into, and are refused with the
// command line's words for that text; the page takes whole numbers in the units it shows, nothing else.
TEST(Conditions, PageFieldsReadAsTheTextFormTheyStandFor) {
    using K = ConditionKind;
    const struct {
        ConditionKind kind;
        std::vector<std::string> fields;
        const char* text; // what they stand for, or the error
    } cases[] = {
        {K::ProgramExits, {"firefox"}, "exit:firefox"},
        {K::ProgramExits, {"04242"}, "exit:4242"},
        {K::UserIdle, {"1440"}, "idle:24h"},
        {K::ProcessorBelow, {"10", "5"}, "cpu:10%:5m"},
        {K::NetworkBelow, {"2048", "1"}, "net:2M:1m"},
        {K::BatteryBelow, {"99"}, "battery:99%"},
        {K::ProgramExits,
         {""},
         "bad condition 'exit:': the program's name or process id is missing (exit:NAME or "
         "exit:PID)"},
        {K::ProgramExits,
         {"/usr/bin/blender"},
         "bad condition 'exit:/usr/bin/blender': the program's name goes "
         "without its folder"},
        {K::UserIdle, {"1h"}, "bad condition 'idle:1hm': minutes must be 1m to 24h, like 30m or 2h"},
        {K::ProcessorBelow,
         {"120", "5"},
         "bad condition 'cpu:120%:5m': the processor's percent must be 1% to 100%"},
        {K::ProcessorBelow,
         {"10%", "5"},
         "bad condition 'cpu:10%%:5m': the processor's percent must be 1% to 100%"},
        {K::ProcessorBelow,
         {"10", ""},
         "bad condition 'cpu:10%:m': minutes must be 1m to 24h, like 30m or 2h"},
        {K::NetworkBelow,
         {"2M", "5"},
         "bad condition 'net:2Mk:5m': the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M"},
        {K::NetworkBelow,
         {"50", "1441"},
         "bad condition 'net:50k:1441m': minutes must be 1m to 24h, like 30m or 2h"},
        {K::BatteryBelow, {"0"}, "bad condition 'battery:0%': the battery's percent must be 1% to 99%"},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto spec = ConditionFromFields(c.kind, c.fields, error);
        if (std::string(c.text).starts_with("bad condition")) {
            EXPECT_FALSE(spec) << c.text;
            EXPECT_EQ(error, c.text);
            continue;
        }
        ASSERT_TRUE(spec) << c.text << ": " << error;
        EXPECT_EQ(*spec, parsed(c.text));
        // Shown back in the fields as the page shows an armed condition.
        for (std::size_t i = 0; i < c.fields.size(); ++i)
            EXPECT_EQ(FieldValueText(*spec, i), c.fields[i] == "04242" ? "4242" : c.fields[i]) << c.text;
    }
}

TEST(Conditions, HelpListsEveryFormWithItsWords) {
    EXPECT_EQ(
        ConditionHelpLines(),
        "                          exit:NAME, exit:PID   every process running the program NAME, or the\n"
        "                                                process PID, has ended\n"
        "                          idle:30m              no keyboard or mouse input for 30 minutes\n"
        "                          cpu:10%:5m            the processor below 10% for 5 minutes\n"
        "                          net:50k:5m, net:2M:5m the network below 50 KB/s or 2 MB/s for 5 minutes\n"
        "                          battery:15%           on battery, at 15% or less\n");
}

// Each case is sampled every five seconds from arming (second 0) on, on one interface or the processor at
// the given rates ({until second, KB/s or percent}) unless it feeds its own readings; flips are the seconds
// at which the condition starts or stops holding.
TEST(Conditions, QuietWindowHoldsOnlyAfterAWholeWindowBelowTheLimit) {
    using Feed = std::function<void(ConditionRule&, int t)>;
    const auto eth0 = [](ConditionRule& rule, int t) {
        rule.Feed(t * 1000LL, interfaces({received("eth0", 0)}));
    };
    const std::uint64_t fiveGigabytes = 5ull * 1024 * 1024;
    const struct {
        const char* what;
        const char* spec;
        int seconds;
        std::vector<std::pair<int, int>> rates;
        std::vector<int> flips;
        const char* reading;
        Feed feed = {};
    } cases[] = {
        // clang-format off
        {"quiet from arming", "net:50k:5m", 600, {{600, 40}}, {300}, "now 40 KB/s"},
        {"a lull shorter than the window", "net:50k:5m", 900, {{200, 800}, {320, 0}, {900, 800}}, {},
         "now 800 KB/s"},
        // Averaged over the window: the last three intervals of the download still fit under the limit.
        {"armed in the middle of a download", "net:50k:5m", 600, {}, {405}, "now 10 KB/s",
         [=](ConditionRule& rule, int t) {
             const std::uint64_t kb = fiveGigabytes + kilobytes(t, {{120, 800}, {600, 10}});
             rule.Feed(t * 1000LL, interfaces({received("eth0", kb)}));
         }},
        {"a spike inside the window", "net:50k:5m", 600, {{200, 0}, {210, 5000}, {600, 0}}, {510},
         "now 0 KB/s"},
        {"a burst the average absorbs", "net:50k:5m", 400, {{200, 0}, {210, 1000}, {600, 0}}, {300},
         "now 0 KB/s"},
        {"a counter reset counts what came since", "net:50k:5m", 500, {}, {385}, "now 10 KB/s",
         [](ConditionRule& rule, int t) {
             const std::uint64_t wlan0 = t <= 100 ? 800ull * t : 10ull * (t - 100);
             rule.Feed(t * 1000LL, interfaces({received("eth0", 0), received("wlan0", wlan0)}));
         }},
        {"an interface that goes away and comes back", "net:50k:5m", 500, {}, {385}, "now 0 KB/s",
         [=](ConditionRule& rule, int t) {
             std::vector list{received("eth0", 0)};
             if (t <= 100 || t >= 110)
                 list.push_back(received("wlan0", t <= 100 ? 800ull * t : 3 * fiveGigabytes));
             rule.Feed(t * 1000LL, interfaces(list));
         }},
        {"a failed reading starts the window again", "net:50k:5m", 720, {}, {300, 400, 705}, "now 0 KB/s",
         [=](ConditionRule& rule, int t) {
             if (t != 400)
                 return eth0(rule, t);
             rule.Feed(t * 1000LL, Reading<std::vector<InterfaceBytes>>{{}, "counters unreadable"});
             EXPECT_EQ(rule.LiveReading(), "reading failed: counters unreadable");
         }},
        {"a sleep longer than the sampling starts the window again", "net:50k:5m", 4200, {}, {4100},
         "now 0 KB/s", [=](ConditionRule& rule, int t) {
             if (t <= 200 || t >= 3800)
                 eth0(rule, t);
         }},
        {"processor busy, then idle", "cpu:10%:1m", 200, {{60, 50}, {200, 2}}, {115}, "now 2%"},
        {"a fully busy processor is not below 100%", "cpu:100%:1m", 200, {{120, 100}, {200, 99}}, {125},
         "now 99%"},
        // clang-format on
    };
    for (const auto& c : cases) {
        ConditionRule rule(parsed(c.spec));
        std::vector<int> flips;
        for (int t = 0; t <= c.seconds; t += 5) {
            const bool held = rule.Holds();
            if (c.feed) {
                c.feed(rule, t);
            } else {
                rule.Feed(t * 1000LL, interfaces({received("eth0", kilobytes(t, c.rates))}));
                rule.Feed(t * 1000LL, processor(t, c.rates));
            }
            if (rule.Holds() != held)
                flips.push_back(t);
        }
        EXPECT_EQ(flips, c.flips) << c.what;
        EXPECT_EQ(rule.LiveReading(), c.reading) << c.what;
    }
}

TEST(Conditions, InstantConditionsAndTheirReadings) {
    // value: idle milliseconds, tenths of the battery's percent, processes left.
    const struct {
        const char* spec;
        std::int64_t value;
        bool holds;
        const char* reading;
        const char* failure = "";
        bool onBattery = true;
    } steps[] = {
        // clang-format off
        {"idle:30m", 40'999, false, "idle 40 s"},
        {"idle:30m", 29 * 60'000 + 59'999, false, "idle 29 min"},
        {"idle:30m", 30 * 60'000, true, "idle 30 min"},
        {"idle:30m", 0, false, "reading failed: no idle source", "no idle source"},
        {"battery:15%", 120, false, "battery 12%, charging", "", false},
        {"battery:15%", 154, true, "battery 15%"},
        {"battery:15%", 156, false, "battery 16%"},
        {"battery:15%", 0, false, "reading failed: no battery", "no battery"},
        {"exit:render", 2, false, "2 running"},
        {"exit:render", 1, false, "running"},
        {"exit:render", 0, true, "ended"},
        {"exit:render", 1, true, "ended"}, // a program started again afterwards does not undo its exit
        // clang-format on
    };
    std::map<std::string, ConditionRule> rules;
    for (const auto& step : steps) {
        ConditionRule& rule = rules.try_emplace(step.spec, parsed(step.spec)).first->second;
        const bool failed = *step.failure;
        rule.FeedIdle(failed ? Reading<std::int64_t>{{}, step.failure}
                             : Reading<std::int64_t>{step.value, ""});
        rule.Feed(failed ? Reading<PowerSource>{{}, step.failure}
                         : Reading<PowerSource>{PowerSource{step.onBattery, step.value / 10.0}, ""});
        rule.FeedProcessesLeft(std::size_t(step.value));
        EXPECT_EQ(rule.Holds(), step.holds) << step.spec << " " << step.reading;
        EXPECT_EQ(rule.LiveReading(), step.reading);
    }
}

TEST(Conditions, WatchCombinesConditionsAndFollowsEveryProcessOfAProgram) {
    FakeActivity activity;
    activity.processor = {ProcessorTimes{0, 0}, ""};
    activity.idle = {0, ""};
    int changes = 0;
    ConditionWatch both(activity, {parsed("cpu:10%:1m"), parsed("idle:1m")}, [&] { ++changes; });
    std::string failure = "not called";
    both.Start(0, [&](const std::string& why) { failure = why; });
    EXPECT_EQ(failure, "");
    EXPECT_EQ(DescribeConditions({parsed("cpu:10%:1m"), parsed("idle:1m")}),
              "when the processor is below 10% for 1 min and when the user is idle for 1 min");
    for (int t = 5; t <= 60; t += 5) {
        activity.processor = {ProcessorTimes{std::uint64_t(t) * 20, std::uint64_t(t) * 400}, ""};
        activity.idle = {t < 60 ? 0 : 59'000, ""};
        both.Sample(t * 1000);
    }
    EXPECT_FALSE(both.Holds()); // the processor is quiet, the user was not away long enough
    EXPECT_EQ(both.LiveReading(), "now 5%; idle 59 s");
    activity.idle = {61'000, ""};
    activity.processor = {ProcessorTimes{65 * 20, 65 * 400}, ""};
    both.Sample(65'000);
    EXPECT_TRUE(both.Holds());
    EXPECT_EQ(both.LiveReading(), "now 5%; idle 1 min");
    EXPECT_EQ(changes, 2 * 13); // one for every answer after the start

    activity.processes = {{10, "render"}, {11, "render"}, {12, "other"}};
    {
        ConditionWatch program(activity, {parsed("exit:render")});
        program.Start(0, [&](const std::string& why) { failure = why; });
        EXPECT_EQ(failure, "");
        EXPECT_EQ(program.LiveReading(), "2 running");
        activity.processes[13] = "render";
        program.Sample(5000);
        EXPECT_EQ(activity.watched(), (std::set<std::uint32_t>{10, 11, 13}));
        activity.endProcess(10);
        activity.endProcess(13);
        program.Sample(10000); // the ended ones are not taken up again, even if still listed
        EXPECT_EQ(program.LiveReading(), "running");
        EXPECT_FALSE(program.Holds());
        activity.endProcess(11);
        EXPECT_TRUE(program.Holds());
        EXPECT_EQ(program.LiveReading(), "ended");
        activity.processes[14] = "render";
        ConditionWatch again(activity, {parsed("exit:render")});
        again.Start(0, [](const std::string&) {});
        EXPECT_EQ(activity.watched(), (std::set<std::uint32_t>{14}));
    }
    EXPECT_TRUE(activity.watched().empty()); // a watch that goes stops watching

    activity.processes = {{12, "other"}, {77, "other"}};
    activity.otherUsersProcesses = {77};
    activity.power = {{}, "no battery"};
    activity.idle = {{}, "no idle source"};
    const std::pair<std::vector<const char*>, std::string> starts[] = {
        {{"cpu:10%:1m", "battery:15%"}, "cannot tell when the battery is below 15%: no battery"},
        {{"idle:30m", "battery:15%"}, "cannot tell when the user is idle for 30 min: no idle source"},
        {{"exit:render"}, "cannot tell when the program render exits: render is not running"},
        {{"exit:77"}, "cannot tell when the process 77 exits: process 77 belongs to another user"},
        {{"exit:78"}, "cannot tell when the process 78 exits: no process 78"},
        {{"exit:12", "cpu:10%:1m"}, ""},
    };
    for (const auto& [texts, reason] : starts) {
        std::vector<ConditionSpec> specs;
        for (const char* text : texts)
            specs.push_back(parsed(text));
        ConditionWatch watch(activity, specs);
        failure = "not called";
        watch.Start(0, [&](const std::string& why) { failure = why; });
        EXPECT_EQ(failure, reason) << texts[0];
        EXPECT_FALSE(watch.Holds());
    }

    // Answers that take their time: the start waits for them, a reading on its way is not asked for again,
    // and one that comes after the watch is gone finds nothing to change.
    activity.deferAnswers = true;
    auto slow = std::make_unique<ConditionWatch>(activity, std::vector{parsed("cpu:10%:1m")});
    failure = "not called";
    slow->Start(0, [&](const std::string& why) { failure = why; });
    EXPECT_EQ(failure, "not called");
    activity.deliverAnswers();
    EXPECT_EQ(failure, "");
    const int asked = activity.processorAsked;
    slow->Sample(5000);
    slow->Sample(10000);
    EXPECT_EQ(activity.processorAsked, asked + 1);
    slow.reset();
    activity.deliverAnswers();
}

// The activity readings and process watches against the real system calls: real helper processes that end,
// the processor's times while this thread works, and what the system answers for input, network and power.

#include "Win32TestSupport.h"

#include "platform/win32/Win32Activity.h"

#include <algorithm>
#include <cstdio>

namespace halvo::test {
namespace {

class ActivityTest : public ::testing::Test {
protected:
    RealWin32Api real;
    Win32Activity activity{real};
    std::string failure;

    // Dispatches this thread's messages, as the program's event loop does, until condition holds.
    template <typename Condition> bool pumpUntil(Condition condition, DWORD timeoutMs) {
        return WaitUntil(
            [&] {
                MSG message;
                while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                    TranslateMessage(&message);
                    DispatchMessageW(&message);
                }
                return condition();
            },
            timeoutMs);
    }
    bool running(const std::string& name, DWORD id) {
        const auto ids = activity.processesRunning(name);
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    }
};

TEST_F(ActivityTest, AProgramIsFoundByItsNameAndItsEndComesThroughTheMessageLoop) {
    HelperProcess child("windows");
    ASSERT_EQ(child.command("ping"), "ok 0");
    for (const char* name : {"halvo_win32_helper", "HALVO_WIN32_HELPER.EXE", "Halvo_Win32_Helper.exe"})
        EXPECT_TRUE(running(name, child.id())) << name;
    EXPECT_FALSE(running("halvo_win32", child.id()));

    int ended = 0;
    ASSERT_TRUE(activity.watchProcess(
        child.id(), [&] { ++ended; }, failure))
        << failure;
    EXPECT_FALSE(pumpUntil([&] { return ended > 0; }, 300));
    child.command("exit", 100);
    ASSERT_EQ(child.waitForExit(10000), 3u);
    EXPECT_TRUE(pumpUntil([&] { return ended > 0; }, 10000));
    pumpUntil([] { return false; }, 300);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(running("halvo_win32_helper", child.id()));

    // Ended before the watch began (its id still held by our handle): the call still comes.
    ASSERT_TRUE(activity.watchProcess(
        child.id(), [&] { ++ended; }, failure))
        << failure;
    EXPECT_TRUE(pumpUntil([&] { return ended == 2; }, 10000));
}

TEST_F(ActivityTest, AStoppedWatchCallsNothingAndAMissingProcessIsRefused) {
    HelperProcess child("windows");
    ASSERT_EQ(child.command("ping"), "ok 0");
    int ended = 0;
    ASSERT_TRUE(activity.watchProcess(
        child.id(), [&] { ++ended; }, failure))
        << failure;
    activity.stopWatching(child.id());
    child.command("exit", 100);
    ASSERT_EQ(child.waitForExit(10000), 3u);
    EXPECT_FALSE(pumpUntil([&] { return ended > 0; }, 500));

    // Process ids are multiples of four: this one is never given out.
    EXPECT_FALSE(activity.watchProcess(
        0xFFFFFFF1u, [&] { ++ended; }, failure));
    EXPECT_EQ(failure, "There is no process with the id 4294967281");
}

TEST_F(ActivityTest, ProcessorTimesGrowWhileThisThreadWorks) {
    const auto read = [&] {
        ProcessorTimes times;
        activity.processorTimes([&](Reading<ProcessorTimes> reading) {
            ASSERT_TRUE(reading.value) << reading.failure;
            times = *reading.value;
        });
        return times;
    };
    const ProcessorTimes before = read();
    const ULONGLONG start = GetTickCount64();
    volatile std::uint64_t spin = 0;
    while (GetTickCount64() - start < 500)
        spin = spin + 1;
    const ProcessorTimes after = read();
    // In 100 ns: at least 250 ms of one processor's time went to this loop.
    EXPECT_GE(after.busy - before.busy, 2'500'000u);
    EXPECT_GE(after.total - before.total, after.busy - before.busy);
    EXPECT_LE(after.busy, after.total);
}

TEST_F(ActivityTest, InputEndsTheIdleTimeWhichThenGrows) {
    const auto idle = [&] {
        std::int64_t ms = -1;
        activity.userIdle([&](Reading<std::int64_t> reading) {
            ASSERT_TRUE(reading.value) << reading.failure;
            ms = *reading.value;
        });
        return ms;
    };
    // A mouse move by nothing: input to the session that changes nothing on the screen.
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
    ASSERT_TRUE(WaitUntil([&] { return idle() < 1000; }, 3000)) << idle();
    if (!RunningUnderWine())
        return; // the user's own input would end it again
    const std::int64_t before = idle();
    Sleep(1200);
    EXPECT_GE(idle() - before, 1000);
}

// What the system answers for the network and the power, as the program passes it on: on a machine of
// its own every interface but the loopback, whatever traffic it sees, and the battery or why there is none.
TEST_F(ActivityTest, TheNetworkIsEveryInterfaceButLoopbackAndPowerIsAValueOrAReason) {
    Handle table = 0;
    ASSERT_EQ(real.GetIfTable2(&table), 0u);
    const std::vector<InterfaceRow> rows = real.MibIfTableRows(table);
    real.FreeMibTable(table);
    std::vector<std::string> expected;
    for (const auto& row : rows)
        if (row.type != 24 && !row.filterInterface) // 24: the software loopback
            expected.push_back(row.alias);
    EXPECT_LT(expected.size(), rows.size()) << "no loopback interface listed";

    std::vector<std::string> names;
    activity.networkBytes([&](Reading<std::vector<InterfaceBytes>> reading) {
        ASSERT_TRUE(reading.value) << reading.failure;
        for (const auto& i : *reading.value) {
            names.push_back(i.name);
            std::printf("network: %s %llu/%llu\n", i.name.c_str(),
                        static_cast<unsigned long long>(i.received), static_cast<unsigned long long>(i.sent));
        }
    });
    EXPECT_EQ(names, expected);

    SYSTEM_POWER_STATUS status{};
    ASSERT_TRUE(GetSystemPowerStatus(&status));
    activity.powerSource([&](Reading<PowerSource> reading) {
        EXPECT_NE(reading.value.has_value(), !reading.failure.empty());
        if (status.BatteryFlag != 255 && (status.BatteryFlag & 128)) {
            EXPECT_EQ(reading.failure, "This computer has no battery");
        }
        std::printf("power: %s\n", reading.value ? (reading.value->onBattery ? "on battery" : "on mains")
                                                 : reading.failure.c_str());
    });
}

} // namespace
} // namespace halvo::test

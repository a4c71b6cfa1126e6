#include "model/ProcessRoutines.h"
#include "platform/fake/RecordingPlatform.h"

#include <gtest/gtest.h>

using namespace halvo;
using Calls = std::vector<std::string>;

namespace {

class Windows : public ::testing::Test {
protected:
    RecordingPlatform fake;
    ScopedPlatform guard{fake};

    void processes(std::initializer_list<std::uint32_t> ids) {
        for (auto id : ids)
            fake.addProcess(id, {0x1F0FFF, 0x410}, "/usr/bin/p" + std::to_string(id));
    }
};

std::vector<std::string> titles(const std::vector<WindowEntry>& list) {
    std::vector<std::string> out;
    for (const auto& e : list)
        out.push_back(e.title);
    return out;
}

} // namespace

TEST_F(Windows, CollectsVisibleParentlessTitledWindowsInZOrder) {
    fake.addWindow(1, "Editor", 10);
    fake.addWindow(2, "hidden", 10, false);
    fake.addWindow(3, "dialog", 10, true, 1);
    fake.addWindow(4, "", 11);
    fake.addWindow(5, "Editor", 12);
    fake.windows.push_back({6, "gone", false, true, 0, 13});
    const auto list = CollectTopLevelWindows();
    EXPECT_EQ(titles(list), (std::vector<std::string>{"Editor", "Editor"}));
    EXPECT_EQ(list[1].window, 5u);
    EXPECT_EQ(fake.calls[0], "EnumWindows()");
    EXPECT_EQ(fake.calls[1], "IsWindow(1)");
    EXPECT_EQ(fake.calls[2], "IsWindowVisible(1)");
    EXPECT_EQ(fake.calls[3], "GetParent(1)");
    EXPECT_EQ(fake.calls[4], "GetWindowTextA(1, 101)");
    // A hidden window is not asked for its parent or title.
    EXPECT_EQ(fake.calls[5], "IsWindow(2)");
    EXPECT_EQ(fake.calls[6], "IsWindowVisible(2)");
    EXPECT_EQ(fake.calls[7], "IsWindow(3)");
}

TEST_F(Windows, TitleLongerThanAHundredBytesIsCut) {
    fake.addWindow(1, std::string(150, 'x'), 10);
    fake.addWindow(2, std::string(100, 'y'), 10);
    const auto list = CollectTopLevelWindows();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].title, std::string(100, 'x'));
    EXPECT_EQ(list[1].title, std::string(100, 'y'));
}

TEST_F(Windows, CloseAllEndsTheFirstOfTwoAdjacentProcessesOnceAndSparesTheLast) {
    processes({10, 20});
    fake.addWindow(1, "A1", 10);
    fake.addWindow(2, "A2", 10);
    fake.addWindow(3, "B", 20);
    fake.clearCalls();
    CloseAllPrograms();
    EXPECT_EQ(fake.terminatedProcessIds, (std::vector<std::uint32_t>{10}));
    const auto tail = Calls(fake.calls.end() - 7, fake.calls.end());
    EXPECT_EQ(tail,
              (Calls{"GetWindowThreadProcessId(1)", "GetWindowThreadProcessId(2)",
                     "GetWindowThreadProcessId(2)", "GetWindowThreadProcessId(3)",
                     "OpenProcess(0x1F0FFF, false, 10)", "TerminateProcess(1000, 0)", "CloseHandle(1000)"}));
}

TEST_F(Windows, CloseAllOnABAEndsAThenBAndNotATwice) {
    processes({10, 20});
    fake.addWindow(1, "A", 10);
    fake.addWindow(2, "B", 20);
    fake.addWindow(3, "A again", 10);
    CloseAllPrograms();
    EXPECT_EQ(fake.terminatedProcessIds, (std::vector<std::uint32_t>{10, 20}));
    EXPECT_TRUE(fake.openHandles.empty());
}

TEST_F(Windows, CloseAllWithFewerThanTwoWindowsEndsNothing) {
    processes({10});
    CloseAllPrograms();
    fake.addWindow(1, "only", 10);
    CloseAllPrograms();
    EXPECT_TRUE(fake.callsStartingWith("OpenProcess").empty());
    EXPECT_TRUE(fake.callsStartingWith("GetWindowThreadProcessId").empty());
}

TEST_F(Windows, CloseAllPassesOverOurOwnProcessAndProcessesItCannotOpen) {
    processes({10, 30});
    fake.currentProcessId = 20;
    fake.addProcess(20, {0x1F0FFF});
    fake.addWindow(1, "A", 10);
    fake.addWindow(2, "Halvo ShutDown", 20);
    fake.addWindow(3, "system", 40); // cannot be opened
    fake.addWindow(4, "C", 30);
    fake.addWindow(5, "last", 50);
    CloseAllPrograms();
    EXPECT_EQ(fake.terminatedProcessIds, (std::vector<std::uint32_t>{10, 30}));
    EXPECT_EQ(fake.callsStartingWith("OpenProcess"),
              (Calls{"OpenProcess(0x1F0FFF, false, 10)", "OpenProcess(0x1F0FFF, false, 40)",
                     "OpenProcess(0x1F0FFF, false, 30)"}));
}

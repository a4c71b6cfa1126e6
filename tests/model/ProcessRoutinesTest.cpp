#include "model/ProcessRoutines.h"
#include "tests/fakes/RecordingPlatform.h"

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
            fake.addProcess(id, "/usr/bin/p" + std::to_string(id));
    }
};

} // namespace

TEST_F(Windows, CloseAllEndsTheFirstOfTwoAdjacentProcessesOnceAndSparesTheLast) {
    processes({10, 20});
    fake.addWindow(1, "A1", 10);
    fake.addWindow(2, "A2", 10);
    fake.addWindow(3, "B", 20);
    CloseAllPrograms();
    EXPECT_EQ(fake.calls, Calls{"end process 10"});
}

TEST_F(Windows, CloseAllOnABAEndsAThenBAndNotATwice) {
    processes({10, 20});
    fake.addWindow(1, "A", 10);
    fake.addWindow(2, "B", 20);
    fake.addWindow(3, "A again", 10);
    CloseAllPrograms();
    EXPECT_EQ(fake.calls, (Calls{"end process 10", "end process 20"}));
}

TEST_F(Windows, CloseAllWithFewerThanTwoWindowsEndsNothing) {
    processes({10});
    CloseAllPrograms();
    fake.addWindow(1, "only", 10);
    CloseAllPrograms();
    EXPECT_TRUE(fake.calls.empty());
}

TEST_F(Windows, CloseAllPassesOverOurOwnProcess) {
    processes({10, 30});
    fake.currentProcessId = 20;
    fake.addWindow(1, "A", 10);
    fake.addWindow(2, "Halvo ShutDown", 20);
    fake.addWindow(3, "system", 40);
    fake.addWindow(4, "C", 30);
    fake.addWindow(5, "last", 50);
    CloseAllPrograms();
    EXPECT_EQ(fake.calls, (Calls{"end process 10", "end process 40", "end process 30"}));
}

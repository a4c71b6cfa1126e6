#include "model/ProcessRoutines.h"
#include "tests/fakes/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <utility>

using namespace halvo;
using Calls = std::vector<std::string>;

TEST(Windows, CloseAllEndsEachRunsProcessOnceAndSparesTheLastAndItsOwn) {
    struct Case {
        const char* name;
        std::vector<std::uint32_t> processes;
        std::vector<std::pair<std::string, std::uint32_t>> windows; // title and process, top first
        std::uint32_t ownProcess;
        Calls calls;
    };
    const Case cases[] = {
        {"the first of two adjacent processes once, the last spared",
         {10, 20},
         {{"A1", 10}, {"A2", 10}, {"B", 20}},
         4242,
         {"end process 10"}},
        {"A B A: A, then B, and not A twice",
         {10, 20},
         {{"A", 10}, {"B", 20}, {"A again", 10}},
         4242,
         {"end process 10", "end process 20"}},
        {"no window", {10}, {}, 4242, {}},
        {"one window", {10}, {{"only", 10}}, 4242, {}},
        {"its own process passed over",
         {10, 30},
         {{"A", 10}, {"Halvo ShutDown", 20}, {"system", 40}, {"C", 30}, {"last", 50}},
         20,
         {"end process 10", "end process 40", "end process 30"}},
    };
    for (const Case& c : cases) {
        RecordingPlatform fake;
        ScopedPlatform guard{fake};
        fake.currentProcessId = c.ownProcess;
        for (const std::uint32_t id : c.processes)
            fake.addProcess(id, "/usr/bin/p" + std::to_string(id));
        WindowId window = 0;
        for (const auto& [title, process] : c.windows)
            fake.addWindow(++window, title, process);
        CloseAllPrograms();
        EXPECT_EQ(fake.calls, c.calls) << c.name;
    }
}

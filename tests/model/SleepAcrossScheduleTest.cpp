// A schedule that sends the computer to sleep: the schedule is stored before the request, and after the
// computer wakes the crossing rule alone decides what fires: an item whose time passed during sleep fires
// once, and nothing fires twice.

#include "model/DateTime.h"
#include "model/ScheduleEvaluator.h"
#include "tests/fakes/RecordingPlatform.h"
#include "tests/fakes/RecordingUi.h"

#include <gtest/gtest.h>

using namespace halvo;

TEST(SleepAcrossSchedule, ItemsWhoseTimePassedDuringSleepFireOnceAfterWaking) {
    RecordingPlatform fake;
    ScopedPlatform platformGuard{fake};
    RecordingUi recordingUi;
    ScopedUi uiGuard{recordingUi};
    TScheduleManager manager;
    std::vector<std::string> events; // the page's stores and the requests, in order
    ScheduleHooks hooks;
    hooks.remind = [] { return false; };
    hooks.fired = [&](TScheduleItem& item) { events.push_back("stored before " + item.ItemName); };
    ScheduleEvaluator evaluator(manager, hooks);

    const auto add = [&](const char* name, int code, int hour, int minute) -> TScheduleItem& {
        TScheduleItem& item = manager.Add();
        item.ItemName = name;
        item.Task = TaskFromCode(code);
        item.TimeRule.Period = TPeriod::EveryDay;
        item.TimeRule.TimeOfDay = EncodeTime(hour, minute, 0);
        return item;
    };
    add("sleep", 12, 22, 0);
    add("lock", 11, 22, 30);
    const auto tickAt = [&](int day, int hour, int minute, int second) {
        fake.setNow(2026, 12, day, hour, minute, second);
        evaluator.Tick();
        for (const auto& call : fake.calls)
            if (call == "sleep" || call == "lock")
                events.push_back(call);
        fake.clearCalls();
    };

    tickAt(8, 21, 59, 0);
    tickAt(8, 22, 0, 1);
    // Asleep from 22:00 to 23:15: the lock's time passed meanwhile.
    tickAt(8, 23, 15, 0);
    tickAt(8, 23, 15, 1);
    tickAt(8, 23, 59, 59);
    EXPECT_EQ(events,
              (std::vector<std::string>{"stored before sleep", "sleep", "stored before lock", "lock"}));
}

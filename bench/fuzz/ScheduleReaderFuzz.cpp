// libFuzzer target of the schedule file reader: any bytes must give items or a fault text, never a crash,
// a leak or an allocation the data does not pay for. What was read must write and read back unchanged,
// and the evaluation must cope with whatever values the file held.

#include "model/ScheduleFile.h"
#include "tests/fakes/RecordingPlatform.h"
#include "tests/fakes/RecordingUi.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace halvo;

namespace {

// Deliberately more than the seeds hold, few enough to keep every run fast.
constexpr int MaxRecords = 64;

void readAll(std::string_view data, TScheduleManager& manager) {
    ScheduleReader reader(data);
    for (int i = 0; i < MaxRecords && !reader.AtEnd(); ++i) {
        const std::string fault = reader.ReadRecord(manager.Add());
        if (!fault.empty()) {
            if (fault.find("rror") == std::string::npos && fault != "Invalid stream format")
                std::abort(); // a fault text the program does not know
            manager.Delete(manager.Count() - 1);
            return;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Only the fake platform: nothing read here may reach the machine.
    static RecordingPlatform fake;
    static RecordingUi recordingUi;
    static const bool installed = (setPlatform(&fake), setUi(&recordingUi), true);
    (void)installed;

    TScheduleManager manager;
    readAll(std::string_view(reinterpret_cast<const char*>(data), size), manager);

    const std::string written = WriteScheduleFile(manager);
    TScheduleManager back;
    ScheduleReader reader(written);
    for (int i = 0; i < manager.Count(); ++i)
        if (!reader.ReadRecord(back.Add()).empty())
            std::abort();
    if (!reader.AtEnd() || WriteScheduleFile(back) != written)
        std::abort();

    const WallSeconds now = WallSecondsOf({.year = 2026, .month = 12, .day = 8, .hour = 22, .minute = 30});
    for (int i = 0; i < manager.Count(); ++i) {
        TScheduleItem& item = manager.Item(i);
        item.UpdateDueToday(DayOf(now));
        item.TimeRule.CheckCrossing(LocalTimeOf(now));
        item.TimeRule.CheckCrossing(LocalTimeOf(now + SecondsPerDay / 2));
    }
    fake.clearCalls();
    recordingUi.popups.clear();
    return 0;
}

// How long one tick over a large schedule takes, and how long and how much memory saving and loading a
// large schedule file takes. The clock is the fake one; the files are real files in a temporary folder,
// written beside the target and renamed over it as the real backends do.

#include "model/ScheduleEvaluator.h"
#include "model/ScheduleFile.h"
#include "platform/IniFile.h"
#include "tests/fakes/RecordingPlatform.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>

// Heap accounting for the memory figures: every allocation carries its size in front of it.
namespace {

std::atomic<std::size_t> heapInUse{0};
std::atomic<std::size_t> heapPeak{0};
constexpr std::size_t HeaderSize = alignof(std::max_align_t);

void* allocate(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + HeaderSize));
    if (!block)
        throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::size_t now = heapInUse.fetch_add(size) + size;
    std::size_t peak = heapPeak.load();
    while (now > peak && !heapPeak.compare_exchange_weak(peak, now)) {
    }
    return block + HeaderSize;
}

void release(void* pointer) noexcept {
    if (!pointer)
        return;
    auto* block = static_cast<unsigned char*>(pointer) - HeaderSize;
    heapInUse.fetch_sub(*reinterpret_cast<std::size_t*>(block));
    std::free(block);
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* pointer) noexcept {
    release(pointer);
}
void operator delete[](void* pointer) noexcept {
    release(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    release(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
    release(pointer);
}

using namespace halvo;

namespace {

namespace fs = std::filesystem;

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The fake platform with real files: the INI module on setting.ini, and whole-file writes by rename.
class DiskPlatform : public RecordingPlatform {
public:
    std::string readKey(const std::string& file, const std::string& section, const std::string& key,
                        std::size_t longest) override {
        return fs::exists(file) ? ini::GetValue(readFile(file), section, key).value_or("").substr(0, longest)
                                : std::string();
    }
    bool writeKey(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) override {
        std::string error;
        const std::string text = fs::exists(file) ? readFile(file) : std::string();
        return writeWholeFile(file, ini::SetValue(text, section, key, value), error);
    }
    bool readWholeFile(const std::string& path, std::string& data, std::string& error) override {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        if (!in) {
            error = "cannot open";
            return false;
        }
        data.resize(std::size_t(in.tellg()));
        in.seekg(0);
        in.read(data.data(), std::streamsize(data.size()));
        return bool(in);
    }
    bool writeWholeFile(const std::string& path, const std::string& data, std::string& error) override {
        const std::string temporary = path + ".new";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(data.data(), std::streamsize(data.size()));
            if (!out.flush()) {
                error = "cannot write";
                return false;
            }
        }
        std::error_code code;
        fs::rename(temporary, path, code);
        return !code;
    }
};

// Message tasks make a popup each; here nothing is shown and nothing is kept.
class QuietUi final : public UiServices {
    class Popup final : public NotificationPopup {
    public:
        void SetMessageText(const std::string& text) override { m_text = text; }
        std::string MessageText() const override { return m_text; }
        void SetTitle(const std::string& title) override { m_title = title; }
        std::string Title() const override { return m_title; }
        void Show() override {}

    private:
        std::string m_text;
        std::string m_title;
    };

public:
    void ShowMessage(const std::string&) override {}
    std::unique_ptr<NotificationPopup> CreateNotificationPopup() override {
        return std::make_unique<Popup>();
    }
};

QuietUi quietUi;
[[maybe_unused]] const bool quietUiInstalled = (setUi(&quietUi), true);

// A schedule of every kind of rule and of the tasks with parameters, as a heavy user might keep.
void fillSchedule(TScheduleManager& manager, int count) {
    for (int i = 0; i < count; ++i) {
        TScheduleItem& item = manager.Add();
        item.ItemName = "Schedule item " + std::to_string(i);
        item.TimeRule.Period = static_cast<TPeriod>(i % 4);
        item.TimeRule.Day = i % 4 == int(TPeriod::EveryWeek) ? 1 + i % 7 : 1 + i % 31;
        item.TimeRule.OnceDate = EncodeDate(2026, 12, 1 + i % 28);
        item.TimeRule.TimeOfDay = EncodeTime(12 + i % 12, i % 60, 30);
        item.TimeRule.DisplayText = "22:30:00:EveryDay";
        item.TimeRule.CrossState = TCrossState::Ahead;
        item.Active = true;
        switch (i % 4) {
        case 0:
            item.Task = std::make_unique<TShutDownTask>();
            break;
        case 1: {
            auto task = std::make_unique<TExecuteTask>();
            task->CommandLine = "/usr/bin/backup --target /srv/backup/" + std::to_string(i);
            item.Task = std::move(task);
            break;
        }
        case 2: {
            auto task = std::make_unique<TCloseProgramTask>();
            task->WindowText = "Untitled - Editor";
            task->ProcessId = 1000u + unsigned(i);
            item.Task = std::move(task);
            break;
        }
        default: {
            auto task = std::make_unique<TMessageTask>();
            task->Lines = {"Time to stop", "Save your work"};
            item.Task = std::move(task);
            break;
        }
        }
    }
}

struct TemporaryFolder {
    fs::path path = fs::temp_directory_path() / "halvo-schedule-bench";
    TemporaryFolder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TemporaryFolder() { fs::remove_all(path); }
};

void TickOverItems(benchmark::State& state) {
    RecordingPlatform fake;
    ScopedPlatform guard(fake);
    fake.setNow(2026, 12, 8, 10, 0, 0);
    TScheduleManager manager;
    fillSchedule(manager, int(state.range(0)));
    int fired = 0;
    ScheduleHooks hooks;
    hooks.remind = [] { return false; };
    hooks.fired = [&](TScheduleItem&) { ++fired; };
    ScheduleEvaluator evaluator(manager, hooks);
    for (auto _ : state) {
        fake.advanceMilliseconds(1); // stays before every item's time: a tick in which nothing fires
        evaluator.Tick();
    }
    if (fired)
        state.SkipWithError("an item fired");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(TickOverItems)->Arg(10000)->Unit(benchmark::kMicrosecond);

void SaveSchedule(benchmark::State& state) {
    DiskPlatform disk;
    ScopedPlatform guard(disk);
    TemporaryFolder folder;
    TScheduleManager manager;
    manager.SetSettingsPath((folder.path / "setting.ini").string());
    fillSchedule(manager, int(state.range(0)));
    const std::string path = (folder.path / "sch.cks").string();
    std::size_t peakAbove = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse.load();
        heapPeak = before;
        const std::string fault = manager.SaveSchedule(path);
        peakAbove = heapPeak.load() - before;
        if (!fault.empty())
            state.SkipWithError(fault.c_str());
    }
    const double fileBytes = double(fs::file_size(path));
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["peak_heap_MB"] = double(peakAbove) / 1e6;
    state.counters["heap_per_file_byte"] = double(peakAbove) / fileBytes;
}
BENCHMARK(SaveSchedule)->Arg(100000)->Unit(benchmark::kMillisecond);

void LoadSchedule(benchmark::State& state) {
    DiskPlatform disk;
    ScopedPlatform guard(disk);
    TemporaryFolder folder;
    const std::string path = (folder.path / "sch.cks").string();
    const std::string settings = (folder.path / "setting.ini").string();
    {
        TScheduleManager source;
        source.SetSettingsPath(settings);
        fillSchedule(source, int(state.range(0)));
        source.SaveSchedule(path);
    }
    std::size_t peakAbove = 0;
    std::size_t kept = 0;
    for (auto _ : state) {
        auto manager = std::make_unique<TScheduleManager>();
        manager->SetSettingsPath(settings);
        const std::size_t before = heapInUse.load();
        heapPeak = before;
        const std::string fault = manager->LoadSchedule(path);
        peakAbove = heapPeak.load() - before;
        kept = heapInUse.load() - before;
        if (!fault.empty() || manager->Count() != state.range(0))
            state.SkipWithError(fault.empty() ? "items missing" : fault.c_str());
        state.PauseTiming();
        manager.reset();
        state.ResumeTiming();
    }
    const double fileBytes = double(fs::file_size(path));
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["peak_heap_MB"] = double(peakAbove) / 1e6;
    state.counters["schedule_heap_MB"] = double(kept) / 1e6;
    state.counters["heap_per_file_byte"] = double(peakAbove) / fileBytes;
}
BENCHMARK(LoadSchedule)->Arg(100000)->Unit(benchmark::kMillisecond);

// The byte format alone, without the disk.
void WriteAndReadInMemory(benchmark::State& state) {
    RecordingPlatform fake;
    ScopedPlatform guard(fake);
    TScheduleManager manager;
    fillSchedule(manager, int(state.range(0)));
    for (auto _ : state) {
        const std::string file = WriteScheduleFile(manager);
        ScheduleReader reader(file);
        TScheduleManager back;
        while (!reader.AtEnd())
            if (!reader.ReadRecord(back.Add()).empty())
                state.SkipWithError("read fault");
        benchmark::DoNotOptimize(back.Count());
        state.PauseTiming();
        back.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(WriteAndReadInMemory)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

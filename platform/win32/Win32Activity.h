#pragma once

// What the computer and its user are doing, read on Windows through the layer of Windows calls: the last
// input, the processor times, the interfaces' byte counters, the power status and the process list. A
// process is watched through its handle on the system's thread pool; its end comes back as a message to
// a message-only window of the thread that asked, so `ended` runs there.

#include "Win32Api.h"
#include "platform/Activity.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace halvo {

class Win32Activity final : public Activity {
public:
    // api must outlive this. Create and use it on the interface thread.
    explicit Win32Activity(Win32Api& api);
    ~Win32Activity() override;
    Win32Activity(const Win32Activity&) = delete;
    Win32Activity& operator=(const Win32Activity&) = delete;

    void userIdle(std::function<void(Reading<std::int64_t> idleMs)> answer) override;
    void processorTimes(std::function<void(Reading<ProcessorTimes>)> answer) override;
    void networkBytes(std::function<void(Reading<std::vector<InterfaceBytes>>)> answer) override;
    bool countersOnAnyThread() const override { return true; }
    void powerSource(std::function<void(Reading<PowerSource>)> answer) override;
    std::vector<std::uint32_t> processesRunning(const std::string& name) override;
    bool watchProcess(std::uint32_t processId, std::function<void()> ended, std::string& failure) override;
    void stopWatching(std::uint32_t processId) override;

private:
    struct Watch {
        Handle process = 0;
        Handle wait = 0;
        std::uint64_t number = 0;
        std::function<void()> ended;
    };
    std::intptr_t onMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    void release(const Watch& watch);
    // The system's reason for the call that just failed.
    std::string lastErrorText();

    Win32Api& m_api;
    Handle m_window = 0; // made at the first watch
    std::map<std::uint32_t, Watch> m_watches;
    std::uint64_t m_nextNumber = 1;
};

} // namespace halvo

#pragma once

// What the user and the computer are doing, read on a Linux desktop: the kernel's counters in /proc, the X
// server's screen-saver extension or the Wayland desktop's idle service for the user's input, UPower for
// the battery, pidfds for programs that end.

#include "platform/Activity.h"

#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QObject;
class QSocketNotifier;
struct xcb_connection_t;

namespace halvo::linuxbackend {

class LinuxActivity final : public Activity {
public:
    // displayName: the X display whose idle time counts; empty for $DISPLAY. procFolder: where the kernel's
    // process file system is mounted (the counters follow this process's network namespace).
    explicit LinuxActivity(std::string displayName = {}, std::string procFolder = "/proc");
    ~LinuxActivity() override;
    LinuxActivity(const LinuxActivity&) = delete;
    LinuxActivity& operator=(const LinuxActivity&) = delete;

    void userIdle(std::function<void(Reading<std::int64_t> idleMs)> answer) override;
    void processorTimes(std::function<void(Reading<ProcessorTimes>)> answer) override;
    void networkBytes(std::function<void(Reading<std::vector<InterfaceBytes>>)> answer) override;
    bool countersOnAnyThread() const override { return true; }
    void powerSource(std::function<void(Reading<PowerSource>)> answer) override;
    std::vector<std::uint32_t> processesRunning(const std::string& name) override;
    bool watchProcess(std::uint32_t processId, std::function<void()> ended, std::string& failure) override;
    void stopWatching(std::uint32_t processId) override;

private:
    // A file of the kernel's counters, read whole from its start.
    class CounterFile {
    public:
        explicit CounterFile(std::string path) : m_path(std::move(path)) {}
        ~CounterFile() { close(); }
        CounterFile(const CounterFile&) = delete;
        CounterFile& operator=(const CounterFile&) = delete;
        // False with the reason in failure when it cannot be read. The text is in scratch when it fits,
        // else here; it holds until the next read and while scratch lives.
        bool read(std::span<char> scratch, std::string_view& text, std::string& failure);
        void close();
        const std::string& path() const { return m_path; }

    private:
        std::string m_path;
        std::string m_text;
        int m_file = -1;
        bool m_kept = false;
    };

    struct Watch {
        int pidfd = -1;
        std::unique_ptr<QSocketNotifier> notifier;
        std::function<void()> ended;
    };

    Reading<ProcessorTimes> readProcessorTimes();
    Reading<std::vector<InterfaceBytes>> readNetworkBytes();
    std::optional<std::int64_t> x11IdleMs();
    // tried: how many services were asked already for this reading.
    void askIdleServices(std::size_t tried, std::function<void(Reading<std::int64_t>)> answer);
    void processEnded(std::uint32_t processId);

    std::string m_displayName;
    std::string m_proc;
    CounterFile m_processorFile;
    CounterFile m_networkFile;
    std::mutex m_countersLock; // over the two files and what is kept of the interfaces
    int m_flagSocket = -1;     // asks the network interfaces' flags
    std::vector<std::pair<std::string, bool>> m_loopback; // each interface last read: is it the loopback
    std::size_t m_idleService = 0;                        // the desktop's idle service that answered last
    xcb_connection_t* m_x11 = nullptr;
    std::uint32_t m_x11Root = 0;
    // Parent of the bus calls under way, so that none answers once this object is gone.
    std::unique_ptr<QObject> m_calls;
    std::map<std::uint32_t, Watch> m_watches;
};

} // namespace halvo::linuxbackend

#pragma once

// What the computer and its user are doing, for actions that wait for a condition instead of a time: the
// user's input, the processors, the network, the battery and the programs running. No Qt and no OS header
// here.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace halvo {

// Counters that only grow while the system runs; a condition reads the difference of two readings.
struct ProcessorTimes {
    std::uint64_t busy = 0;  // time of all cores not idle (waiting for input or output counts as idle)
    std::uint64_t total = 0; // all time of all cores, in the same units
};

struct InterfaceBytes {
    std::string name; // the network interface; loopback is never listed
    std::uint64_t received = 0;
    std::uint64_t sent = 0;
};

struct PowerSource {
    bool onBattery = false;
    double percent = 0; // the battery's charge, 0 to 100
};

// A reading: a value, or the system's reason why there is none; never a made-up zero.
template <class T> struct Reading {
    std::optional<T> value;
    std::string failure; // in words for the user, when there is no value
};

class Activity {
public:
    virtual ~Activity() = default;
    // Each answer comes through its callback on the interface thread, possibly before the call returns;
    // nothing here blocks the interface thread (calls on a bus are asynchronous).
    virtual void userIdle(std::function<void(Reading<std::int64_t> idleMs)> answer) = 0;
    virtual void processorTimes(std::function<void(Reading<ProcessorTimes>)> answer) = 0;
    virtual void networkBytes(std::function<void(Reading<std::vector<InterfaceBytes>>)> answer) = 0;
    // True when processorTimes and networkBytes answer before they return and may also be called on one
    // thread besides the interface thread, answering on it: they can then be sampled without waking the
    // interface thread.
    virtual bool countersOnAnyThread() const { return false; }
    // Failure "no battery" style reasons where the computer has none.
    virtual void powerSource(std::function<void(Reading<PowerSource>)> answer) = 0;
    // This user's processes that run the program name (the program file's name without its folder; on
    // Windows with or without ".exe", in any case), by process id.
    virtual std::vector<std::uint32_t> processesRunning(const std::string& name) = 0;
    // Calls ended once, on the interface thread, when the process has ended (soon after the call when it
    // has already). False, with the reason in failure, when the process cannot be watched (no process with
    // that id, another user's). A watch ends with its call or with stopWatching.
    virtual bool watchProcess(std::uint32_t processId, std::function<void()> ended, std::string& failure) = 0;
    virtual void stopWatching(std::uint32_t processId) = 0;
};

} // namespace halvo

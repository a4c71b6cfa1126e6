#pragma once

// A scripted Activity for tests: the readings are what the test set last (a value or a failure), every
// answer comes at once unless the test holds them back, and the test ends the processes it listed, which
// calls their watches.

#include "platform/Activity.h"

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace halvo {

class FakeActivity : public Activity {
public:
    // ---- the script ----
    Reading<std::int64_t> idle{{}, "no idle source"};
    Reading<ProcessorTimes> processor{{}, "no processor times"};
    Reading<std::vector<InterfaceBytes>> network{{}, "no network counters"};
    Reading<PowerSource> power{{}, "no battery"};
    // This user's processes by id, with their program names; processes of other users by id.
    std::map<std::uint32_t, std::string> processes;
    std::set<std::uint32_t> otherUsersProcesses;

    // Answers wait until deliverAnswers(), as a bus's would, while this is set.
    bool deferAnswers = false;
    void deliverAnswers();
    // Removes the process and calls its watch, if any.
    void endProcess(std::uint32_t processId);
    // The processes watched now.
    std::set<std::uint32_t> watched() const;
    // How many processor readings were asked for.
    int processorAsked = 0;
    // Counters read on any thread, as the real backends' are: processor and network are then changed
    // under countersLock.
    bool countersAnyThread = false;
    std::mutex countersLock;

    // ---- Activity ----
    void userIdle(std::function<void(Reading<std::int64_t>)> answer) override;
    void processorTimes(std::function<void(Reading<ProcessorTimes>)> answer) override;
    void networkBytes(std::function<void(Reading<std::vector<InterfaceBytes>>)> answer) override;
    bool countersOnAnyThread() const override { return countersAnyThread; }
    void powerSource(std::function<void(Reading<PowerSource>)> answer) override;
    std::vector<std::uint32_t> processesRunning(const std::string& name) override;
    bool watchProcess(std::uint32_t processId, std::function<void()> ended, std::string& failure) override;
    void stopWatching(std::uint32_t processId) override;

private:
    void reply(std::function<void()> answer);

    std::map<std::uint32_t, std::function<void()>> m_watches;
    std::vector<std::function<void()>> m_deferred;
};

} // namespace halvo

#include "tests/fakes/FakeActivity.h"

#include <utility>

namespace halvo {

void FakeActivity::endProcess(std::uint32_t processId) {
    processes.erase(processId);
    const auto watch = m_watches.find(processId);
    if (watch == m_watches.end())
        return;
    const std::function<void()> ended = std::move(watch->second);
    m_watches.erase(watch);
    ended();
}

void FakeActivity::reply(std::function<void()> answer) {
    if (deferAnswers)
        m_deferred.push_back(std::move(answer));
    else
        answer();
}

void FakeActivity::deliverAnswers() {
    for (const std::function<void()>& answer : std::exchange(m_deferred, {}))
        answer();
}

std::set<std::uint32_t> FakeActivity::watched() const {
    std::set<std::uint32_t> ids;
    for (const auto& [id, ended] : m_watches)
        ids.insert(id);
    return ids;
}

void FakeActivity::userIdle(std::function<void(Reading<std::int64_t>)> answer) {
    reply([answer, value = idle] { answer(value); });
}

void FakeActivity::processorTimes(std::function<void(Reading<ProcessorTimes>)> answer) {
    std::unique_lock hold(countersLock);
    ++processorAsked;
    Reading<ProcessorTimes> value = processor;
    hold.unlock();
    reply([answer, value] { answer(value); });
}

void FakeActivity::networkBytes(std::function<void(Reading<std::vector<InterfaceBytes>>)> answer) {
    std::unique_lock hold(countersLock);
    Reading<std::vector<InterfaceBytes>> value = network;
    hold.unlock();
    reply([answer, value] { answer(value); });
}

void FakeActivity::powerSource(std::function<void(Reading<PowerSource>)> answer) {
    reply([answer, value = power] { answer(value); });
}

std::vector<std::uint32_t> FakeActivity::processesRunning(const std::string& name) {
    std::vector<std::uint32_t> ids;
    for (const auto& [id, program] : processes)
        if (program == name)
            ids.push_back(id);
    return ids;
}

bool FakeActivity::watchProcess(std::uint32_t processId, std::function<void()> ended, std::string& failure) {
    if (otherUsersProcesses.count(processId)) {
        failure = "process " + std::to_string(processId) + " belongs to another user";
        return false;
    }
    if (!processes.count(processId)) {
        failure = "no process " + std::to_string(processId);
        return false;
    }
    m_watches[processId] = std::move(ended);
    return true;
}

void FakeActivity::stopWatching(std::uint32_t processId) {
    m_watches.erase(processId);
}

} // namespace halvo

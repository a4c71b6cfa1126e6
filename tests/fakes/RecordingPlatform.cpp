#include "tests/fakes/RecordingPlatform.h"

#include "platform/CivilDate.h"
#include "platform/IniFile.h"

namespace halvo {

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

namespace {

std::string forced(const char* action, bool force) {
    return std::string(action) + (force ? ", forced" : "");
}

} // namespace

RecordingPlatform::RecordingPlatform() {
    setNow(2026, 12, 8, 10, 0, 0);
}

void RecordingPlatform::addWindow(WindowId window, std::string title, std::uint32_t processId) {
    topLevelWindows.push_back(FakeWindow{window, std::move(title), processId});
}

void RecordingPlatform::addProcess(std::uint32_t id, std::string programFile, bool mayEnd) {
    processes[id] = FakeProcess{mayEnd, std::move(programFile)};
}

void RecordingPlatform::setNow(int year, int month, int day, int hour, int minute, int second,
                               int milliseconds) {
    now.year = year;
    now.month = month;
    now.day = day;
    now.hour = hour;
    now.minute = minute;
    now.second = second;
    now.milliseconds = milliseconds;
    const long long days = civil::DaysFromDate(year, unsigned(month), unsigned(day));
    now.dayOfWeek = int(((days % 7) + 11) % 7); // 1970-01-01 was a Thursday (4)
}

void RecordingPlatform::announce(ClockChange change) {
    // A copy: the watcher may stop or replace the watch while it runs.
    if (auto watcher = m_clockWatcher)
        watcher(change);
}

void RecordingPlatform::advanceMilliseconds(long long ms) {
    if (ms > 0)
        elapsed += ms;
    long long days = civil::DaysFromDate(now.year, unsigned(now.month), unsigned(now.day));
    long long msOfDay = ((now.hour * 60LL + now.minute) * 60 + now.second) * 1000 + now.milliseconds + ms;
    const long long msPerDay = 86400000;
    days += msOfDay >= 0 ? msOfDay / msPerDay : -((-msOfDay + msPerDay - 1) / msPerDay);
    msOfDay = ((msOfDay % msPerDay) + msPerDay) % msPerDay;
    int y, m, d;
    civil::DateFromDays(days, y, m, d);
    setNow(y, m, d, int(msOfDay / 3600000), int(msOfDay / 60000 % 60), int(msOfDay / 1000 % 60),
           int(msOfDay % 1000));
}

std::vector<std::string> RecordingPlatform::callsStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.rfind(prefix, 0) == 0)
            out.push_back(c);
    return out;
}

std::vector<std::string> RecordingPlatform::sessionRequests() const {
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (m_sessionRequests.count(c))
            out.push_back(c);
    return out;
}

bool RecordingPlatform::request(std::string line) {
    m_sessionRequests.insert(line);
    record(std::move(line));
    return refusal.empty();
}

bool RecordingPlatform::shutDown(bool force) {
    return request(forced("shut down", force));
}

bool RecordingPlatform::powerOff(bool force) {
    return request(forced("power off", force));
}

bool RecordingPlatform::restart(bool force) {
    return request(forced("restart", force));
}

bool RecordingPlatform::logOff(bool force) {
    return request(forced("log off", force));
}

bool RecordingPlatform::lock() {
    return request("lock");
}

bool RecordingPlatform::sleep() {
    return request("sleep");
}

bool RecordingPlatform::hibernate() {
    return request("hibernate");
}

bool RecordingPlatform::startScreenSaver() {
    record("start the screen saver");
    return true;
}

bool RecordingPlatform::isOffered(SessionAction action) {
    if (action == SessionAction::Sleep)
        return suspendAllowed;
    if (action == SessionAction::Hibernate)
        return hibernateAllowed;
    return true;
}

std::vector<TopLevelWindow> RecordingPlatform::visibleWindows() {
    std::vector<TopLevelWindow> list;
    for (const FakeWindow& w : topLevelWindows)
        list.push_back(TopLevelWindow{w.title.substr(0, 100), w.window});
    return list;
}

std::uint32_t RecordingPlatform::processOf(WindowId window) {
    for (const FakeWindow& w : topLevelWindows)
        if (w.window == window)
            return w.processId;
    return 0;
}

void RecordingPlatform::endProcess(std::uint32_t processId) {
    record("end process " + std::to_string(processId));
    const auto it = processes.find(processId);
    if (it != processes.end() && it->second.mayEnd)
        endedProcessIds.push_back(processId);
}

std::string RecordingPlatform::programFile(std::uint32_t processId) {
    record("look into process " + std::to_string(processId));
    const auto it = processes.find(processId);
    return it == processes.end() ? std::string() : it->second.programFile;
}

bool RecordingPlatform::runProgram(const std::string& file, const std::optional<std::string>& parameters,
                                   std::string& failure) {
    record("run " + quoted(file) + (parameters ? " with " + quoted(*parameters) : std::string()));
    failure = launchRefusal;
    return launchRefusal.empty();
}

void RecordingPlatform::openDocument(const std::string& target, std::uintptr_t ownerWindow) {
    record("open " + quoted(target) + (ownerWindow ? " over a window" : ""));
}

AutoStart::Outcome RecordingPlatform::ensureEntry(const std::string& command) {
    record("ensure auto-start " + quoted(command));
    if (autoStartEntry && !autoStartIsCommand)
        return Outcome::NotACommand;
    if (autoStartEntry && !autoStartEntry->empty())
        return Outcome::Done;
    if (!autoStartWritable)
        return Outcome::NotWritten;
    autoStartEntry = command;
    return Outcome::Done;
}

AutoStart::Outcome RecordingPlatform::writeEntry(const std::string& command) {
    record("write auto-start " + quoted(command));
    if (!autoStartWritable)
        return Outcome::NotWritten;
    autoStartEntry = command;
    autoStartIsCommand = true;
    return Outcome::Done;
}

void RecordingPlatform::removeEntry() {
    record("remove auto-start");
    autoStartEntry.reset();
}

std::string RecordingPlatform::readKey(const std::string& file, const std::string& section,
                                       const std::string& key, std::size_t longest) {
    record("read [" + section + "] " + key + " of " + quoted(file));
    const std::string* text = readable(file);
    return text ? ini::GetValue(*text, section, key).value_or("").substr(0, longest) : std::string();
}

bool RecordingPlatform::writeKey(const std::string& file, const std::string& section, const std::string& key,
                                 const std::string& value) {
    record("write [" + section + "] " + key + " = " + quoted(value) + " to " + quoted(file));
    if (!writable(file))
        return false;
    std::string& text = storedFiles[file];
    text = ini::SetValue(text, section, key, value);
    return true;
}

// Through writeWholeFile, so a subclass that keeps its files elsewhere keeps the copies there too.
bool RecordingPlatform::writeBackupFile(const std::string& path, const std::string& data, const std::string&,
                                        std::string& error) {
    return writeWholeFile(path, data, error);
}

void RecordingPlatform::holdAwake(const std::string& why) {
    record("hold awake " + quoted(why));
    heldAwake = why;
}

void RecordingPlatform::releaseAwake() {
    record("release awake");
    heldAwake.reset();
}

bool RecordingPlatform::setWakeAlarm(std::int64_t msFromNow, std::string& failure) {
    record("wake alarm in " + std::to_string(msFromNow) + " ms");
    if (!wakeFailure.empty()) {
        failure = wakeFailure;
        return false;
    }
    wakeAlarmMs = msFromNow;
    return true;
}

void RecordingPlatform::clearWakeAlarm() {
    record("clear wake alarm");
    wakeAlarmMs.reset();
}

} // namespace halvo

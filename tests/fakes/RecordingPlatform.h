#pragma once

// The recording fake: every request the program makes of the system is recorded as one line saying what
// was asked ("power off, forced", "end process 1234", "write [setting] Setting_Remind = \"1\" to
// \"/opt/halvo/setting.ini\""), in call order, and answered from a script the test sets up. The clock, the
// files, the window list and the executable's folder answer without being recorded; tests look at their
// effects instead. The files, profile files too, are the in-memory ones of MemoryFiles (storedFiles, ...).

#include "platform/Platform.h"
#include "tests/fakes/FakeActivity.h"
#include "tests/fakes/MemoryFiles.h"

#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace halvo {

struct FakeWindow {
    WindowId window = 0;
    std::string title;
    std::uint32_t processId = 0;
};

struct FakeProcess {
    bool mayEnd = true;
    std::string programFile; // empty: cannot be looked into
};

class RecordingPlatform : public Platform,
                          public SessionPower,
                          public DesktopWindows,
                          public Launcher,
                          public AutoStart,
                          public Files,
                          public Profiles,
                          public WallClock,
                          public Text,
                          public PowerHolds,
                          public MemoryFiles {
public:
    RecordingPlatform();

    // ---- the script ----
    // The visible titled top-level windows, topmost first.
    std::vector<FakeWindow> topLevelWindows;
    std::map<std::uint32_t, FakeProcess> processes;
    void addWindow(WindowId window, std::string title, std::uint32_t processId);
    void addProcess(std::uint32_t id, std::string programFile = {}, bool mayEnd = true);

    // The readings conditions wait for, set by the test.
    FakeActivity activityFake;

    LocalTime now;
    // Sets the wall clock only, as a clock set by hand does; elapsed stays.
    void setNow(int year, int month, int day, int hour, int minute, int second, int milliseconds = 0);
    // Time passing (awake or asleep): moves the wall clock and, forward, elapsed too.
    void advanceMilliseconds(long long ms);
    // The clock that counts sleep and that setting the wall clock does not move; settable on its own.
    std::atomic<std::int64_t> elapsed = 0; // read on a sampling thread too
    // Passes a change to the watcher, as the system would; nothing when none watches.
    void announce(ClockChange change);
    bool watchingChanges() const { return static_cast<bool>(m_clockWatcher); }

    std::uint32_t currentProcessId = 4242;
    // Whether the system offers sleep and hibernation.
    bool suspendAllowed = true;
    bool hibernateAllowed = true;
    // Set: every session request is refused, and refusalReason gives this as the system's reason.
    std::string refusal;
    // Set: a program to run does not start, and this is the system's reason.
    std::string launchRefusal;

    // The auto-start entry: nothing when there is none.
    std::optional<std::string> autoStartEntry;
    bool autoStartIsCommand = true; // false: the entry holds something else
    bool autoStartWritable = true;

    // The ANSI code page's conversion; unset answers that there is none.
    std::function<std::optional<std::string>(const std::string&)> ansiConversion;

    std::string executablePathText = "/opt/halvo/halvo-shutdown";
    std::string executableFolderText = "/opt/halvo/";
    std::string userConfigFolderText = "/home/user/.config/halvo-shutdown/";

    // Wake alarms: set, a reason they cannot be had here (the option is then refused), a caveat, and a
    // reason setting one fails.
    std::string wakeProblem;
    std::string wakeCaveat;
    std::string wakeFailure;

    // ---- what happened ----
    std::vector<std::string> calls;
    std::vector<std::uint32_t> endedProcessIds;
    void clearCalls() { calls.clear(); }
    // The recorded calls that start with prefix, in order.
    std::vector<std::string> callsStartingWith(const std::string& prefix) const;
    // The recorded requests to end or interrupt the session, in order.
    std::vector<std::string> sessionRequests() const;

    // ---- Platform ----
    SessionPower& session() override { return *this; }
    DesktopWindows& windows() override { return *this; }
    Launcher& launcher() override { return *this; }
    AutoStart& autoStart() override { return *this; }
    Files& files() override { return *this; }
    Profiles& profiles() override { return *this; }
    WallClock& clock() override { return *this; }
    Text& text() override { return *this; }
    Activity& activity() override { return activityFake; }
    // Another's holds instead of the recorded ones (a real backend's, in its tests).
    PowerHolds* powerHoldsInstead = nullptr;
    PowerHolds& powerHolds() override { return powerHoldsInstead ? *powerHoldsInstead : *this; }
    // The hold as it stands: its why while held, nothing otherwise; and the wake alarm's milliseconds.
    std::optional<std::string> heldAwake;
    std::optional<std::int64_t> wakeAlarmMs;

    bool shutDown(bool force) override;
    bool powerOff(bool force) override;
    bool restart(bool force) override;
    bool logOff(bool force) override;
    bool lock() override;
    bool sleep() override;
    bool hibernate() override;
    bool startScreenSaver() override;
    bool isOffered(SessionAction action) override;
    std::string refusalReason() override { return refusal; }

    std::vector<TopLevelWindow> visibleWindows() override;
    std::uint32_t processOf(WindowId window) override;
    std::uint32_t ownProcessId() override { return currentProcessId; }
    void endProcess(std::uint32_t processId) override;
    std::string programFile(std::uint32_t processId) override;

    bool runProgram(const std::string& file, const std::optional<std::string>& parameters,
                    std::string& failure) override;
    void openDocument(const std::string& target, std::uintptr_t ownerWindow) override;

    Outcome ensureEntry(const std::string& command) override;
    Outcome writeEntry(const std::string& command) override;
    void removeEntry() override;

    std::string executablePath() override { return executablePathText; }
    std::string executableFolder() override { return executableFolderText; }
    std::string userConfigFolder() override { return userConfigFolderText; }
    bool exists(const std::string& path) override { return holds(path); }
    bool folderWritable(const std::string& folder) override { return folderIsWritable(folder); }
    bool makeFolder(const std::string& folder) override { return folderIsWritable(folder); }
    bool readWholeFile(const std::string& path, std::string& data, std::string& error) override {
        return read(path, data, error);
    }
    bool writeWholeFile(const std::string& path, const std::string& data, std::string& error) override {
        return write(path, data, error);
    }
    bool writeBackupFile(const std::string& path, const std::string& data, const std::string& original,
                         std::string& error) override;
    bool renameFile(const std::string& from, const std::string& to, std::string& error) override {
        return rename(from, to, error);
    }
    std::string writeProblem(const std::string& path) override { return whyNotWritable(path); }

    std::string readKey(const std::string& file, const std::string& section, const std::string& key,
                        std::size_t longest) override;
    bool writeKey(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) override;

    LocalTime localTime() override { return now; }
    std::int64_t elapsedMs() override { return elapsed; }
    void watchChanges(std::function<void(ClockChange)> notify) override {
        m_clockWatcher = std::move(notify);
    }
    std::optional<std::string> ansiToUtf8(const std::string& bytes) override {
        return ansiConversion ? ansiConversion(bytes) : std::nullopt;
    }

    // Recorded as "hold awake \"why\"", "release awake", "wake alarm in 3600000 ms", "clear wake alarm".
    void holdAwake(const std::string& why) override;
    void releaseAwake() override;
    std::string wakeAlarmProblem() override { return wakeProblem; }
    std::string wakeAlarmCaveat() override { return wakeCaveat; }
    bool setWakeAlarm(std::int64_t msFromNow, std::string& failure) override;
    void clearWakeAlarm() override;

private:
    bool request(std::string line);
    void record(std::string line) { calls.push_back(std::move(line)); }

    std::function<void(ClockChange)> m_clockWatcher;

    std::set<std::string> m_sessionRequests; // the lines session requests were recorded as
};

// A text in double quotes, as the recorded lines show texts.
std::string quoted(const std::string& text);

} // namespace halvo

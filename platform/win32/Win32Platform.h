#pragma once

// The Windows backend: what the program asks, carried out by the Windows calls it has always made, over
// the layer of Windows calls in Win32Api. No Windows header here, so it builds and is tested everywhere.

#include "Win32Api.h"

namespace halvo {

class Win32Platform final : public Platform,
                            SessionPower,
                            DesktopWindows,
                            Launcher,
                            AutoStart,
                            Files,
                            Profiles,
                            WallClock,
                            Text,
                            PowerHolds {
public:
    // api must outlive the backend.
    explicit Win32Platform(Win32Api& api);
    // Owns its layer (the real one, from the factory).
    explicit Win32Platform(std::unique_ptr<Win32Api> api);
    ~Win32Platform() override;

    SessionPower& session() override { return *this; }
    DesktopWindows& windows() override { return *this; }
    Launcher& launcher() override { return *this; }
    AutoStart& autoStart() override { return *this; }
    Files& files() override { return *this; }
    Profiles& profiles() override { return *this; }
    WallClock& clock() override { return *this; }
    Text& text() override { return *this; }
    Activity& activity() override;
    PowerHolds& powerHolds() override { return *this; }

    // The Run key under the current user's registry, with the value the entry is.
    static constexpr const char* RunKeyPath = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    static constexpr const char* RunValueName = "Halvo Shutdown";
    // The class of the hidden window that hears about power and the clock.
    static constexpr const char* ClockWindowClass = "HalvoShutdownClockWatch";

    // Takes the privilege the session requests need, as each of them does first.
    void enableShutdownPrivilege();

private:
    // ---- SessionPower
    bool shutDown(bool force) override;
    bool powerOff(bool force) override;
    bool restart(bool force) override;
    bool logOff(bool force) override;
    bool lock() override;
    bool sleep() override;
    bool hibernate() override;
    bool startScreenSaver() override;
    bool isOffered(SessionAction action) override;
    std::string refusalReason() override;
    // ---- DesktopWindows
    std::vector<TopLevelWindow> visibleWindows() override;
    std::uint32_t processOf(WindowId window) override;
    std::uint32_t ownProcessId() override;
    void endProcess(std::uint32_t processId) override;
    std::string programFile(std::uint32_t processId) override;
    // ---- Launcher
    bool runProgram(const std::string& file, const std::optional<std::string>& parameters,
                    std::string& failure) override;
    void openDocument(const std::string& target, std::uintptr_t ownerWindow) override;
    // ---- AutoStart
    Outcome ensureEntry(const std::string& command) override;
    Outcome writeEntry(const std::string& command) override;
    void removeEntry() override;
    // ---- Files
    std::string executablePath() override { return m_api.ExecutablePath(); }
    std::string executableFolder() override { return m_api.ExecutableFolder(); }
    std::string userConfigFolder() override { return m_api.UserConfigFolder(); }
    bool exists(const std::string& path) override { return m_api.FileExists(path); }
    bool folderWritable(const std::string& folder) override { return m_api.FolderWritable(folder); }
    bool makeFolder(const std::string& folder) override { return m_api.MakeFolder(folder); }
    bool readWholeFile(const std::string& path, std::string& data, std::string& error) override {
        return m_api.ReadWholeFile(path, data, error);
    }
    bool writeWholeFile(const std::string& path, const std::string& data, std::string& error) override {
        return m_api.WriteWholeFile(path, data, error);
    }
    bool writeBackupFile(const std::string& path, const std::string& data, const std::string& original,
                         std::string& error) override {
        return m_api.WriteBackupFile(path, data, original, error);
    }
    bool renameFile(const std::string& from, const std::string& to, std::string& error) override {
        return m_api.RenameFile(from, to, error);
    }
    std::string writeProblem(const std::string& path) override { return m_api.WriteProblem(path); }
    // ---- Profiles
    std::string readKey(const std::string& file, const std::string& section, const std::string& key,
                        std::size_t longest) override;
    bool writeKey(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) override;
    // ---- Clock, Text
    LocalTime localTime() override { return m_api.GetLocalTime(); }
    std::int64_t elapsedMs() override { return static_cast<std::int64_t>(m_api.GetTickCount64()); }
    void watchChanges(std::function<void(ClockChange)> notify) override;
    std::optional<std::string> ansiToUtf8(const std::string& bytes) override {
        return m_api.AnsiToUtf8(bytes);
    }

    // ---- PowerHolds: the thread's execution state, and one waitable timer that resumes the computer
    void holdAwake(const std::string& why) override;
    void releaseAwake() override;
    std::string wakeAlarmProblem() override { return {}; }
    std::string wakeAlarmCaveat() override;
    bool setWakeAlarm(std::int64_t msFromNow, std::string& failure) override;
    void clearWakeAlarm() override;

    bool exitWindows(std::uint32_t flags);
    Outcome writeRunValue(Handle key, const std::string& command);

    // The hidden window that hears the system's broadcasts about power and the clock.
    std::intptr_t clockMessage(Handle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam);
    void closeClockWindow();

    std::unique_ptr<Win32Api> m_owned;
    Win32Api& m_api;
    // Made when first asked for; goes before the layer it uses.
    std::unique_ptr<Activity> m_activity;
    std::function<void(ClockChange)> m_clockNotify;
    Handle m_clockWindow = 0;
    Handle m_clockInstance = 0;
    bool m_resumeAnnounced = false; // since the last suspend: a wake brings two resume messages
    bool m_heldAwake = false;
    Handle m_wakeTimer = 0;
};

} // namespace halvo

#pragma once

// The real platform on a Linux desktop: logind, the desktop's session manager and its screen saver over
// D-Bus, X11 windows or the Wayland compositor's list, pidfd processes, programs started without a shell, the
// XDG autostart entry and plain files for the profiles.

#include "platform/Platform.h"

#include "DesktopSession.h"
#include "WaylandWindows.h"
#include "X11Windows.h"

#include <memory>

namespace halvo::linuxbackend {

class ClockWatch;
class LinuxPowerHolds;

class LinuxPlatform final : public Platform,
                            SessionPower,
                            DesktopWindows,
                            Launcher,
                            AutoStart,
                            Files,
                            Profiles,
                            WallClock,
                            Text {
public:
    // displayName: the X display to use; empty for $DISPLAY. useResourceExtension: see X11Windows.
    explicit LinuxPlatform(std::string displayName = {}, bool useResourceExtension = true);
    ~LinuxPlatform() override;

    SessionPower& session() override { return *this; }
    DesktopWindows& windows() override { return *this; }
    Launcher& launcher() override { return *this; }
    AutoStart& autoStart() override { return *this; }
    Files& files() override { return *this; }
    Profiles& profiles() override { return *this; }
    WallClock& clock() override { return *this; }
    Text& text() override { return *this; }
    Activity& activity() override;
    PowerHolds& powerHolds() override;

private:
    bool shutDown(bool force) override;
    bool powerOff(bool force) override;
    bool restart(bool force) override;
    bool logOff(bool force) override;
    bool lock() override;
    bool sleep() override;
    bool hibernate() override;
    bool startScreenSaver() override;
    bool isOffered(SessionAction action) override;
    std::string refusalReason() override { return m_refusal; }

    std::vector<TopLevelWindow> visibleWindows() override;
    std::uint32_t processOf(WindowId window) override;
    std::uint32_t ownProcessId() override;
    void endProcess(std::uint32_t processId) override;
    std::string programFile(std::uint32_t processId) override;
    std::string listingNotice() override { return m_listingNotice; }

    bool runProgram(const std::string& file, const std::optional<std::string>& parameters,
                    std::string& failure) override;
    void openDocument(const std::string& target, std::uintptr_t ownerWindow) override;

    Outcome ensureEntry(const std::string& command) override;
    Outcome writeEntry(const std::string& command) override;
    void removeEntry() override;

    std::string executablePath() override;
    std::string executableFolder() override;
    std::string userConfigFolder() override;
    bool exists(const std::string& path) override;
    bool folderWritable(const std::string& folder) override;
    bool makeFolder(const std::string& folder) override;
    bool readWholeFile(const std::string& path, std::string& data, std::string& error) override;
    bool writeWholeFile(const std::string& path, const std::string& data, std::string& error) override;
    bool writeBackupFile(const std::string& path, const std::string& data, const std::string& original,
                         std::string& error) override;
    bool renameFile(const std::string& from, const std::string& to, std::string& error) override;
    std::string writeProblem(const std::string& path) override;

    std::string readKey(const std::string& file, const std::string& section, const std::string& key,
                        std::size_t longest) override;
    bool writeKey(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) override;

    LocalTime localTime() override;
    std::int64_t elapsedMs() override;
    void watchChanges(std::function<void(ClockChange)> notify) override;
    // No ANSI code page here: the model reads such text as Windows-1252.
    std::optional<std::string> ansiToUtf8(const std::string&) override { return std::nullopt; }

    // Log off and restart without force go to the desktop's session manager first.
    bool askSessionManagerOr(bool restarting, bool force, bool (DesktopSession::*logind)());
    std::vector<TopLevelWindow> x11Windows();
    // The compositor's own list; nothing when it could not be had.
    std::optional<std::vector<ListedWindow>> compositorWindows(Compositor compositor);

    // Whether logind accepted a request; keeps its refusal for refusalReason.
    bool answered(bool accepted);

    DesktopSession m_session;
    X11Windows m_windows;
    KWinWindowList m_kwinWindows;
    // The compositor's last list; the window ids handed out for it are tagged indexes into it.
    std::vector<ListedWindow> m_listed;
    std::string m_listingNotice;
    std::string m_displayName;
    std::unique_ptr<Activity> m_activity; // made when first asked for
    std::string m_refusal;
    std::unique_ptr<ClockWatch> m_clockWatch;
    std::unique_ptr<LinuxPowerHolds> m_powerHolds; // made when first asked for
};

} // namespace halvo::linuxbackend

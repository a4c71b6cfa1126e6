#pragma once

// What the program asks of the operating system, in a few small interfaces named by what is asked, not by
// how one system does it. Backends: linux/, win32/ (over its own layer of Windows calls), and for tests the
// recording one in tests/fakes/. No Qt and no OS header here.

#include "Activity.h"
#include "CurrentService.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace halvo {

// The local wall-clock time. dayOfWeek: 0 = Sunday ... 6 = Saturday.
struct LocalTime {
    int year = 1899;
    int month = 12;
    int dayOfWeek = 6;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

enum class SessionAction { ShutDown, PowerOff, Restart, LogOff, Lock, Sleep, Hibernate };

// Ending or interrupting the session. Each request answers whether the system took it; when it did not,
// refusalReason() gives the system's reason in its own words (empty when it gave none). force: programs
// are not asked whether they agree.
class SessionPower {
public:
    virtual ~SessionPower() = default;
    virtual bool shutDown(bool force) = 0;
    virtual bool powerOff(bool force) = 0;
    virtual bool restart(bool force) = 0;
    virtual bool logOff(bool force) = 0;
    virtual bool lock() = 0;
    virtual bool sleep() = 0;
    virtual bool hibernate() = 0;
    // Whether a screen saver took the request.
    virtual bool startScreenSaver() = 0;
    // Whether the system offers the action at all (sleep and hibernation may be switched off).
    virtual bool isOffered(SessionAction action) = 0;
    virtual std::string refusalReason() = 0;
};

// A top-level window as the system names it: an id good for asking about it again, and its title.
using WindowId = std::uintptr_t;
struct TopLevelWindow {
    std::string title;
    WindowId window = 0;
};

// The desktop's windows and the processes behind them.
class DesktopWindows {
public:
    virtual ~DesktopWindows() = default;
    // Existing, visible top-level windows owned by no other window, with a title (cut to at most 100
    // bytes, on a character boundary), topmost first.
    virtual std::vector<TopLevelWindow> visibleWindows() = 0;
    // The process that shows the window; 0 when unknown.
    virtual std::uint32_t processOf(WindowId window) = 0;
    virtual std::uint32_t ownProcessId() = 0;
    // Ends the process at once, as far as we may; it cannot refuse.
    virtual void endProcess(std::uint32_t processId) = 0;
    // The program file the process runs; empty when we may not look into the process.
    virtual std::string programFile(std::uint32_t processId) = 0;
    // Why the last visibleWindows() may have missed windows, in words for the user (the desktop lists no
    // windows to other programs, or did not say which program shows some); empty when it missed none.
    virtual std::string listingNotice() { return {}; }
};

// Starting programs and opening documents as the desktop does.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Starts the program file with its parameters (none: nothing at all, not an empty text). When it did not
    // start, returns false and puts the system's reason, in words for the user, into failure.
    virtual bool runProgram(const std::string& file, const std::optional<std::string>& parameters,
                            std::string& failure) = 0;
    // Opens a document or web address with the desktop's program for it. ownerWindow: the window that asks
    // (0 for none), which the system's own messages are shown over.
    virtual void openDocument(const std::string& target, std::uintptr_t ownerWindow) = 0;
};

// The entry that starts the program with the user's session, holding a command line.
class AutoStart {
public:
    enum class Outcome {
        Done,
        NotACommand, // the entry holds something other than a command line; left as it is
        NotWritten,  // the entry could not be written
    };
    virtual ~AutoStart() = default;
    // Writes command when there is no entry or an empty one; an entry with another command stays. Where the
    // system keeps no place for entries at all, nothing is done and that is no fault.
    virtual Outcome ensureEntry(const std::string& command) = 0;
    // Writes command, replacing what the entry held (Done or NotWritten).
    virtual Outcome writeEntry(const std::string& command) = 0;
    // A missing entry is no fault.
    virtual void removeEntry() = 0;
};

// Stored files and the places they go.
class Files {
public:
    virtual ~Files() = default;
    virtual std::string executablePath() = 0;
    virtual std::string executableFolder() = 0; // ends with the path separator
    // The folder for this program's files when the executable's folder is read-only; ends with the
    // separator.
    virtual std::string userConfigFolder() = 0;
    virtual bool exists(const std::string& path) = 0;
    virtual bool folderWritable(const std::string& folder) = 0;
    // With its parents; true when it exists afterwards.
    virtual bool makeFolder(const std::string& folder) = 0;
    // Reads the whole file; on failure returns false and puts the system's reason into error.
    virtual bool readWholeFile(const std::string& path, std::string& data, std::string& error) = 0;
    // Writes a new file beside path and replaces path with it, so path holds either the old or the whole new
    // content, never a part. On failure path is left as it was and error holds the system's reason.
    virtual bool writeWholeFile(const std::string& path, const std::string& data, std::string& error) = 0;
    // writeWholeFile for a copy of original: the copy is never open to more people than original is (its
    // permissions and, where the system allows, its group).
    virtual bool writeBackupFile(const std::string& path, const std::string& data,
                                 const std::string& original, std::string& error) = 0;
    // Renames from to to, replacing to; on failure error holds the system's reason.
    virtual bool renameFile(const std::string& from, const std::string& to, std::string& error) = 0;
    // Why writeWholeFile(path) would fail now, in the system's words; empty when it would succeed.
    virtual std::string writeProblem(const std::string& path) = 0;
};

// Single keys of profile (INI) files: sections and keys without regard to case, other lines kept.
class Profiles {
public:
    virtual ~Profiles() = default;
    // The key's text, cut to at most longest bytes; empty when the file, section or key is missing.
    virtual std::string readKey(const std::string& file, const std::string& section, const std::string& key,
                                std::size_t longest) = 0;
    // False when the file could not be written.
    virtual bool writeKey(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& value) = 0;
};

// What the system announces that moves the wall clock under a running program, or ends its time.
enum class ClockChange {
    Suspending,          // the computer is about to sleep or hibernate
    Resumed,             // it is awake again
    WallClockSet,        // the wall clock was set (by hand or by time synchronisation)
    TimeZoneChanged,     // the local time zone changed
    SessionEndCancelled, // the session was to end, and a program or the user called it off (Windows)
};

class WallClock {
public:
    virtual ~WallClock() = default;
    virtual LocalTime localTime() = 0;
    // Milliseconds on a clock that goes on counting while the computer sleeps and that setting the wall
    // clock does not move (Linux CLOCK_BOOTTIME; Windows the interrupt time, which includes sleep).
    virtual std::int64_t elapsedMs() = 0;
    // notify runs on the interface thread each time the system announces a change; an empty function
    // stops the watch. Where the system announces nothing, nothing is called.
    virtual void watchChanges(std::function<void(ClockChange)> notify) = 0;
};

class Text {
public:
    virtual ~Text() = default;
    // Text in the user's ANSI code page as UTF-8; nothing where the system has no such code page (the
    // caller then reads it as Windows-1252, which most older schedule files were written in).
    virtual std::optional<std::string> ansiToUtf8(const std::string& bytes) = 0;
};

// Keeping the computer awake while something waits, and waking it from sleep when something is due.
class PowerHolds {
public:
    virtual ~PowerHolds() = default;
    // Keeps the computer from going to sleep on its own (the idle timeout) until releaseAwake(); a sleep,
    // lock or log off the user asks for is not held back, and the screen may still blank. why names what
    // waits, for the system's list of holds; holding again with another why replaces the hold.
    virtual void holdAwake(const std::string& why) = 0;
    virtual void releaseAwake() = 0;

    // Why no wake alarm can be set here, in words for the user; empty when one can.
    virtual std::string wakeAlarmProblem() = 0;
    // What the user should know about wake alarms that may still keep one from waking the computer (a
    // setting of the system that turns them off); empty when nothing.
    virtual std::string wakeAlarmCaveat() = 0;
    // Wakes the computer from sleep msFromNow milliseconds from now (never from power-off), replacing the
    // alarm set before. False, with the system's reason in failure, when it could not be set.
    virtual bool setWakeAlarm(std::int64_t msFromNow, std::string& failure) = 0;
    virtual void clearWakeAlarm() = 0;
};

// One backend: every interface above.
class Platform {
public:
    virtual ~Platform() = default;
    virtual SessionPower& session() = 0;
    virtual DesktopWindows& windows() = 0;
    virtual Launcher& launcher() = 0;
    virtual AutoStart& autoStart() = 0;
    virtual Files& files() = 0;
    virtual Profiles& profiles() = 0;
    virtual WallClock& clock() = 0;
    virtual Text& text() = 0;
    virtual Activity& activity() = 0;
    virtual PowerHolds& powerHolds() = 0;
};

// The process-wide current platform, set once in main() (nullptr unsets it); tests swap it with
// ScopedPlatform. Asking for it while none is set ends the program with a message.
Platform& platform();
void setPlatform(Platform* platform);
using ScopedPlatform = CurrentService<Platform>::Scoped;

// The backend this build was configured with (linux/ or win32/); defined by the backend's factory.
std::unique_ptr<Platform> createSystemPlatform();
// Makes standard output and errors reach the console the program was started from where the system does
// not do so by itself (a windowed program on Windows); called first thing in main(). Also the backend's.
void attachToParentConsole();

} // namespace halvo

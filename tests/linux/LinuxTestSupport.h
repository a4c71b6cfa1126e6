#pragma once

// What the backend tests share: temporary folders, environment changes undone at the end, child processes
// with pipes and time limits, and running a check as an unprivileged user.

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace halvo::linuxtest {

using namespace std::chrono_literals;

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return m_path; } // without a trailing slash
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Sets (or with nullopt unsets) environment variables and restores them when it goes.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const std::string& name, std::optional<std::string> value) {
        set(name, std::move(value));
    }
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    void set(const std::string& name, std::optional<std::string> value);

private:
    std::map<std::string, std::optional<std::string>> m_saved;
};

// A child process of the test, with its stdin and stdout on pipes. It is killed and reaped on destruction
// unless it has been reaped already.
class ChildProcess {
public:
    // environment: extra or replaced variables for the child; extraFd: handed to the child as fd 3;
    // quietErrors: the child's stderr goes to /dev/null (servers that chatter).
    ChildProcess(const std::vector<std::string>& argv,
                 const std::map<std::string, std::string>& environment = {}, int extraFd = -1,
                 bool quietErrors = false);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }
    bool writeLine(const std::string& line);
    void closeInput();
    // One line of the child's stdout without its line break; nothing on timeout or end of output.
    std::optional<std::string> readLine(std::chrono::milliseconds timeout = 5000ms);
    // The wait status once the child has ended within timeout (it is reaped then); nothing otherwise.
    std::optional<int> waitExit(std::chrono::milliseconds timeout = 5000ms);
    bool running();   // not ended yet (does not reap)
    void terminate(); // SIGTERM, a short wait, then SIGKILL; reaps

private:
    pid_t m_pid = -1;
    int m_input = -1;
    int m_output = -1;
    std::string m_buffer;
    bool m_reaped = false;
    int m_status = 0;
};

// Xvfb on a display it picks itself; display is empty when it did not come up.
// Starts Xvfb with its options after "-displayfd 3" and sets display to the one it chose; display stays
// empty when it did not tell within 10 s.
std::unique_ptr<ChildProcess> StartXvfb(const std::vector<std::string>& options, std::string& display);

// Runs check on a child of ours that made itself non-dumpable (as ssh-agent and gpg-agent do), then ends
// the child; check's answer, or false when the child could not be made.
bool WithNonDumpableChild(const std::function<bool(pid_t child)>& check);

class PrivateXServer {
public:
    PrivateXServer();
    std::string display;

private:
    std::unique_ptr<ChildProcess> m_process;
};

// Polls until condition holds or timeout passes; returns the last answer.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 5000ms);

std::string ReadWhole(const std::string& path);
void WriteWhole(const std::string& path, const std::string& data);
std::vector<std::string> FolderEntries(const std::string& folder);

// Runs check in a forked child that has dropped to user and group nobody, so permission checks hold even when
// the tests run as root. Returns the child's answer; nothing when it could not drop privileges or crashed.
std::optional<bool> RunAsNobody(const std::function<bool()>& check);
constexpr uid_t kNobody = 65534;

// The method calls a dbusmock mock has logged since the last look, without their time stamps: "PowerOff
// False". Property traffic (Get, GetAll, Set and the signals it emits) is the mock's own business and left
// out.
class CallLog {
public:
    explicit CallLog(std::string path);
    // The path in the environment variable, empty when it is not set.
    static std::string pathIn(const char* variable);
    std::vector<std::string> newCalls();

private:
    std::string m_path;
    std::size_t m_seen = 0;
};

// What is wrong with the buses the test talks to: empty when the system bus (and with withSession the
// session bus too) is the private one of tests/helpers/private-session.sh.
std::string PrivateBusProblem(bool withSession);

// Whether the child ends within five seconds, killed by SIGKILL.
bool KilledBySigkill(ChildProcess& child);

// Children of ours that are zombies right now.
std::vector<pid_t> ZombieChildren();

} // namespace halvo::linuxtest

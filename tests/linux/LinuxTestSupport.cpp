#include "LinuxTestSupport.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace halvo::linuxtest {

TempFolder::TempFolder() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/halvo-linux-test.XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Folders a test made read-only must become writable again to be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

ScopedEnvironment::~ScopedEnvironment() {
    for (const auto& [name, value] : m_saved) {
        if (value)
            ::setenv(name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name.c_str());
    }
}

void ScopedEnvironment::set(const std::string& name, std::optional<std::string> value) {
    if (!m_saved.count(name)) {
        const char* old = std::getenv(name.c_str());
        m_saved[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
    else
        ::unsetenv(name.c_str());
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::map<std::string, std::string>& environment, int extraFd,
                           bool quietErrors) {
    int input[2];
    int output[2];
    if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<std::string> envStrings;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (!environment.count(entry.substr(0, entry.find('='))))
            envStrings.push_back(entry);
    }
    for (const auto& [name, value] : environment)
        envStrings.push_back(name + "=" + value);
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> env;
    for (auto& e : envStrings)
        env.push_back(e.data());
    env.push_back(nullptr);

    // Closes on exec: the constructor returns only once the child runs its own program.
    int started[2];
    if (::pipe2(started, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    m_pid = ::fork();
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        ::dup2(input[0], STDIN_FILENO);
        ::dup2(output[1], STDOUT_FILENO);
        if (extraFd == 3)
            ::fcntl(3, F_SETFD, 0);
        else if (extraFd >= 0)
            ::dup2(extraFd, 3);
        if (quietErrors) {
            const int devNull = ::open("/dev/null", O_WRONLY);
            ::dup2(devNull, STDERR_FILENO);
        }
        ::execve(args[0], args.data(), env.data());
        const int e = errno;
        (void)!::write(started[1], &e, sizeof e);
        ::_exit(127);
    }
    ::close(started[1]);
    int execError = 0;
    ssize_t n;
    do {
        n = ::read(started[0], &execError, sizeof execError);
    } while (n < 0 && errno == EINTR);
    ::close(started[0]);
    if (n > 0)
        throw std::runtime_error("cannot run " + argv.front() + ": " + std::strerror(execError));
    ::close(input[0]);
    ::close(output[1]);
    m_input = input[1];
    m_output = output[0];
}

ChildProcess::~ChildProcess() {
    terminate();
    if (m_input >= 0)
        ::close(m_input);
    if (m_output >= 0)
        ::close(m_output);
}

bool ChildProcess::writeLine(const std::string& line) {
    if (m_input < 0)
        return false;
    const std::string data = line + "\n";
    std::size_t done = 0;
    // A child that has ended must fail the write, not kill the test with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    while (done < data.size()) {
        const ssize_t n = ::write(m_input, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void ChildProcess::closeInput() {
    if (m_input >= 0)
        ::close(m_input);
    m_input = -1;
}

std::optional<std::string> ChildProcess::readLine(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto nl = m_buffer.find('\n');
        if (nl != std::string::npos) {
            std::string line = m_buffer.substr(0, nl);
            m_buffer.erase(0, nl + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || m_output < 0)
            return std::nullopt;
        pollfd p{m_output, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char chunk[4096];
        const ssize_t n = ::read(m_output, chunk, sizeof chunk);
        if (n <= 0)
            return std::nullopt;
        m_buffer.append(chunk, static_cast<std::size_t>(n));
    }
}

std::optional<int> ChildProcess::waitExit(std::chrono::milliseconds timeout) {
    if (m_reaped)
        return m_status;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        const pid_t r = ::waitpid(m_pid, &m_status, WNOHANG);
        if (r == m_pid) {
            m_reaped = true;
            return m_status;
        }
        std::this_thread::sleep_for(5ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

bool ChildProcess::running() {
    if (m_reaped)
        return false;
    siginfo_t info{};
    // WNOWAIT leaves the child for waitExit to reap and report.
    if (::waitid(P_PID, static_cast<id_t>(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0)
        return false;
    return info.si_pid == 0;
}

void ChildProcess::terminate() {
    if (m_pid <= 0 || m_reaped)
        return;
    ::kill(m_pid, SIGTERM);
    if (!waitExit(2000ms)) {
        ::kill(m_pid, SIGKILL);
        waitExit(5000ms);
    }
}

std::unique_ptr<ChildProcess> StartXvfb(const std::vector<std::string>& options, std::string& display) {
    display.clear();
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        return nullptr;
    std::vector<std::string> arguments{"/usr/bin/Xvfb", "-displayfd", "3"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    auto xvfb =
        std::make_unique<ChildProcess>(arguments, std::map<std::string, std::string>{}, pipeFds[1], true);
    ::close(pipeFds[1]);
    std::string number;
    pollfd p{pipeFds[0], POLLIN, 0};
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        if (::poll(&p, 1, 100) <= 0)
            continue;
        char chunk[16];
        const ssize_t n = ::read(pipeFds[0], chunk, sizeof chunk);
        if (n <= 0)
            break;
        number.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(pipeFds[0]);
    if (number.find('\n') != std::string::npos)
        display = ":" + number.substr(0, number.find('\n'));
    return xvfb;
}

bool WithNonDumpableChild(const std::function<bool(pid_t child)>& check) {
    int ready[2];
    if (::pipe(ready) != 0)
        return false;
    const pid_t child = ::fork();
    if (child == 0) {
        ::prctl(PR_SET_DUMPABLE, 0);
        (void)!::write(ready[1], "x", 1);
        ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    char byte = 0;
    const bool made = child > 0 && ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    const bool answer = made && check(child);
    if (child > 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    return answer;
}

PrivateXServer::PrivateXServer() {
    m_process = StartXvfb({"-nolisten", "tcp", "-screen", "0", "320x240x24", "-noreset"}, display);
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return condition();
        std::this_thread::sleep_for(10ms);
    }
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool KilledBySigkill(ChildProcess& child) {
    const auto status = child.waitExit(5s);
    return status && WIFSIGNALED(*status) && WTERMSIG(*status) == SIGKILL;
}

CallLog::CallLog(std::string path) : m_path(std::move(path)), m_seen(ReadWhole(m_path).size()) {}

std::string CallLog::pathIn(const char* variable) {
    const char* value = std::getenv(variable);
    return value ? value : "";
}

std::vector<std::string> CallLog::newCalls() {
    const std::string text = ReadWhole(m_path);
    std::vector<std::string> calls;
    std::size_t pos = m_seen;
    for (std::size_t end; (end = text.find('\n', pos)) != std::string::npos; pos = end + 1) {
        std::string call = text.substr(pos, end - pos);
        call = call.substr(call.find(' ') + 1);
        while (!call.empty() && call.back() == ' ') // a call without arguments
            call.pop_back();
        const std::string method = call.substr(0, call.find(' '));
        if (method != "Get" && method != "GetAll" && method != "Set" && method != "emit")
            calls.push_back(call);
    }
    m_seen = pos;
    return calls;
}

std::string PrivateBusProblem(bool withSession) {
    const char* folder = std::getenv("HALVO_PRIVATE_SESSION_DIR");
    if (!folder)
        return "no private session: HALVO_PRIVATE_SESSION_DIR is not set";
    const std::string privateBus = std::string("unix:path=") + folder + "/bus";
    for (const char* variable : {"DBUS_SYSTEM_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS"}) {
        if (!withSession && std::string(variable) == "DBUS_SESSION_BUS_ADDRESS")
            continue;
        const char* address = std::getenv(variable);
        if (!address || std::string(address).rfind(privateBus, 0) != 0)
            return std::string(variable) + " is not the private bus: " + (address ? address : "(not set)");
    }
    return {};
}

void WriteWhole(const std::string& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << data;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<bool> RunAsNobody(const std::function<bool()>& check) {
    std::fflush(nullptr); // or the child would print the parent's pending output a second time
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (::getuid() == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(3);
        } else if (::getuid() != kNobody) {
            // Not root: there is nobody else to become, and the check would not mean what it says.
            ::_exit(3);
        }
        // Whatever happens, the child ends here: it must never go on running the parent's tests.
        try {
            ::_exit(check() ? 0 : 1);
        } catch (...) {
            ::_exit(2);
        }
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

std::vector<pid_t> ZombieChildren() {
    std::vector<pid_t> zombies;
    const pid_t self = ::getpid();
    DIR* proc = ::opendir("/proc");
    if (!proc)
        return zombies;
    while (const dirent* entry = ::readdir(proc)) {
        const std::string name = entry->d_name;
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::string stat = ReadWhole("/proc/" + name + "/stat");
        // pid (comm) state ppid ...: comm may hold blanks and parentheses, so read after the last ')'.
        const auto close = stat.rfind(')');
        if (close == std::string::npos)
            continue;
        std::istringstream rest(stat.substr(close + 1));
        char state = 0;
        pid_t parent = 0;
        rest >> state >> parent;
        if (parent == self && state == 'Z')
            zombies.push_back(static_cast<pid_t>(std::stoi(name)));
    }
    ::closedir(proc);
    return zombies;
}

} // namespace halvo::linuxtest

// Processes: open, terminate and the executable's name on real children of the test; permissions checked
// from an unprivileged user so they hold when the tests run as root.

#include "LinuxTestSupport.h"

#include "platform/linux/LinuxPlatform.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxPlatform;

namespace {

constexpr std::uint32_t kAllAccess = win::PROCESS_ALL_ACCESS_OLD;
constexpr std::uint32_t kQueryAndRead = win::PROCESS_QUERY_INFORMATION | win::PROCESS_VM_READ;

std::string sleepProgram() {
    return std::filesystem::canonical("/bin/sleep").string();
}

bool killedBySigkill(ChildProcess& child) {
    const auto status = child.waitExit(5s);
    return status && WIFSIGNALED(*status) && WTERMSIG(*status) == SIGKILL;
}

} // namespace

TEST(Processes, OpenTerminateAndCloseAChild) {
    ChildProcess child({"/bin/sleep", "30"});
    LinuxPlatform backend;
    const auto pid = static_cast<std::uint32_t>(child.pid());

    const Handle process = backend.OpenProcess(kAllAccess, false, pid);
    ASSERT_NE(process, 0u);
    EXPECT_TRUE(child.running());
    EXPECT_TRUE(backend.TerminateProcess(process, 0));
    EXPECT_TRUE(killedBySigkill(child));
    EXPECT_TRUE(backend.CloseHandle(process));
    EXPECT_FALSE(backend.CloseHandle(process));
    EXPECT_FALSE(backend.TerminateProcess(process, 0));
}

TEST(Processes, AnEndedProcessCannotBeOpenedNorItsOldHandleReused) {
    LinuxPlatform backend;
    ChildProcess child({"/bin/sleep", "30"});
    const auto pid = static_cast<std::uint32_t>(child.pid());
    const Handle process = backend.OpenProcess(kAllAccess, false, pid);
    ASSERT_NE(process, 0u);
    child.terminate(); // ended and reaped: the id is free for the system to give away
    EXPECT_EQ(backend.OpenProcess(kAllAccess, false, pid), 0u);
    // The handle still names the ended process, never whatever gets its id next.
    EXPECT_FALSE(backend.TerminateProcess(process, 0));
    EXPECT_FALSE(backend.EnumProcessModules(process, nullptr, 0, nullptr));
    EXPECT_TRUE(backend.CloseHandle(process));
    EXPECT_EQ(backend.OpenProcess(kAllAccess, false, 0), 0u);
}

TEST(Processes, ModuleFileNameIsTheExecutable) {
    ChildProcess child({"/bin/sleep", "30"});
    LinuxPlatform backend;
    const Handle process = backend.OpenProcess(kQueryAndRead, false, static_cast<std::uint32_t>(child.pid()));
    ASSERT_NE(process, 0u);

    Handle module = 0;
    std::uint32_t needed = 0;
    ASSERT_TRUE(backend.EnumProcessModules(process, &module, sizeof module, &needed));
    EXPECT_EQ(needed, sizeof(Handle));
    EXPECT_NE(module, 0u);

    char name[256];
    std::memset(name, 'x', sizeof name);
    const std::string expected = sleepProgram();
    EXPECT_EQ(backend.GetModuleFileNameExA(process, module, name, sizeof name), expected.size());
    EXPECT_EQ(std::string(name), expected);
    // A short buffer gets the beginning, always terminated.
    EXPECT_EQ(backend.GetModuleFileNameExA(process, module, name, 5), 4u);
    EXPECT_EQ(std::string(name), expected.substr(0, 4));

    // Query access alone gives no right to end the process.
    EXPECT_FALSE(backend.TerminateProcess(process, 0));
    EXPECT_TRUE(child.running());
    EXPECT_TRUE(backend.CloseHandle(process));
}

TEST(Processes, OtherUsersProcessesCannotBeEndedOrRead) {
    ChildProcess child({"/bin/sleep", "30"});
    const auto pid = static_cast<std::uint32_t>(child.pid());
    const auto asNobody = RunAsNobody([pid] {
        if (::getuid() != kNobody)
            return false;
        LinuxPlatform backend;
        // Neither to end it nor to read its executable.
        return backend.OpenProcess(kAllAccess, false, pid) == 0 &&
               backend.OpenProcess(kQueryAndRead, false, pid) == 0;
    });
    if (!asNobody)
        GTEST_SKIP() << "needs root to act as another user";
    EXPECT_TRUE(*asNobody);
    EXPECT_TRUE(child.running());
}

TEST(Processes, AProcessWhoseExecutableWeMayNotReadHasNoModuleName) {
    // A process of our own user that made itself non-dumpable (as ssh-agent or gpg-agent do) keeps its
    // /proc entries from everybody but privileged users; root could still read it, so nobody checks.
    const auto asNobody = RunAsNobody([] {
        int ready[2];
        if (::pipe(ready) != 0)
            return false;
        const pid_t agent = ::fork();
        if (agent == 0) {
            ::prctl(PR_SET_DUMPABLE, 0);
            (void)!::write(ready[1], "x", 1);
            ::pause();
            ::_exit(0);
        }
        char byte = 0;
        (void)!::read(ready[0], &byte, 1);
        LinuxPlatform backend;
        const Handle process = backend.OpenProcess(kQueryAndRead, false, static_cast<std::uint32_t>(agent));
        Handle module = 0;
        char name[64] = "unchanged";
        const bool answered =
            process != 0 && !backend.EnumProcessModules(process, &module, sizeof module, nullptr) &&
            backend.GetModuleFileNameExA(process, 0, name, sizeof name) == 0 && std::string(name).empty();
        ::kill(agent, SIGKILL);
        ::waitpid(agent, nullptr, 0);
        return answered;
    });
    if (!asNobody)
        GTEST_SKIP() << "needs root to act as another user";
    EXPECT_TRUE(*asNobody);
}

TEST(Processes, PrivilegeCallsSucceedWithoutEffect) {
    LinuxPlatform backend;
    Handle token = 0;
    ASSERT_TRUE(backend.OpenProcessToken(backend.GetCurrentProcess(),
                                         win::TOKEN_ADJUST_PRIVILEGES | win::TOKEN_QUERY, &token));
    EXPECT_NE(token, 0u);
    Luid luid;
    ASSERT_TRUE(backend.LookupPrivilegeValueA("", "SeShutdownPrivilege", &luid));
    EXPECT_EQ(luid.lowPart, 19u);
    TokenPrivileges state{1, luid, win::SE_PRIVILEGE_ENABLED};
    TokenPrivileges previous{7, {7, 7}, 7};
    std::uint32_t length = 0;
    EXPECT_TRUE(backend.AdjustTokenPrivileges(token, false, &state, sizeof state, &previous, &length));
    EXPECT_EQ(previous.privilegeCount, 0u);
    EXPECT_EQ(length, sizeof(TokenPrivileges));
    EXPECT_TRUE(backend.CloseHandle(token));
    EXPECT_FALSE(backend.AdjustTokenPrivileges(token, false, &state, sizeof state, nullptr, nullptr));
    EXPECT_EQ(backend.GetCurrentProcessId(), static_cast<std::uint32_t>(::getpid()));
}

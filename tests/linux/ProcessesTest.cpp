// Processes: ending them and their program file, on real children of the test; permissions checked
// from an unprivileged user so they hold when the tests run as root.

#include "LinuxTestSupport.h"

#include "platform/linux/LinuxPlatform.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxPlatform;

namespace {

std::string sleepProgram() {
    return std::filesystem::canonical("/bin/sleep").string();
}

} // namespace

TEST(Processes, AChildsProgramFileAndItsEnd) {
    ChildProcess child({"/bin/sleep", "30"});
    LinuxPlatform backend;
    DesktopWindows& processes = backend.windows();
    const auto pid = static_cast<std::uint32_t>(child.pid());
    EXPECT_EQ(processes.programFile(pid), sleepProgram());
    EXPECT_TRUE(child.running());
    processes.endProcess(pid);
    EXPECT_TRUE(KilledBySigkill(child));
    EXPECT_EQ(processes.ownProcessId(), static_cast<std::uint32_t>(::getpid()));
}

TEST(Processes, AnEndedProcessIsNeitherEndedNorLookedInto) {
    LinuxPlatform backend;
    DesktopWindows& processes = backend.windows();
    ChildProcess child({"/bin/sleep", "30"});
    const auto pid = static_cast<std::uint32_t>(child.pid());
    child.terminate(); // ended and reaped: the id is free for the system to give away
    EXPECT_EQ(processes.programFile(pid), "");
    processes.endProcess(pid);
    processes.endProcess(0);
    EXPECT_EQ(processes.programFile(0), "");
}

TEST(Processes, OtherUsersProcessesCannotBeEndedOrRead) {
    ChildProcess child({"/bin/sleep", "30"});
    const auto pid = static_cast<std::uint32_t>(child.pid());
    const auto asNobody = RunAsNobody([pid] {
        if (::getuid() != kNobody)
            return false;
        LinuxPlatform backend;
        backend.windows().endProcess(pid);
        return backend.windows().programFile(pid).empty();
    });
    if (!asNobody)
        GTEST_SKIP() << "needs root to act as another user";
    EXPECT_TRUE(*asNobody);
    EXPECT_TRUE(child.running());
}

TEST(Processes, AProcessWhoseExecutableWeMayNotReadHasNoProgramFile) {
    // A process of our own user that made itself non-dumpable (as ssh-agent or gpg-agent do) keeps its
    // /proc entries from everybody but privileged users; root could still read it, so nobody checks.
    const auto asNobody = RunAsNobody([] {
        return WithNonDumpableChild([](pid_t agent) {
            LinuxPlatform backend;
            return backend.windows().programFile(static_cast<std::uint32_t>(agent)).empty();
        });
    });
    if (!asNobody)
        GTEST_SKIP() << "needs root to act as another user";
    EXPECT_TRUE(*asNobody);
}

// What the Linux backend hears about the wall clock: logind's sleep signals from the private bus's mock, the
// zone file replaced under a running program, and the timer the kernel cancels when the clock is set
// (this machine's clock is never set here, so that timer is checked as armed, not as fired).

#include "LinuxTestSupport.h"

#include "platform/linux/ClockWatch.h"
#include "platform/linux/LinuxPlatform.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <dirent.h>
#include <unistd.h>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxPlatform;
using halvo::linuxbackend::ZoneFile;

namespace {

std::string nameOf(ClockChange change) {
    switch (change) {
    case ClockChange::Suspending:
        return "suspending";
    case ClockChange::Resumed:
        return "resumed";
    case ClockChange::WallClockSet:
        return "clock set";
    case ClockChange::TimeZoneChanged:
        return "zone changed";
    case ClockChange::SessionEndCancelled:
        return "end called off";
    }
    return "?";
}

// Runs the event loop for a while, so that whatever is on its way arrives.
void settle(int ms = 300) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void emitPrepareForSleep(bool start) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("EmitSignal"));
    call.setArguments({QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                       QStringLiteral("b"), QVariantList{start}});
    const QDBusMessage reply = QDBusConnection::systemBus().call(call, QDBus::Block, 5000);
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
}

void copyFile(const std::string& from, const std::string& to) {
    WriteWhole(to, ReadWhole(from));
}

// Replaces path by renaming a new file over it, as time zone tools do.
void replaceFile(const std::string& from, const std::string& path) {
    copyFile(from, path + ".new");
    ASSERT_EQ(std::rename((path + ".new").c_str(), path.c_str()), 0);
}

// The lines of /proc/self/fdinfo for our timerfds.
std::vector<std::string> timerFdInfos() {
    std::vector<std::string> infos;
    for (const std::string& fd : FolderEntries("/proc/self/fd")) {
        char target[256] = {};
        if (::readlink(("/proc/self/fd/" + fd).c_str(), target, sizeof target - 1) > 0 &&
            std::string(target) == "anon_inode:[timerfd]")
            infos.push_back(ReadWhole("/proc/self/fdinfo/" + fd));
    }
    return infos;
}

const std::string Tokyo = "/usr/share/zoneinfo/Asia/Tokyo";
const std::string Utc = "/usr/share/zoneinfo/UTC";

} // namespace

TEST(ClockWatch, AnnouncesSleepWakeAndZoneChangesAndNothingElse) {
    TempFolder folder;
    const std::string zone = folder / "zone";
    copyFile(Utc, zone);
    WriteWhole(folder / "neighbour", "x");
    ScopedEnvironment environment("TZ", ":" + zone);

    LinuxPlatform backend;
    std::vector<std::string> heard;
    backend.clock().watchChanges([&](ClockChange change) { heard.push_back(nameOf(change)); });
    settle(100);

    const struct {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> expected;
        int hourShift; // of the local time afterwards against UTC
    } steps[] = {
        {"going to sleep", [] { emitPrepareForSleep(true); }, {"suspending"}, 0},
        {"waking", [] { emitPrepareForSleep(false); }, {"resumed"}, 0},
        {"a neighbour of the zone file replaced", [&] { replaceFile(Utc, folder / "neighbour"); }, {}, 0},
        {"the zone file replaced", [&] { replaceFile(Tokyo, zone); }, {"zone changed"}, 9},
        {"the zone file rewritten in place", [&] { copyFile(Utc, zone); }, {"zone changed"}, 0},
    };
    for (const auto& step : steps) {
        heard.clear();
        step.act();
        settle();
        EXPECT_EQ(heard, step.expected) << step.what;
        // The backend's local time follows the zone it was told about.
        timespec now{};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const int utcHour = int(now.tv_sec / 3600 % 24);
        EXPECT_EQ(backend.clock().localTime().hour, (utcHour + step.hourShift) % 24) << step.what;
    }

    // Stopped from within an announcement: nothing more comes, and nothing breaks.
    backend.clock().watchChanges([&](ClockChange change) {
        heard.push_back(nameOf(change));
        backend.clock().watchChanges({});
    });
    heard.clear();
    emitPrepareForSleep(true);
    settle();
    emitPrepareForSleep(false);
    replaceFile(Tokyo, zone);
    settle();
    EXPECT_EQ(heard, std::vector<std::string>{"suspending"});
}

TEST(ClockWatch, WaitsOnATimerThatSettingTheClockCancels) {
    const auto before = timerFdInfos().size();
    LinuxPlatform backend;
    backend.clock().watchChanges([](ClockChange) {});
    const auto infos = timerFdInfos();
    ASSERT_EQ(infos.size(), before + 1);
    const std::string& info = infos.back();
    // The wall clock, absolute and cancelled on set (flags 1 | 2), far away and not yet fired.
    EXPECT_NE(info.find("clockid: 0\n"), std::string::npos) << info;
    EXPECT_NE(info.find("settime flags: 03\n"), std::string::npos) << info;
    EXPECT_NE(info.find("ticks: 0\n"), std::string::npos) << info;
    const auto value = info.find("it_value: (");
    ASSERT_NE(value, std::string::npos) << info;
    // What is left: well over a century.
    EXPECT_GT(std::stoll(info.substr(value + 11)), 100LL * 365 * 86400) << info;

    backend.clock().watchChanges({});
    settle(50);
    EXPECT_EQ(timerFdInfos().size(), before);
}

TEST(ClockWatch, TheZoneFileIsTheOneTheCLibraryReads) {
    const struct {
        const char* tz;
        const char* tzdir;
        std::string file;
    } cases[] = {
        {nullptr, nullptr, "/etc/localtime"},
        {":/tmp/z/zone", nullptr, "/tmp/z/zone"},
        {"/tmp/z/zone", nullptr, "/tmp/z/zone"},
        {"Europe/Paris", nullptr, "/usr/share/zoneinfo/Europe/Paris"},
        {":Asia/Tokyo", "/opt/zones", "/opt/zones/Asia/Tokyo"},
        {"", nullptr, ""},
        {":", nullptr, ""},
        {"CET-1CEST,M3.5.0,M10.5.0/3", nullptr, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZoneFile(c.tz, c.tzdir), c.file) << (c.tz ? c.tz : "(unset)");
}

// The wake alarm on Linux: the helper, started by the program, holds one CLOCK_REALTIME_ALARM timer at the
// moment the agenda plans, as /proc/PID/fdinfo shows it; without CAP_WAKE_ALARM the option is refused with
// its reason. Needs root (the capability is root's here; the package gives it to the helper instead).

#include "core/Engine.h"
#include "platform/linux/PowerHolds.h"
#include "tests/fakes/RecordingPlatform.h"
#include "tests/fakes/RecordingReminders.h"
#include "tests/helpers/TestPaths.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <unistd.h>

using namespace halvo;

namespace {

const std::string AppFolder = std::string(TestPath("HALVO_APP_FOLDER")) + "/";
constexpr const char* InnerRun = "HALVO_WAKE_TEST_INNER";

// The helper this process started, by its name; 0 when none runs.
int helperProcess() {
    DIR* proc = opendir("/proc");
    int found = 0;
    while (dirent* entry = readdir(proc)) {
        const int pid = std::atoi(entry->d_name);
        if (pid <= 0)
            continue;
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        std::getline(stat, line);
        const auto close = line.rfind(')');
        if (close == std::string::npos || line.find("(halvo-wake-ala") == std::string::npos)
            continue;
        std::istringstream rest(line.substr(close + 2));
        char state = 0;
        int parent = 0;
        rest >> state >> parent;
        if (parent == getpid() && state != 'Z')
            found = pid;
    }
    closedir(proc);
    return found;
}

struct AlarmTimer {
    int clockId = -1;
    long long seconds = -1; // it_value: left until it rings
};

// The helper's timer as the kernel shows it.
std::optional<AlarmTimer> helperTimer() {
    const int pid = helperProcess();
    if (!pid)
        return std::nullopt;
    const std::string folder = "/proc/" + std::to_string(pid) + "/fdinfo/";
    DIR* fds = opendir(folder.c_str());
    std::optional<AlarmTimer> timer;
    while (dirent* entry = fds ? readdir(fds) : nullptr) {
        std::ifstream info(folder + entry->d_name);
        std::string line;
        AlarmTimer read;
        while (std::getline(info, line)) {
            if (line.rfind("clockid:", 0) == 0)
                read.clockId = std::atoi(line.c_str() + 8);
            if (line.rfind("it_value: (", 0) == 0)
                read.seconds = std::atoll(line.c_str() + 11);
        }
        if (read.clockId >= 0)
            timer = read;
    }
    if (fds)
        closedir(fds);
    return timer;
}

// The seconds left on the helper's alarm once it shows about expected (it follows a pipe).
long long alarmNear(long long expected) {
    std::optional<AlarmTimer> timer;
    for (int i = 0; i < 100; ++i) {
        timer = helperTimer();
        if (timer && timer->seconds <= expected && timer->seconds >= expected - 5)
            break;
        usleep(20000);
    }
    EXPECT_TRUE(timer) << "no helper holds a timer";
    if (!timer)
        return -1;
    EXPECT_EQ(timer->clockId, 8) << "not CLOCK_REALTIME_ALARM";
    return timer->seconds;
}

// Why the kernel itself will not have the clock (not a missing capability); empty when it will.
std::string kernelRefusal() {
    QProcess helper;
    helper.start(QString::fromStdString(AppFolder + linuxbackend::WakeHelperName), {});
    helper.waitForReadyRead(3000);
    const QString answer = QString::fromUtf8(helper.readLine()).trimmed();
    helper.closeWriteChannel();
    helper.waitForFinished(3000);
    if (answer == "ready" || answer == QString("error ") + std::strerror(EPERM))
        return {};
    return answer.toStdString();
}

} // namespace

TEST(WakeAlarm, TheHelperHoldsTheAlarmClockAtTheAgendasMoment) {
    if (getenv(InnerRun))
        GTEST_SKIP() << "the run without the capability";
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root: the helper's capability is root's here";
    if (const std::string refusal = kernelRefusal(); !refusal.empty())
        GTEST_SKIP() << "the kernel refuses CLOCK_REALTIME_ALARM: " << refusal;
    int argc = 1;
    char name[] = "wake";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    RecordingPlatform fake;
    linuxbackend::LinuxPowerHolds holds(AppFolder);
    fake.powerHoldsInstead = &holds;
    ScopedPlatform guard(fake);
    fake.setNow(2026, 12, 8, 21, 0, 0);
    RecordingReminders reminders;
    reminders.keepOpen = true;
    Engine engine(reminders, ScheduleStore::Reports{});
    engine.Start();
    EXPECT_EQ(holds.wakeAlarmProblem(), "");
    EXPECT_EQ(helperProcess(), 0) << "asking left a helper behind";
    AppSettings wake;
    wake.WakeForSchedule = true;
    wake.KeepAwake = false;
    engine.settings().Set(wake);

    TScheduleItem& item = engine.schedule().manager().Add();
    item.ItemName = "night";
    item.Task = TaskFromCode(4);
    item.TimeRule.Period = TPeriod::EveryDay;
    item.TimeRule.TimeOfDay = EncodeTime(22, 0, 0);
    item.TimeRule.DisplayText = "daily";
    item.TimeRule.CrossState = TCrossState::Ahead;
    engine.schedule().ItemsChanged();
    EXPECT_NEAR(alarmNear(3600), 3599, 2);
    ASSERT_TRUE(engine.planner().armAt(ActionSource::CommandLine, 4, 21, 10, 0));
    EXPECT_NEAR(alarmNear(600), 599, 2);
    engine.planner().disarmGeneral();
    EXPECT_NEAR(alarmNear(3600), 3599, 2);
    // The wall clock set to 21:30: the item is half an hour away.
    fake.setNow(2026, 12, 8, 21, 30, 0);
    fake.announce(ClockChange::WallClockSet);
    EXPECT_NEAR(alarmNear(1800), 1799, 2);
    // Nothing timed is left: the helper lets go and ends.
    engine.schedule().manager().Delete(0);
    engine.schedule().ItemsChanged();
    EXPECT_EQ(helperProcess(), 0);
}

TEST(WakeAlarm, WithoutTheCapabilityTheOptionIsRefusedWithItsReason) {
    const std::string reason =
        "The wake helper cannot set an alarm: " + std::string(std::strerror(EPERM)) +
        ". It needs the capability CAP_WAKE_ALARM, which the program's package gives it.";
    if (getenv(InnerRun)) {
        linuxbackend::LinuxPowerHolds holds(AppFolder);
        EXPECT_EQ(holds.wakeAlarmProblem(), reason);
        std::string failure;
        EXPECT_FALSE(holds.setWakeAlarm(60000, failure));
        EXPECT_EQ(failure, reason);
        EXPECT_EQ(helperProcess(), 0);
        linuxbackend::LinuxPowerHolds elsewhere("/nonexistent/");
        EXPECT_EQ(elsewhere.wakeAlarmProblem(),
                  "The wake helper halvo-wake-alarm is not installed with the program.");
        return;
    }
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to drop the capability with setpriv";
    if (const std::string refusal = kernelRefusal(); !refusal.empty())
        GTEST_SKIP() << "the kernel refuses CLOCK_REALTIME_ALARM: " << refusal;
    // This test again, in a process whose children can never gain CAP_WAKE_ALARM.
    QProcess inner;
    QStringList environment = QProcess::systemEnvironment();
    environment << QString(InnerRun) + "=1";
    inner.setEnvironment(environment);
    inner.setProcessChannelMode(QProcess::MergedChannels);
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    inner.start("setpriv", {"--bounding-set", "-wake_alarm", QString::fromLocal8Bit(self),
                            "--gtest_filter=WakeAlarm.WithoutTheCapabilityTheOptionIsRefusedWithItsReason"});
    ASSERT_TRUE(inner.waitForFinished(30000));
    const QString output = QString::fromUtf8(inner.readAll());
    EXPECT_EQ(inner.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

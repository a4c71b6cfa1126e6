#pragma once

// Keeping the computer awake and waking it on Linux. The hold is two: logind's "idle" inhibitor on the system
// bus, and the desktop's own, since the desktops' power managers decide idle sleep themselves (GNOME's
// session manager, else the freedesktop PowerManagement service of KDE and XFCE, else the desktop portal),
// found by who owns the name. The wake alarm is held by the small helper halvo-wake-alarm, the one program
// given CAP_WAKE_ALARM, which the program hands the moment over a pipe.

#include "platform/Platform.h"

#include <QObject>

#include <memory>
#include <string>

class QProcess;

namespace halvo::linuxbackend {

// The helper's name, looked for beside the program and in ../libexec/halvo-shutdown/ from there.
constexpr const char* WakeHelperName = "halvo-wake-alarm";

class LinuxPowerHolds final : public QObject, public PowerHolds {
    Q_OBJECT
public:
    // executableFolder: the program's folder, ending with a separator.
    explicit LinuxPowerHolds(std::string executableFolder);
    ~LinuxPowerHolds() override;

    void holdAwake(const std::string& why) override;
    void releaseAwake() override;
    std::string wakeAlarmProblem() override;
    std::string wakeAlarmCaveat() override { return {}; }
    bool setWakeAlarm(std::int64_t msFromNow, std::string& failure) override;
    void clearWakeAlarm() override;

    struct Hold;

private:
    // Starts the helper when it does not run; its problem, empty once it runs and holds its timer.
    std::string startHelper();
    void stopHelper();

    std::string m_folder;
    std::shared_ptr<Hold> m_hold;
    QProcess* m_helper = nullptr;
};

} // namespace halvo::linuxbackend

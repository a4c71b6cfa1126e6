// Keeping the computer awake and the wake alarm against the real system calls: the execution state is
// taken and put back, and a wake alarm armed, moved and cancelled leaves no timer behind.

#include "Win32TestSupport.h"

namespace halvo::test {
namespace {

class PowerHoldsReal : public RealPlatformTest {};

DWORD handleCount() {
    DWORD count = 0;
    EXPECT_TRUE(GetProcessHandleCount(GetCurrentProcess(), &count));
    return count;
}

TEST_F(PowerHoldsReal, TheExecutionStateIsTakenAndPutBack) {
    backend.powerHolds().holdAwake("lock the computer in 2 h");
    // The state set last is what the call gives back.
    EXPECT_EQ(SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED),
              ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
    backend.powerHolds().releaseAwake();
    EXPECT_EQ(SetThreadExecutionState(ES_CONTINUOUS), ES_CONTINUOUS);
}

TEST_F(PowerHoldsReal, ArmingAndCancellingLeaveNoTimerBehind) {
    const DWORD before = handleCount();
    std::string failure;
    for (int round = 0; round < 3; ++round) {
        if (!backend.powerHolds().setWakeAlarm(3600000, failure)) {
            // A system that cannot resume by a timer says so; the timer is gone all the same.
            EXPECT_FALSE(failure.empty());
        } else {
            EXPECT_TRUE(backend.powerHolds().setWakeAlarm(60000, failure)) << failure;
            EXPECT_EQ(handleCount(), before + 1) << "one timer, moved";
        }
        backend.powerHolds().clearWakeAlarm();
        EXPECT_EQ(handleCount(), before) << "round " << round;
    }
}

} // namespace
} // namespace halvo::test

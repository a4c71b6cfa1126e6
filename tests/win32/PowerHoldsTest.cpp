// Keeping the computer awake and the wake alarm against the real system calls: the execution state is
// taken and put back, and a wake alarm armed, moved and cancelled leaves no timer behind.

#include "Win32TestSupport.h"

#include <cstdint>

namespace halvo::test {
namespace {

class PowerHoldsReal : public RealPlatformTest {};

// The value the next handle of the process gets: a handle closed is the next one given again, so a timer
// left open shows as a different value (Wine counts no handles with GetProcessHandleCount; this works on
// both).
std::uintptr_t nextHandle() {
    const HANDLE probe = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    EXPECT_NE(probe, nullptr);
    CloseHandle(probe);
    return reinterpret_cast<std::uintptr_t>(probe);
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
    const std::uintptr_t free = nextHandle();
    std::string failure;
    for (int round = 0; round < 3; ++round) {
        if (!backend.powerHolds().setWakeAlarm(3600000, failure)) {
            // A system that cannot resume by a timer says so; the timer is gone all the same.
            EXPECT_FALSE(failure.empty());
        } else {
            EXPECT_TRUE(backend.powerHolds().setWakeAlarm(60000, failure)) << failure;
            EXPECT_NE(nextHandle(), free) << "the timer holds a handle while armed";
        }
        backend.powerHolds().clearWakeAlarm();
        EXPECT_EQ(nextHandle(), free) << "round " << round << ": a handle is left behind";
    }
}

} // namespace
} // namespace halvo::test

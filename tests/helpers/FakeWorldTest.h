#pragma once

// A test on the recording platform and the recording user interface, both in place for the test's length:
// what the code asked of the system is in fake.calls, what it showed in recordingUi.

#include "tests/fakes/RecordingPlatform.h"
#include "tests/fakes/RecordingUi.h"

#include <gtest/gtest.h>

namespace halvo {

class FakeWorldTest : public ::testing::Test {
protected:
    RecordingPlatform fake;
    RecordingUi recordingUi;
    ScopedPlatform platformGuard{fake};
    ScopedUi uiGuard{recordingUi};
};

} // namespace halvo

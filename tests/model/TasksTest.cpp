#include "model/Tasks.h"
#include "platform/fake/RecordingPlatform.h"
#include "platform/fake/RecordingUi.h"

#include <gtest/gtest.h>

using namespace halvo;

TEST(Smoke, Builds) {
    RecordingPlatform fake;
    ScopedPlatform guard(fake);
    TShutDownTask().Run();
    EXPECT_FALSE(fake.calls.empty());
}

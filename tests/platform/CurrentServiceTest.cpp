// The one holder behind platform(), ui() and dialogs(): guards nest, each puts back the one before it, and
// each kind of service has a holder of its own.

#include "platform/CurrentService.h"

#include <gtest/gtest.h>

using namespace halvo;

namespace {
struct Service {
    int id = 0;
};
struct OtherService {};
using Current = CurrentService<Service>;
const char* const NoneSet = "halvo: no test service has been set";
} // namespace

TEST(CurrentService, GuardsNestAndEachPutsBackTheOneBeforeIt) {
    Service first{1}, second{2}, third{3};
    OtherService other;
    EXPECT_EQ(Current::set(&first), nullptr);
    {
        Current::Scoped outer(second);
        CurrentService<OtherService>::Scoped unrelated(other);
        EXPECT_EQ(Current::get(NoneSet).id, 2);
        {
            Current::Scoped inner(third);
            EXPECT_EQ(Current::get(NoneSet).id, 3);
        }
        EXPECT_EQ(Current::get(NoneSet).id, 2);
        EXPECT_EQ(&CurrentService<OtherService>::get(NoneSet), &other);
    }
    EXPECT_EQ(Current::get(NoneSet).id, 1);
    EXPECT_EQ(CurrentService<OtherService>::set(nullptr), nullptr) << "its guard put back none";
    EXPECT_EQ(Current::set(nullptr), &first);
}

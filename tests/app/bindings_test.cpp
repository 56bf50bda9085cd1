#include <gtest/gtest.h>

#include <cstdlib>

#include "app_harness.hpp"

namespace quillo {
namespace {

// Every behaviour of the program bound against the real window definitions.
// A binding to a window, control or menu action the definitions do not have,
// to an event its control never raises, or a second binding of one key ends
// the process with a message naming it, which this test shows.
TEST(Bindings, EveryBehaviourBindsAgainstTheRealDefinitions) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            test::AppHarness harness;  // binds every behaviour
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace quillo

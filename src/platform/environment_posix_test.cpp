#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/environment.h"

namespace trevalunda::platform {
namespace {

TEST(EnvironmentPosixTest, ReadsSetEmptyAndMissingVariables) {
    constexpr const char* kName = "TREVALUNDA_TEST_VARIABLE";
    ::setenv(kName, "a b=c", 1);
    EXPECT_EQ(EnvironmentVariable(kName), "a b=c") << "set";
    ::setenv(kName, "", 1);
    EXPECT_EQ(EnvironmentVariable(kName), "") << "empty";
    ::unsetenv(kName);
    EXPECT_EQ(EnvironmentVariable(kName), std::nullopt) << "missing";
}

}  // namespace
}  // namespace trevalunda::platform

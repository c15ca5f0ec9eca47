// The end-to-end tests' entry point: GoogleTest's, except that every test is skipped where the
// sensor's drive may not be used (Windows outside a disposable prefix).

#include <gtest/gtest.h>

#include "e2e/installation.h"

namespace {

class SkipEveryTest : public ::testing::EmptyTestEventListener {
    // A skip recorded when a test starts keeps the test from running.
    void OnTestStart(const ::testing::TestInfo& /*test*/) override {
        GTEST_SKIP() << "The end-to-end tests write to the C: drive that the sensor sees: they "
                        "run only where TREVALUNDA_DISPOSABLE_PREFIX=1 declares it disposable "
                        "(the Wine emulator of the cross build does).";
    }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!trevalunda::testing::TestDriveAvailable()) {
        ::testing::UnitTest::GetInstance()->listeners().Append(new SkipEveryTest);
    }
    return RUN_ALL_TESTS();
}

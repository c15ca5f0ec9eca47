#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/process.h"

namespace trevalunda::platform {
namespace {

// A sensor started by a service must fail rather than wait at a dialog: for a missing DLL or
// drive, a file that cannot be opened, or a crash.
TEST(PlatformWindowsTest, PrepareProcessTurnsErrorDialogsOff) {
    PrepareProcess();
    const UINT noDialogs = SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX;
    EXPECT_EQ(::GetErrorMode() & noDialogs, noDialogs);
}

}  // namespace
}  // namespace trevalunda::platform

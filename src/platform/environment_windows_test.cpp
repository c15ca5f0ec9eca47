#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/environment.h"

namespace trevalunda::platform {
namespace {

constexpr const wchar_t* kName = L"TREVALUNDA_TEST_VARIABLE";

TEST(EnvironmentWindowsTest, ReadsSetEmptyAndMissingVariables) {
    ::SetEnvironmentVariableW(kName, L"a b=c");
    EXPECT_EQ(EnvironmentVariable("TREVALUNDA_TEST_VARIABLE"), "a b=c") << "set";
    EXPECT_EQ(EnvironmentVariable("trevalunda_test_variable"), "a b=c") << "name in other case";
    ::SetEnvironmentVariableW(kName, L"");
    EXPECT_EQ(EnvironmentVariable("TREVALUNDA_TEST_VARIABLE"), "") << "empty";
    ::SetEnvironmentVariableW(kName, nullptr);
    EXPECT_EQ(EnvironmentVariable("TREVALUNDA_TEST_VARIABLE"), std::nullopt) << "missing";
}

TEST(EnvironmentWindowsTest, LongValueIsReadWhole) {
    const std::wstring value(1000, L'x');
    ::SetEnvironmentVariableW(kName, value.c_str());
    EXPECT_EQ(EnvironmentVariable("TREVALUNDA_TEST_VARIABLE"), std::string(1000, 'x'));
    ::SetEnvironmentVariableW(kName, nullptr);
}

// A value becomes the 8-bit text of the ANSI code page; a character that the code page lacks
// becomes "?", never a look-alike letter (best fit would make U+0100 an "A").
TEST(EnvironmentWindowsTest, ValueInTheAnsiCodePage) {
    if (::GetACP() != 1252) {
        GTEST_SKIP() << "the expectation holds for the ANSI code page 1252";
    }
    ::SetEnvironmentVariableW(kName, L"p\u00E4ss\u0100");
    EXPECT_EQ(EnvironmentVariable("TREVALUNDA_TEST_VARIABLE"), "p\xE4ss?");
    ::SetEnvironmentVariableW(kName, nullptr);
}

}  // namespace
}  // namespace trevalunda::platform

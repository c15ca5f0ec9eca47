#include "rfcsim/trace_file.h"

#include <gtest/gtest.h>

#include <regex>

#include "rfcsim/test_support/temporary_folder.h"

namespace trevalunda::rfcsim {
namespace {

TEST(TraceFileTest, DefaultLinesPutTheReasonAtTheThirteenthCharacter) {
    const std::vector<std::string> lines =
        DefaultFailureLines("Name or password is incorrect", "20240131 142501");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "**** ERROR file opened at 20240131 142501, rfcsim");
    EXPECT_EQ(lines[1], "ERROR       Name or password is incorrect");
    EXPECT_EQ(lines[1].substr(12), "Name or password is incorrect");
}

TEST(TraceFileTest, TimestampIsDateAndTime) {
    EXPECT_TRUE(std::regex_match(TraceTimestamp(), std::regex("[0-9]{8} [0-9]{6}")))
        << TraceTimestamp();
}

TEST(TraceFileTest, AppendsToTheFile) {
    testing::TemporaryFolder folder;
    AppendTraceLines(folder.Path(), {"a", "b"});
    AppendTraceLines(folder.Path(), {"c"});
    EXPECT_EQ(folder.Read("Dev_Rfc.Trc"), "a\nb\nc\n");
}

}  // namespace
}  // namespace trevalunda::rfcsim

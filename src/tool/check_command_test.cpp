#include "tool/check_command.h"

#include <gtest/gtest.h>

#include "support/profiles.h"
#include "support/tool_harness.h"
#include "tool/help_text.h"

namespace trevalunda::tool {
namespace {

using testing::ProfileText;
using testing::ToolHarness;

TEST(CheckCommandTest, ReportsEveryFileAndExitsZeroOnlyWhenAllAreAccepted) {
    ToolHarness tool;
    tool.files.Add("PRD.P00", ProfileText());
    tool.files.Add("QAS.P00", ProfileText({.destination = "Q"}));
    tool.files.ShareWithOthers("PRD.P00");
    EXPECT_EQ(RunCheck({"PRD.P00"}, tool.services), ToolExit::Success);
    EXPECT_EQ(RunCheck({"PRD.P00", "QAS.P00", "DEV.P00"}, tool.services), ToolExit::Refused);
    EXPECT_EQ(tool.out.str(),
              "PRD.P00: the sensor accepts this profile\n"
              "PRD.P00: password: well formed, check digit right, length right\n"
              "PRD.P00: warning: users other than its owner may read this file, and the password "
              "in it is only scrambled, not encrypted\n"
              "PRD.P00: the sensor accepts this profile\n"
              "PRD.P00: password: well formed, check digit right, length right\n"
              "PRD.P00: warning: users other than its owner may read this file, and the password "
              "in it is only scrambled, not encrypted\n"
              "QAS.P00: the sensor refuses this profile: Error 1003: Invalid Parameter(s) at "
              "QAS.P00 found...\n"
              "QAS.P00:3: Destination: has 1 character; the sensor needs at least 3 characters "
              "(Error 1003)\n"
              "QAS.P00: password: well formed, check digit right, length right\n"
              "DEV.P00: no such file; the sensor would stop with Error 1002: Profile DEV.P00 is "
              "missing...\n");
    EXPECT_EQ(tool.err.str(), "");
}

TEST(CheckCommandTest, CommandLineFaults) {
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{}, "check needs at least one FILE (see trevalunda-profile check --help)"},
        {{"PRD.P00", "--quiet"}, "check has no option --quiet"},
    };
    for (const Case& c : cases) {
        ToolHarness tool;
        EXPECT_EQ(RunCheck(c.arguments, tool.services), ToolExit::Failure) << c.message;
        EXPECT_EQ(tool.out.str(), "") << c.message;
        EXPECT_EQ(tool.err.str(), "trevalunda-profile: " + c.message + "\n");
    }
}

TEST(CheckCommandTest, Help) {
    ToolHarness tool;
    EXPECT_EQ(RunCheck({"PRD.P00", "--help"}, tool.services), ToolExit::Success);
    EXPECT_EQ(tool.out.str(), CheckHelp());
}

}  // namespace
}  // namespace trevalunda::tool

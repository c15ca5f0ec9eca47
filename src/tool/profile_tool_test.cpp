#include "tool/profile_tool.h"

#include <gtest/gtest.h>

#include "base/version.h"
#include "support/tool_harness.h"
#include "tool/help_text.h"

namespace trevalunda::tool {
namespace {

using testing::ToolHarness;

TEST(ProfileToolTest, HelpAndCommands) {
    struct Case {
        std::vector<std::string> arguments;
        ToolExit exit;
        std::string out;
        std::string err;
    } cases[] = {
        {{}, ToolExit::Failure, "", ToolHelp()},
        {{"--help"}, ToolExit::Success, ToolHelp(), ""},
        {{"help"}, ToolExit::Success, ToolHelp(), ""},
        {{"/?"}, ToolExit::Success, ToolHelp(), ""},
        {{"--version"},
         ToolExit::Success,
         "trevalunda-profile " + std::string(kBuildVersion) + " (Vers 4.3 / 29.08.22)\n",
         ""},
        {{"--Version"},
         ToolExit::Failure,
         "",
         "trevalunda-profile: unknown command --Version (see trevalunda-profile --help)\n"},
        {{"encode", "--help"}, ToolExit::Success, EncodeHelp(), ""},
        {{"new", "--help"}, ToolExit::Success, NewHelp(), ""},
        {{"check", "--help"}, ToolExit::Success, CheckHelp(), ""},
        {{"listing", "--help"}, ToolExit::Success, ListingHelp(), ""},
        {{"diagnose", "--help"}, ToolExit::Success, DiagnoseHelp(), ""},
        {{"show"},
         ToolExit::Failure,
         "",
         "trevalunda-profile: unknown command show (see trevalunda-profile --help)\n"},
    };
    for (const Case& c : cases) {
        ToolHarness tool;
        const std::string name = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(RunProfileTool(c.arguments, tool.services), c.exit) << name;
        EXPECT_EQ(tool.out.str(), c.out) << name;
        EXPECT_EQ(tool.err.str(), c.err) << name;
    }
}

TEST(ProfileToolTest, CommandsGetTheirArguments) {
    ToolHarness tool;
    tool.input = {"secret"};
    EXPECT_EQ(RunProfileTool({"encode"}, tool.services), ToolExit::Success);
    EXPECT_EQ(tool.out.str().size(), kStoredPasswordLength + 1);
    EXPECT_EQ(RunProfileTool({"check", "NONE.P00"}, tool.services), ToolExit::Refused);
    tool.files.Add("Vantorix.Prf", "# Gsng: xxxxxxxxxxxxPRD.P00#\r\n");
    EXPECT_EQ(RunProfileTool({"listing", "Vantorix.Prf"}, tool.services), ToolExit::Success);
}

}  // namespace
}  // namespace trevalunda::tool

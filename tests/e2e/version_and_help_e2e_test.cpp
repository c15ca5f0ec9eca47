// What both programs print when asked about themselves, and that only an exact first argument
// asks: anything else stays the sensor's profile name or the tool's command.

#include <gtest/gtest.h>

#include <regex>

#include "base/version.h"
#include "e2e/installation.h"
#include "run/information_request.h"
#include "tool/help_text.h"

namespace trevalunda::testing {
namespace {

std::string VersionLineOf(const std::string& program) {
    return program + " " + std::string(kBuildVersion) + " (Vers 4.3 / 29.08.22)\n";
}

TEST(VersionAndHelpTest, BothProgramsAnswer) {
    // The version that the package names and both programs print: MAJOR.MINOR.PATCH.
    EXPECT_TRUE(
        std::regex_match(std::string(kBuildVersion), std::regex("[0-9]+\\.[0-9]+\\.[0-9]+")))
        << kBuildVersion;
    Installation installation;
    struct Case {
        std::string program;
        std::string argument;
        std::string output;
    } cases[] = {
        {"trevalunda", "--version", VersionLineOf("trevalunda")},
        {"trevalunda", "--help", SensorHelp()},
        {"trevalunda", "/?", SensorHelp()},
        {"trevalunda-profile", "--version", VersionLineOf("trevalunda-profile")},
        {"trevalunda-profile", "--help", tool::ToolHelp()},
        {"trevalunda-profile", "/?", tool::ToolHelp()},
    };
    for (const Case& c : cases) {
        const std::string name = c.program + " " + c.argument;
        const platform::ChildResult result = c.program == "trevalunda"
                                                 ? installation.Run({c.argument})
                                                 : installation.RunProfileTool({c.argument});
        EXPECT_EQ(result.output, AsStandardOutput(c.output)) << name;
        EXPECT_EQ(result.errors, "") << name;
        EXPECT_EQ(result.exitCode, 0) << name;
    }
}

TEST(VersionAndHelpTest, OtherwiseTheSensorRuns) {
    Installation installation;
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"--Help"}, "Error 1002: Profile --Help.P00 is missing..."},
        {{"-h"}, "Error 1002: Profile -h.P00 is missing..."},
        {{"--version.P01"}, "Error 1002: Profile --version.P01 is missing..."},
        {{"PRD", "--version"}, "Error 1002: Profile PRD.P00 is missing..."},
        {{"PRD", "x", "--help"}, "Error 1002: Profile PRD.P00 is missing..."},
    };
    for (const Case& c : cases) {
        const platform::ChildResult result = installation.Run(c.arguments);
        EXPECT_EQ(result.output, ErrorDocumentFor(c.message)) << c.arguments.back();
        EXPECT_EQ(result.exitCode, 2) << c.arguments.back();
    }
}

}  // namespace
}  // namespace trevalunda::testing

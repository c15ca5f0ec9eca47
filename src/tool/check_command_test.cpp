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

// A profile in PRTG's custom-sensor folder is read with the settings file in that folder; the
// same profile elsewhere with the settings there, if any.
TEST(CheckCommandTest, SettingsBesideTheProfileDecideWhereCredentialsComeFrom) {
    ToolHarness tool;
    const std::string noCredentials =
        "Extcompany.: ACME\r\nDestination: PRD\r\nClient.....: 100"
        "\r\nLanguage...: E\r\nMode.......: R/3\r\nHostname...: sapprd"
        "\r\nSysnr......: 00\r\nGwhost.....: gwprd\r\nGwservice..: "
        "sapgw00\r\n";
    tool.files.Add("ExeXml\\trevalunda.ini", "Credentials=PrtgWindows\r\n");
    tool.files.Add("ExeXml\\NOC.P00", noCredentials);
    tool.files.ShareWithOthers("ExeXml\\NOC.P00");  // no password in it: no warning
    tool.files.Add("ExeXml\\PRD.P00", ProfileText());
    tool.files.Add("Linux/trevalunda.ini", "Credentials=PrtgLinux\r\n");
    tool.files.Add("Linux/NOC.P00", noCredentials);
    tool.files.Add("NOC.P00", noCredentials);
    tool.files.Add("Faulty\\trevalunda.ini", "LockError=many\r\n");
    tool.files.Add("Faulty\\PRD.P00", ProfileText());
    EXPECT_EQ(RunCheck({"ExeXml\\NOC.P00", "ExeXml\\PRD.P00", "Linux/NOC.P00"}, tool.services),
              ToolExit::Success);
    EXPECT_EQ(tool.out.str(),
              "ExeXml\\NOC.P00: the sensor accepts this profile\n"
              "ExeXml\\NOC.P00: user and password: from PRTG's prtg_windowsuser and "
              "prtg_windowspassword in a single-system run, as Credentials=PrtgWindows in "
              "trevalunda.ini selects; a multi-system run takes the profile's\n"
              "ExeXml\\NOC.P00: warning: this profile gives no usable user and password of its "
              "own: a multi-system run would count its system as failed\n"
              "ExeXml\\PRD.P00: the sensor accepts this profile\n"
              "ExeXml\\PRD.P00: user and password: from PRTG's prtg_windowsuser and "
              "prtg_windowspassword in a single-system run, as Credentials=PrtgWindows in "
              "trevalunda.ini selects; a multi-system run takes the profile's\n"
              "ExeXml\\PRD.P00: password: well formed, check digit right, length right\n"
              "Linux/NOC.P00: the sensor accepts this profile\n"
              "Linux/NOC.P00: user and password: from PRTG's prtg_linuxuser and "
              "prtg_linuxpassword in a single-system run, as Credentials=PrtgLinux in "
              "trevalunda.ini selects; a multi-system run takes the profile's\n"
              "Linux/NOC.P00: warning: this profile gives no usable user and password of its "
              "own: a multi-system run would count its system as failed\n");

    tool.out.str("");
    EXPECT_EQ(RunCheck({"NOC.P00", "Faulty\\PRD.P00"}, tool.services), ToolExit::Refused);
    EXPECT_EQ(tool.out.str(),
              "NOC.P00: the sensor refuses this profile: Error 1006: Username in Profile NOC.P00 "
              "is missing...\n"
              "NOC.P00: User.......: is missing; a profile needs a user (Error 1006)\n"
              "NOC.P00: Password...: is missing; a profile needs a password (Error 1007)\n"
              "NOC.P00: password: none given\n"
              "Faulty\\PRD.P00: the sensor stops before it reads this profile: Error 1045: "
              "Invalid LockError many in trevalunda.ini line 1...\n"
              "Faulty\\PRD.P00: password: well formed, check digit right, length right\n");
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

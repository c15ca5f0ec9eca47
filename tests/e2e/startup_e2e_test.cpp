// The run up to the profile: command line, settings, profile location and profile reading,
// each failure with its exact error document and exit code 2.

#include <gtest/gtest.h>

#include "e2e/installation.h"
#include "support/profiles.h"

namespace trevalunda::testing {
namespace {

constexpr const char* kPathUsage = "Sorry, invalid Path-Usage...";

void ExpectFailure(const platform::ChildResult& result, const std::string& message) {
    EXPECT_EQ(result.output, ErrorDocumentFor(message));
    EXPECT_EQ(result.exitCode, 2);
}

TEST(StartupTest, ProfileNameIsRequired) {
    Installation installation;
    ExpectFailure(installation.Run({}), "Error 1001: Parameter for Profile-Name is missing !");
}

TEST(StartupTest, EmptyProfileNameCountsAsGiven) {
    Installation installation;
    ExpectFailure(installation.Run({""}), "Error 1002: Profile .P00 is missing...");
}

TEST(StartupTest, MissingProfileQuotesNameOrPath) {
    Installation installation;
    ExpectFailure(installation.Run({"PRD", "#"}), "Error 1002: Profile PRD.P00 is missing...");
    ExpectFailure(installation.Run({"D:\\Sensors\\PRD", "@"}),
                  "Error 1002: Profile D:\\Sensors\\PRD.P00 is missing...");
}

TEST(StartupTest, ProfileInTheWorkingFolderFailsTheFolderCheck) {
    Installation installation;
    const auto work = installation.Write("work/PRD.P00", ProfileText()).parent_path();
    ExpectFailure(installation.RunIn(work, {"PRD"}), kPathUsage);
}

TEST(StartupTest, PointerFileNamesThePrtgFolder) {
    Installation installation;
    installation.Write("PRTG_Path.Txt", "rem the PRTG folder\r\nD:\\Tools\r\n");
    installation.Write("Tools/PRTG Network Monitor/Custom Sensors/ExeXml/PRD.P00",
                       ProfileText({.user = ""}));
    ExpectFailure(installation.Run({"PRD"}),
                  "Error 1006: Username in Profile PRD.P00 is missing...");

    installation.Write("PRTG_Path.Txt", "\\Other");
    installation.Write("Other/PRD.P00", ProfileText());
    ExpectFailure(installation.Run({"PRD"}), kPathUsage);
}

TEST(StartupTest, DefaultFoldersAreSearchedInOrder) {
    Installation installation;
    installation.Write("Program Files (x86)/PRTG Network Monitor/Custom Sensors/ExeXml/PRD.P00",
                       ProfileText({.client = "1"}));
    ExpectFailure(installation.Run({"PRD"}),
                  "Error 1003: Invalid Parameter(s) at PRD.P00 found...");
    installation.WriteInSensorFolder("PRD.P00", ProfileText({.password = ""}));
    ExpectFailure(installation.Run({"PRD"}),
                  "Error 1007: Password in Profile PRD.P00 is missing...");
}

TEST(StartupTest, ProfileFaultsEndTheRunWithoutProgressLines) {
    Installation installation;
    installation.WriteInSensorFolder("BAD.P00", "Password...: short\r\n");
    ExpectFailure(installation.Run({"BAD", "#"}),
                  "Error 1004: Invalid Password in Profile BAD.P00 found...");
    std::string wrong = ProfileText();
    const auto at = wrong.find("Password...: ") + 13;
    wrong[at] = static_cast<char>(wrong[at] ^ 1);
    installation.WriteInSensorFolder("WRONG.P00", wrong);
    ExpectFailure(installation.Run({"WRONG"}),
                  "Error 1005: Wrong Password in Profile WRONG.P00 found...");
}

TEST(StartupTest, SettingsSelectTheFrontEndMode) {
    Installation installation;
    installation.WriteInSensorFolder("trevalunda.ini", "; front-end\r\nOutputMode=Kestrin\r\n");
    installation.Write("Sensors/PRD.P00", ProfileText({.user = ""}));
    // A front-end mode opens the profile where the name says, without a search.
    ExpectFailure(installation.Run({"D:\\Elsewhere\\PRD"}),
                  "Error 1002: Profile D:\\Elsewhere\\PRD.P00 is missing...");
    ExpectFailure(installation.Run({"\\Sensors\\PRD"}),
                  "Error 1006: Username in Profile PRD.P00 is missing...");
}

TEST(StartupTest, SettingsErrorsEndTheRun) {
    Installation installation;
    installation.WriteInSensorFolder("PRD.P00", ProfileText({.user = ""}));
    installation.WriteInSensorFolder("trevalunda.ini", "OutputMode=kestrin\n");
    ExpectFailure(installation.Run({"PRD"}),
                  "Error 1042: Unknown OutputMode kestrin in trevalunda.ini line 1 (valid: "
                  "EXEXML, Lumotex, Morvale, Brevanta, Kestrin)...");
    installation.WriteInSensorFolder("trevalunda.ini", "\nOutput=Kestrin\n");
    ExpectFailure(installation.Run({"PRD"}),
                  "Error 1041: Unknown setting Output in trevalunda.ini line 2...");
    // Settings are read after the command line: a missing name is still reported first.
    ExpectFailure(installation.Run({}), "Error 1001: Parameter for Profile-Name is missing !");
}

}  // namespace
}  // namespace trevalunda::testing

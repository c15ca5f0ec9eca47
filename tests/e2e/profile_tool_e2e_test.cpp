// The profile tool as its users run it: encode, new, check and listing on files in a temporary
// installation, with the exact output and exit code, and the sensor's own verdict on the
// same profiles and listings.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "config/system_profile.h"
#include "e2e/installation.h"
#include "support/profiles.h"
#include "tool/help_text.h"

namespace trevalunda::testing {
namespace {

namespace fs = std::filesystem;

const std::string kSuffix = TREVALUNDA_EXECUTABLE_SUFFIX;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> NewArguments(const std::string& file,
                                      const std::vector<std::string>& extra = {}) {
    const std::pair<std::string, std::string> options[] = {
        {"--company", "ACME Corp"},  {"--destination", "PRD"},
        {"--client", "100"},         {"--user", "monitor"},
        {"--language", "E"},         {"--mode", "R/3"},
        {"--host", "sapprd"},        {"--system-number", "00"},
        {"--gateway-host", "gwprd"}, {"--gateway-service", "sapgw00"},
    };
    std::vector<std::string> arguments{"new", file};
    for (const auto& [option, value] : options) {
        arguments.insert(arguments.end(), {option, value});
    }
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return arguments;
}

TEST(ProfileToolProgramTest, EncodePrintsAStoredValueThatTheSensorDecodes) {
    Installation installation;
    const platform::ChildResult first = installation.RunProfileTool({"encode"}, "Pa55 word!\n");
    const platform::ChildResult second = installation.RunProfileTool({"encode"}, "Pa55 word!\n");
    for (const platform::ChildResult& result : {first, second}) {
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.errors, "");
        const std::string stored = result.output.substr(0, kStoredPasswordLength);
        EXPECT_EQ(result.output, AsStandardOutput(stored + "\n"));
        for (char c : stored) {
            EXPECT_TRUE(c > ' ' && c <= '~') << "stored: " << stored;
        }
        EXPECT_EQ(DecodeProfilePassword(stored, MakeProfileKey()).password, "Pa55 word!");
    }
    EXPECT_NE(first.output, AsStandardOutput(second.output))
        << "each run draws another key offset and filler";
}

TEST(ProfileToolProgramTest, EncodeRefusesWhatCannotBeStored) {
    struct Case {
        std::vector<std::string> arguments;
        std::string input;
        std::string message;
    } cases[] = {
        {{"encode"}, "", "the password is empty"},
        {{"encode"}, "p\n", "the password has 1 character; the sensor needs at least 2"},
        {{"encode"},
         std::string(21, 'p') + "\n",
         "the password has 21 characters; a profile holds at most 20"},
        {{"encode"},
         "pass\x01word\n",
         "character 5 of the password is not printable ASCII (a profile holds blank to ~ only)"},
        {{"encode", "secret"},
         "",
         "encode takes no arguments: the password is read from standard input, never from the "
         "command line"},
    };
    Installation installation;
    for (const Case& c : cases) {
        const platform::ChildResult result = installation.RunProfileTool(c.arguments, c.input);
        EXPECT_EQ(result.exitCode, 2) << c.message;
        EXPECT_EQ(result.output, "") << c.message;
        EXPECT_EQ(result.errors, AsStandardOutput("trevalunda-profile: " + c.message + "\n"));
    }
}

TEST(ProfileToolProgramTest, NewWritesAProfileThatTheSensorReadsAndCheckAccepts) {
    Installation installation;
    const platform::ChildResult made =
        installation.RunProfileTool(NewArguments("PRD.P00"), "s3cret pass\r\n");
    EXPECT_EQ(made.exitCode, 0) << made.errors;
    EXPECT_EQ(made.output, AsStandardOutput("profile PRD.P00 written\n"));
    EXPECT_EQ(made.errors, "");

    const std::string text = ReadFile(installation.CustomSensorFolder() / "PRD.P00");
    const Result<SystemProfile> read =
        ReadSystemProfile(text, "PRD.P00", ReadPolicy::Strict, MakeProfileKey());
    ASSERT_TRUE(read.ok()) << read.fatal().message;
    EXPECT_EQ(read.value().Password, "s3cret pass");
    EXPECT_EQ(read.value().Extcompany, "ACME Corp");
    EXPECT_EQ(read.value().Gwservice, "sapgw00");

    const platform::ChildResult checked = installation.RunProfileTool({"check", "PRD.P00"});
    EXPECT_EQ(checked.exitCode, 0);
    EXPECT_EQ(
        checked.output,
        AsStandardOutput("PRD.P00: the sensor accepts this profile\n"
                         "PRD.P00: password: well formed, check digit right, length right\n"));
}

TEST(ProfileToolProgramTest, NewRefusesAnExistingFileAndFaultyValues) {
    Installation installation;
    installation.WriteInSensorFolder("PRD.P00", "old");
    const platform::ChildResult exists =
        installation.RunProfileTool(NewArguments("PRD.P00"), "secret\n");
    EXPECT_EQ(exists.exitCode, 2);
    EXPECT_EQ(
        exists.errors,
        AsStandardOutput("trevalunda-profile: PRD.P00 exists; give --replace to replace it\n"));
    EXPECT_EQ(ReadFile(installation.CustomSensorFolder() / "PRD.P00"), "old");

    const platform::ChildResult twice = installation.RunProfileTool(
        NewArguments("QAS.P00", {"--destination=QASQASQASQAS"}), "secret\n");
    EXPECT_EQ(twice.exitCode, 2);
    EXPECT_EQ(twice.output, "");
    EXPECT_EQ(twice.errors, AsStandardOutput("trevalunda-profile: --destination is given twice\n"));

    std::vector<std::string> arguments = NewArguments("QAS.P00");
    arguments[5] = "QASQASQASQAS";  // the value of --destination
    const platform::ChildResult tooLong = installation.RunProfileTool(arguments, "secret\n");
    EXPECT_EQ(tooLong.exitCode, 2);
    EXPECT_EQ(tooLong.errors,
              AsStandardOutput(
                  "trevalunda-profile: --destination (Destination:) has 12 characters; the sensor "
                  "takes at most 11\n"));
    EXPECT_FALSE(fs::exists(installation.CustomSensorFolder() / "QAS.P00"));

    const platform::ChildResult replaced =
        installation.RunProfileTool(NewArguments("PRD.P00", {"--replace"}), "secret\n");
    EXPECT_EQ(replaced.exitCode, 0) << replaced.errors;
    EXPECT_EQ(installation.RunProfileTool({"check", "PRD.P00"}).exitCode, 0);
}

// A profile with one fault of each kind that the sensor reports, the line that check names
// for it and the sensor's message.
struct FaultyProfile {
    std::string name;
    std::string content;
    std::string finding;
    std::string message;
};

std::vector<FaultyProfile> FaultyProfiles() {
    std::string wrongCheckDigit = ProfileText();
    const std::size_t stored = wrongCheckDigit.find("Password...: ") + 13;
    wrongCheckDigit[stored] = static_cast<char>(wrongCheckDigit[stored] ^ 1);
    // ProfileText writes a comment line and then the fields: Destination on line 3, Client
    // on 4, User on 5, Password on 6, Language on 7, Mode on 8.
    return {
        {"SHORT", ProfileText({.mode = "R3"}),
         "SHORT.P00:8: Mode.......: has 2 characters; the sensor needs at least 3 characters "
         "(Error 1003)",
         "Error 1003: Invalid Parameter(s) at SHORT.P00 found..."},
        {"LONG", ProfileText({.client = "100100100100"}),
         "LONG.P00:4: Client.....: has 12 characters; the sensor takes at most 11 (Error 1003)",
         "Error 1003: Invalid Parameter(s) at LONG.P00 found..."},
        {"HEADER", ProfileText({.password = "secret"}).replace(stored, 1, ""),
         "HEADER.P00:6: Password...: has a stored value of 23 characters, not 24 (Error 1004)",
         "Error 1004: Invalid Password in Profile HEADER.P00 found..."},
        {"CHECK", wrongCheckDigit,
         "CHECK.P00:6: Password...: has a stored value whose check digit does not match: it was "
         "changed (Error 1005)",
         "Error 1005: Wrong Password in Profile CHECK.P00 found..."},
        {"NOUSER", ProfileText({.user = ""}),
         "NOUSER.P00:5: User.......: is empty; a profile needs a user (Error 1006)",
         "Error 1006: Username in Profile NOUSER.P00 is missing..."},
        {"NOPASS", ProfileText({.password = ""}).replace(stored - 13, 13 + 24, "; none"),
         "NOPASS.P00: Password...: is missing; a profile needs a password (Error 1007)",
         "Error 1007: Password in Profile NOPASS.P00 is missing..."},
    };
}

TEST(ProfileToolProgramTest, CheckNamesTheFailingFieldAndGivesTheSensorsError) {
    Installation installation;
    std::vector<std::string> arguments{"check"};
    for (const FaultyProfile& profile : FaultyProfiles()) {
        installation.WriteInSensorFolder(profile.name + ".P00", profile.content);
        arguments.push_back(profile.name + ".P00");
    }
    const platform::ChildResult checked = installation.RunProfileTool(arguments);
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_EQ(checked.errors, "");
    for (const FaultyProfile& profile : FaultyProfiles()) {
        const std::string file = profile.name + ".P00";
        EXPECT_NE(checked.output.find(AsStandardOutput(
                      file + ": the sensor refuses this profile: " + profile.message + "\n")),
                  std::string::npos)
            << checked.output;
        EXPECT_NE(checked.output.find(AsStandardOutput("\n" + profile.finding + "\n")),
                  std::string::npos)
            << profile.name << "\n"
            << checked.output;
        // The sensor itself, reading the same profile for a single-system run.
        EXPECT_EQ(installation.Run({profile.name}).output, ErrorDocumentFor(profile.message))
            << profile.name;
    }
}

TEST(ProfileToolProgramTest, CheckWarnsWhenOthersMayReadAProfile) {
    if (kSuffix == ".exe") {
        GTEST_SKIP() << "Windows decides who may read a file by access lists, not by its mode";
    }
    Installation installation;
    const fs::path path = installation.WriteInSensorFolder("PRD.P00", ProfileText());
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    const platform::ChildResult checked = installation.RunProfileTool({"check", "PRD.P00"});
    EXPECT_EQ(checked.exitCode, 0);
    EXPECT_EQ(
        checked.output,
        AsStandardOutput(
            "PRD.P00: the sensor accepts this profile\n"
            "PRD.P00: password: well formed, check digit right, length right\n"
            "PRD.P00: warning: users other than its owner may read this file, and the password "
            "in it is only scrambled, not encrypted\n"));

    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(
        installation.RunProfileTool({"check", "PRD.P00"}).output,
        AsStandardOutput("PRD.P00: the sensor accepts this profile\n"
                         "PRD.P00: password: well formed, check digit right, length right\n"));
}

TEST(ProfileToolProgramTest, ListingShowsWhatTheSensorReadsAndRefusesWhatItRefuses) {
    Installation installation;
    installation.WriteInSensorFolder(
        "SAP Vantorix.Gbl",
        "; global listing\r\n"
        "# GSNG: LOCKS     : PRD.P00##QAS\r\n"
        "# GSNG: LOCKS     : .P00#DEV.P00\r\n"
        "# GSNX: LOCKS     : Item=No_of_Locks,Sensor=\"SAP Trevalunda\",Alias\r\n"
        "# GSNG: OTHER     : PRD.P00#\r\n"
        "# GSNX: OTHER     : Item=No_of_Locks,Sensor=\"SAP Vantorix\"\r\n");
    const platform::ChildResult accepted =
        installation.RunProfileTool({"listing", "SAP Vantorix.Gbl", "locks CH=1"});
    EXPECT_EQ(accepted.exitCode, 0);
    EXPECT_EQ(accepted.errors, "");
    EXPECT_EQ(
        accepted.output,
        AsStandardOutput(
            "SAP Vantorix.Gbl: the sensor accepts this listing\n"
            "SAP Vantorix.Gbl: global listing: systems from the lines that begin with \"# GSNG: "
            "LOCKS     \", the parameter text from the first line that begins with \"# GSNX: "
            "LOCKS     \" (in any letter case)\n"
            "SAP Vantorix.Gbl:2: system 1 \"PRD.P00\", label \"PRD\"\n"
            "SAP Vantorix.Gbl:2: system 2 is empty: nothing stands before its \"#\"; the "
            "sensor counts it in NoSystems but reads no profile for it\n"
            "SAP Vantorix.Gbl:2: system 3 \"QAS.P00\", label \"QAS\"; it runs on to line 3 "
            "because line 2 does not end with \"#\"\n"
            "SAP Vantorix.Gbl:3: system 4 \"DEV.P00\", label \"DEV\"; it has no closing \"#\", "
            "and the sensor takes it as the last system all the same\n"
            "SAP Vantorix.Gbl:4: item \"No_of_Locks\"\n"
            "SAP Vantorix.Gbl:4: label kind Alias: each system's channel is named by its entry "
            "without the last 4 characters\n"
            "SAP Vantorix.Gbl:4: parameter text \" Item=No_of_Locks\" replaces the command "
            "line's\n"));

    const std::string refusal = "Error 1029: Invalid Sensor-Allocation...";
    const platform::ChildResult refused =
        installation.RunProfileTool({"listing", "SAP Vantorix.Gbl", "OTHER"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.errors, "");
    const std::size_t secondLineEnd = refused.output.find('\n', refused.output.find('\n') + 1);
    EXPECT_EQ(refused.output.substr(0, secondLineEnd + 1),
              AsStandardOutput("SAP Vantorix.Gbl: the sensor refuses this listing: " + refusal +
                               "\n"
                               "SAP Vantorix.Gbl:6: the sensor's parameter line does not hold "
                               "Sensor=\"SAP Trevalunda\" (Error 1029)\n"));
    // The sensor itself, started for the same sensor of the global listing.
    EXPECT_EQ(installation.Run({"GLOBAL", "OTHER"}).output, ErrorDocumentFor(refusal));

    const platform::ChildResult missing = installation.RunProfileTool({"listing", "Vantorix.Prf"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.output, "");
    EXPECT_EQ(
        missing.errors,
        AsStandardOutput(
            "trevalunda-profile: Vantorix.Prf: no such file; the sensor would stop with Error "
            "1002: Profile Vantorix.Prf is missing...\n"));
    EXPECT_EQ(installation.Run({"PRD", "ITEM=No_of_Locks"}).output,
              ErrorDocumentFor("Error 1002: Profile Vantorix.Prf is missing..."));
}

TEST(ProfileToolProgramTest, CheckExpandsWildcardsOnWindows) {
    if (kSuffix != ".exe") {
        GTEST_SKIP() << "a POSIX shell expands wildcards before the program starts";
    }
    Installation installation;
    installation.WriteInSensorFolder("PRD.P00", ProfileText());
    installation.WriteInSensorFolder("QAS.P00", ProfileText({.destination = "QAS"}));
    installation.WriteInSensorFolder("QAS.P01", ProfileText({.client = "1"}));
    // The order of the files that a pattern matches is the file system's.
    const auto sortedLines = [](const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        std::sort(lines.begin(), lines.end());
        return lines;
    };
    struct Case {
        std::string pattern;
        std::vector<std::string> files;
    } cases[] = {
        {"*.P00", {"PRD.P00", "QAS.P00"}},
        {"qas.p0?", {"QAS.P00", "QAS.P01"}},
    };
    for (const Case& c : cases) {
        const platform::ChildResult expanded = installation.RunProfileTool({"check", c.pattern});
        std::vector<std::string> named{"check"};
        named.insert(named.end(), c.files.begin(), c.files.end());
        const platform::ChildResult expected = installation.RunProfileTool(named);
        EXPECT_EQ(sortedLines(expanded.output), sortedLines(expected.output)) << c.pattern;
        EXPECT_EQ(expanded.errors, expected.errors) << c.pattern;
        EXPECT_EQ(expanded.exitCode, expected.exitCode) << c.pattern;
    }
    // A pattern that matches nothing is taken as a file name.
    const platform::ChildResult none = installation.RunProfileTool({"check", "*.P99"});
    EXPECT_EQ(none.output, AsStandardOutput("*.P99: no such file; the sensor would stop with "
                                            "Error 1002: Profile *.P99 is missing...\n"));
    EXPECT_EQ(none.exitCode, 1);
}

TEST(ProfileToolProgramTest, Help) {
    Installation installation;
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
        std::string output;
        std::string errors;
    } cases[] = {
        {{"--help"}, 0, tool::ToolHelp(), ""},
        {{"encode", "--help"}, 0, tool::EncodeHelp(), ""},
        {{"new", "--help"}, 0, tool::NewHelp(), ""},
        {{"check", "--help"}, 0, tool::CheckHelp(), ""},
        {{"listing", "--help"}, 0, tool::ListingHelp(), ""},
        {{}, 2, "", tool::ToolHelp()},
    };
    for (const Case& c : cases) {
        const platform::ChildResult result = installation.RunProfileTool(c.arguments);
        const std::string name = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(result.exitCode, c.exitCode) << name;
        EXPECT_EQ(result.output, AsStandardOutput(c.output)) << name;
        EXPECT_EQ(result.errors, AsStandardOutput(c.errors)) << name;
    }
}

}  // namespace
}  // namespace trevalunda::testing

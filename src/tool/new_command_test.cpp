#include "tool/new_command.h"

#include <gtest/gtest.h>

#include <map>

#include "config/system_profile.h"
#include "support/tool_harness.h"
#include "tool/help_text.h"

namespace trevalunda::tool {
namespace {

using testing::ToolHarness;

// The arguments for a profile that the sensor accepts, with values changed or left out
// (nullopt) and further arguments at the end.
std::vector<std::string> Arguments(
    const std::map<std::string, std::optional<std::string>>& changes = {},
    const std::vector<std::string>& extra = {}) {
    const std::pair<std::string, std::string> values[] = {
        {"--company", "ACME Corp"},  {"--destination", "PRD"},
        {"--client", "100"},         {"--user", "monitor"},
        {"--language", "E"},         {"--mode", "R/3"},
        {"--host", "sapprd"},        {"--system-number", "00"},
        {"--gateway-host", "gwprd"}, {"--gateway-service", "sapgw00"},
    };
    std::vector<std::string> arguments{"PRD.P00"};
    for (const auto& [name, value] : values) {
        const auto changed = changes.find(name);
        if (changed == changes.end()) {
            arguments.insert(arguments.end(), {name, value});
        } else if (changed->second) {
            arguments.insert(arguments.end(), {name, *changed->second});
        }
    }
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    return arguments;
}

Result<SystemProfile> ReadAsTheSensorDoes(const ToolHarness& tool) {
    return ReadSystemProfile(tool.files.At("PRD.P00"), "PRD.P00", ReadPolicy::Strict,
                             MakeProfileKey());
}

TEST(NewCommandTest, WritesAProfileThatTheSensorAccepts) {
    ToolHarness tool;
    tool.input = {"secret"};
    EXPECT_EQ(RunNew(Arguments(), tool.services), ToolExit::Success);
    EXPECT_EQ(tool.out.str(), "profile PRD.P00 written\n");
    EXPECT_EQ(tool.err.str(), "");
    const std::string text = tool.files.At("PRD.P00");
    const std::size_t password = text.find("Password...: ");
    ASSERT_NE(password, std::string::npos);
    EXPECT_EQ(text.substr(0, password),
              "Extcompany.: ACME Corp\r\nDestination: PRD\r\nClient.....: 100\r\n"
              "User.......: monitor\r\n");
    EXPECT_EQ(text.substr(password + 13 + kStoredPasswordLength),
              "\r\nLanguage...: E\r\nMode.......: R/3\r\nHostname...: sapprd\r\n"
              "Sysnr......: 00\r\nGwhost.....: gwprd\r\nGwservice..: sapgw00\r\n");
    const Result<SystemProfile> read = ReadAsTheSensorDoes(tool);
    ASSERT_TRUE(read.ok()) << read.fatal().message;
    EXPECT_EQ(read.value().Password, "secret");
    EXPECT_EQ(read.value().User, "MONITOR");
    EXPECT_FALSE(tool.files.IsReadableByOthers("PRD.P00"));
}

TEST(NewCommandTest, AnyStorablePasswordGivesAnAcceptedProfile) {
    std::mt19937 random(99);
    std::uniform_int_distribution<std::size_t> lengths(2, kPasswordBodyLength);
    std::uniform_int_distribution<int> characters(' ', '~');
    for (int i = 0; i < 200; ++i) {
        std::string password(lengths(random), ' ');
        for (char& c : password) {
            c = static_cast<char>(characters(random));
        }
        ToolHarness tool;
        tool.input = {password};
        ASSERT_EQ(RunNew(Arguments(), tool.services), ToolExit::Success) << password;
        const Result<SystemProfile> read = ReadAsTheSensorDoes(tool);
        ASSERT_TRUE(read.ok()) << password << ": " << read.fatal().message;
        EXPECT_EQ(read.value().Password, password);
    }
}

TEST(NewCommandTest, WritesAProfileWithoutCredentialsForPrtg) {
    ToolHarness tool;
    tool.input = {"never read"};
    EXPECT_EQ(RunNew(Arguments({{"--user", std::nullopt}}, {"--no-credentials"}), tool.services),
              ToolExit::Success);
    EXPECT_EQ(tool.out.str(),
              "profile PRD.P00 written, without user and password: the sensor takes them from "
              "PRTG where trevalunda.ini sets Credentials=PrtgWindows or PrtgLinux\n");
    EXPECT_EQ(tool.err.str(), "");
    EXPECT_EQ(tool.input.size(), 1U) << "no password is read";
    EXPECT_EQ(tool.files.At("PRD.P00"),
              "Extcompany.: ACME Corp\r\nDestination: PRD\r\nClient.....: 100\r\n"
              "Language...: E\r\nMode.......: R/3\r\nHostname...: sapprd\r\n"
              "Sysnr......: 00\r\nGwhost.....: gwprd\r\nGwservice..: sapgw00\r\n");
    EXPECT_FALSE(ReadAsTheSensorDoes(tool).ok()) << "the profile needs PRTG's credentials";
}

TEST(NewCommandTest, NoCredentialsRefusesAUserAndStillEveryOtherFault) {
    ToolHarness tool;
    EXPECT_EQ(RunNew(Arguments({{"--client", "1"}}, {"--no-credentials"}), tool.services),
              ToolExit::Failure);
    EXPECT_EQ(tool.err.str(),
              "trevalunda-profile: --client (Client.....:) has 1 character; the sensor needs at "
              "least 3\n"
              "trevalunda-profile: --user (User.......:) cannot go with --no-credentials, which "
              "writes no user\n");
    EXPECT_FALSE(tool.files.Has("PRD.P00"));
}

TEST(NewCommandTest, RefusesToReplaceAnExistingFileUnlessTold) {
    ToolHarness tool;
    tool.files.Add("PRD.P00", "old");
    tool.input = {"secret", "secret"};
    EXPECT_EQ(RunNew(Arguments(), tool.services), ToolExit::Failure);
    EXPECT_EQ(tool.err.str(), "trevalunda-profile: PRD.P00 exists; give --replace to replace it\n");
    EXPECT_EQ(tool.files.At("PRD.P00"), "old");
    EXPECT_EQ(tool.input.size(), 2U) << "no password is asked for in vain";

    tool.files.ShareWithOthers("PRD.P00");
    EXPECT_EQ(RunNew(Arguments({}, {"--replace"}), tool.services), ToolExit::Success);
    EXPECT_TRUE(ReadAsTheSensorDoes(tool).ok());
    EXPECT_FALSE(tool.files.IsReadableByOthers("PRD.P00"));
}

TEST(NewCommandTest, RefusesEveryValueThatTheSensorWouldRefuseOrCut) {
    ToolHarness tool;
    tool.input = {"secret"};
    const std::vector<std::string> arguments = Arguments({
        {"--client", "1"},
        {"--host", "h"},
        {"--gateway-host", std::nullopt},
        {"--gateway-service", std::string(32, 's')},
    });
    EXPECT_EQ(RunNew(arguments, tool.services), ToolExit::Failure);
    EXPECT_EQ(tool.err.str(),
              "trevalunda-profile: --client (Client.....:) has 1 character; the sensor needs at "
              "least 3\n"
              "trevalunda-profile: --host (Hostname...:) has 1 character; the sensor needs at "
              "least 2\n"
              "trevalunda-profile: --gateway-host (Gwhost.....:) is missing; every field of a "
              "profile is required\n"
              "trevalunda-profile: --gateway-service (Gwservice..:) has 32 characters; the sensor "
              "takes at most 31\n");
    EXPECT_FALSE(tool.files.Has("PRD.P00"));
}

TEST(NewCommandTest, RefusesAPasswordThatCannotBeStored) {
    ToolHarness tool;
    tool.input = {std::string(21, 'p')};
    EXPECT_EQ(RunNew(Arguments(), tool.services), ToolExit::Failure);
    EXPECT_EQ(tool.err.str(),
              "trevalunda-profile: the password has 21 characters; a profile holds at most 20\n");
    EXPECT_FALSE(tool.files.Has("PRD.P00"));
}

TEST(NewCommandTest, CommandLineFaults) {
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {"no file",
         {"--client", "100"},
         "new needs the FILE to write (see trevalunda-profile new --help)"},
        {"two files", {"A.P00", "B.P00"}, "new writes one FILE; B.P00 would be a second one"},
        {"unknown option",
         {"A.P00", "--password=secret"},
         "new has no option --password (see trevalunda-profile new --help)"},
        {"no value", {"A.P00", "--client"}, "--client needs a value"},
        {"twice", {"A.P00", "--client", "100", "--client=200"}, "--client is given twice"},
    };
    for (const Case& c : cases) {
        ToolHarness tool;
        EXPECT_EQ(RunNew(c.arguments, tool.services), ToolExit::Failure) << c.name;
        EXPECT_EQ(tool.err.str(), "trevalunda-profile: " + c.message + "\n") << c.name;
    }
}

TEST(NewCommandTest, OptionValuesMayFollowOrBeJoined) {
    const Result<NewRequest> request =
        ParseNewArguments({"--mode=R/2", "X.P00", "--client", "--odd", "--user=a=b", "--replace"});
    ASSERT_TRUE(request.ok()) << request.fatal().message;
    EXPECT_EQ(request.value().file, "X.P00");
    EXPECT_EQ(request.value().values.at("--mode"), "R/2");
    EXPECT_EQ(request.value().values.at("--client"), "--odd");
    EXPECT_EQ(request.value().values.at("--user"), "a=b");
    EXPECT_TRUE(request.value().replace);
}

TEST(NewCommandTest, Help) {
    ToolHarness tool;
    EXPECT_EQ(RunNew({"--help"}, tool.services), ToolExit::Success);
    EXPECT_EQ(tool.out.str(), NewHelp());
}

}  // namespace
}  // namespace trevalunda::tool

#include "tool/encode_command.h"

#include <gtest/gtest.h>

#include "support/tool_harness.h"
#include "tool/help_text.h"

namespace trevalunda::tool {
namespace {

using testing::ToolHarness;

TEST(EncodeCommandTest, PrintsTheStoredValueOfThePasswordFromAPipe) {
    ToolHarness tool;
    tool.input = {"Pa55 word!", "ignored second line"};
    EXPECT_EQ(RunEncode({}, tool.services), ToolExit::Success);
    const std::string printed = tool.out.str();
    ASSERT_EQ(printed.size(), kStoredPasswordLength + 1) << printed;
    EXPECT_EQ(printed.back(), '\n');
    EXPECT_EQ(
        DecodeProfilePassword(printed.substr(0, kStoredPasswordLength), MakeProfileKey()).password,
        "Pa55 word!");
    EXPECT_EQ(tool.err.str(), "") << "no prompt without a terminal";
}

TEST(EncodeCommandTest, AsksTwiceAtATerminal) {
    ToolHarness tool;
    tool.terminal = true;
    tool.input = {"secret", "secret"};
    EXPECT_EQ(RunEncode({}, tool.services), ToolExit::Success);
    EXPECT_EQ(tool.err.str(), "Password: \nPassword again: \n");
    EXPECT_EQ(tool.out.str().size(), kStoredPasswordLength + 1);
}

TEST(EncodeCommandTest, RefusesWhatCannotBeStored) {
    struct Case {
        const char* name;
        bool terminal;
        std::deque<std::string> input;
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {"no input", false, {}, {}, "the password is empty"},
        {"empty line", false, {""}, {}, "the password is empty"},
        {"too long",
         false,
         {std::string(21, 'p')},
         {},
         "the password has 21 characters; a profile holds at most 20"},
        {"control character",
         false,
         {"pass\x01"},
         {},
         "character 5 of the password is not printable ASCII (a profile holds blank to ~ only)"},
        {"typed twice differently", true, {"secret", "secreT"}, {}, "the two passwords differ"},
        {"password as argument",
         false,
         {"secret"},
         {"secret"},
         "encode takes no arguments: the password is read from standard input, never from the "
         "command line"},
    };
    for (const Case& c : cases) {
        ToolHarness tool;
        tool.terminal = c.terminal;
        tool.input = c.input;
        EXPECT_EQ(RunEncode(c.arguments, tool.services), ToolExit::Failure) << c.name;
        EXPECT_EQ(tool.out.str(), "") << c.name;
        const std::string err = tool.err.str();
        EXPECT_EQ(err.substr(err.rfind("trevalunda-profile: ")),
                  "trevalunda-profile: " + c.message + "\n")
            << c.name;
    }
}

TEST(EncodeCommandTest, TooShortPasswordIsNotAskedAgain) {
    ToolHarness tool;
    tool.terminal = true;
    tool.input = {"x", "x"};
    EXPECT_EQ(RunEncode({}, tool.services), ToolExit::Failure);
    EXPECT_EQ(tool.err.str(),
              "Password: \ntrevalunda-profile: the password has 1 character; the sensor needs at "
              "least 2\n");
}

TEST(EncodeCommandTest, NotesALeadingBlank) {
    std::string password(kPasswordBodyLength, 'a');
    while (PasswordCheckDigit(password) != 3) {
        ++password.back();
    }
    ToolHarness tool;
    tool.input = {password};
    EXPECT_EQ(RunEncode({}, tool.services), ToolExit::Success);
    EXPECT_EQ(tool.out.str().front(), ' ');
    EXPECT_EQ(tool.err.str(),
              "trevalunda-profile: note: the stored value begins with a blank, which belongs to "
              "it\n");
}

TEST(EncodeCommandTest, Help) {
    ToolHarness tool;
    EXPECT_EQ(RunEncode({"--help"}, tool.services), ToolExit::Success);
    EXPECT_EQ(tool.out.str(), EncodeHelp());
}

}  // namespace
}  // namespace trevalunda::tool

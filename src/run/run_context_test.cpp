#include "run/run_context.h"

#include <gtest/gtest.h>

#include "run/parameter_keywords.h"

namespace trevalunda {
namespace {

TEST(RunContextTest, ReadsTheCommandLine) {
    struct Case {
        std::vector<std::string> arguments;
        std::string parameters;
        std::string item;
        bool itemRun;
        bool verbose;
    } cases[] = {
        {{"s", "PRD"}, "", "", false, false},
        {{"s", "PRD", "CH=1"}, "CH=1", "", false, false},
        {{"s", "PRD", "ITEM=No_of_Locks,X", "#", "more"},
         "ITEM=No_of_Locks,X #",
         "No_of_Locks",
         true,
         true},
        {{"s", "PRD", "item=a:b c"}, "item=a:b c", "a b", true, false},
        {{"s", "PRD", "x ITEM=" + std::string(100, 'i')},
         "x ITEM=" + std::string(100, 'i'),
         std::string(90, 'i'),
         true,
         false},
        {{"s", "PRD", "ITEM="}, "ITEM=", "", true, false},
        {{"s", "PRD", "$"}, "$", "", false, true},
        {{"s", "PRD", "a", "%"}, "a %", "", false, true},
        {{"s", "PRD", "", "@"}, " @", "", false, true},
        {{"s", ""}, "", "", false, false},
    };
    for (const Case& c : cases) {
        const Result<RunContext> read = ReadCommandLine(c.arguments, "12:00:00");
        ASSERT_TRUE(read.ok()) << c.parameters;
        const RunContext& run = read.value();
        EXPECT_EQ(run.ProfileName, c.arguments[1]);
        EXPECT_EQ(run.ParameterString.Text(), c.parameters);
        EXPECT_EQ(run.ItemName, c.item) << c.parameters;
        EXPECT_EQ(run.itemRun, c.itemRun) << c.parameters;
        EXPECT_EQ(run.VerboseConsole, c.verbose) << c.parameters;
        EXPECT_EQ(run.startLine, "* 12:00:00 SAP Trevalunda Vers 4.3 / 29.08.22");
    }
}

TEST(RunContextTest, ProfileNameIsRequired) {
    const Result<RunContext> read = ReadCommandLine({"s"}, "12:00:00");
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.fatal().message, "Error 1001: Parameter for Profile-Name is missing !");
}

TEST(ParameterTextTest, KeywordsInAnyCaseValuesAsWritten) {
    const ParameterText parameters("x ch=12,y ,host=SapHost no=");
    EXPECT_TRUE(parameters.Contains("CH="));
    EXPECT_EQ(parameters.ValueAfter(",HOST=", " ,"), "SapHost");
    EXPECT_EQ(parameters.ValueAfter("NO=", " ,"), "");
    EXPECT_EQ(parameters.ValueAfter("ITEM=", " ,"), std::nullopt);
}

TEST(ParameterTextTest, SelectedChannel) {
    struct Case {
        const char* parameters;
        std::optional<long> channel;
    } cases[] = {
        {"", std::nullopt}, {"CH=1", 1},      {"ch=2", 2},   {"CH=12345", 123},
        {"CH=1,5", 1},      {"CH= 7", 7},     {"CH=-2", -2}, {"CH=x", 0},
        {"CH=", 0},         {"CH=3 CH=4", 3}, {"#CH=5", 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParameterText(c.parameters).SelectedChannel(), c.channel) << c.parameters;
    }
}

TEST(ParameterKeywordsTest, EveryKeywordOfTheTable) {
    const ParameterKeywords none = ReadParameterKeywords(ParameterText("PRD other words"));
    EXPECT_FALSE(none.itemName);
    EXPECT_FALSE(none.verboseConsole || none.noSearch || none.callTrace);
    EXPECT_FALSE(none.selectedChannel);
    EXPECT_EQ(none.host + none.systemNumber, "");

    const ParameterKeywords all =
        ReadParameterKeywords(ParameterText("item=No:of,x @ ,syslog ch=2 ,Host=SapH,No=07"));
    EXPECT_EQ(all.itemName, "No of");
    EXPECT_TRUE(all.verboseConsole);
    EXPECT_TRUE(all.noSearch);
    EXPECT_TRUE(all.callTrace);
    EXPECT_EQ(all.selectedChannel, 2);
    EXPECT_EQ(all.host, "SapH");
    EXPECT_EQ(all.systemNumber, "07");

    EXPECT_FALSE(ReadParameterKeywords(ParameterText("$")).noSearch) << "only @ stops the search";
}

}  // namespace
}  // namespace trevalunda

#include "output/console_lines.h"

#include <gtest/gtest.h>

#include "output/run_log.h"

namespace trevalunda {
namespace {

TEST(ConsoleLinesTest, PrintLabelValuePadsTheLabel) {
    struct Case {
        const char* label;
        int indent;
        int width;
        const char* expected;
    } cases[] = {
        {"key", 0, 15, "key             : ABC\n"},
        {"operation/code", 0, 15, "operation/code  : ABC\n"},
        {"internal status", 0, 15, "internal status : ABC\n"},
        {"a label longer than wide", 0, 15, "a label longer than wide : ABC\n"},
        {"key", 2, 5, "  key   : ABC\n"},
    };
    for (const Case& c : cases) {
        platform::StringSink out;
        PrintLabelValue(out, c.label, c.indent, c.width, "ABC");
        EXPECT_EQ(out.Text(), c.expected) << c.label;
    }
}

TEST(ConsoleLinesTest, ProgressLineLayouts) {
    EXPECT_EQ(StartLine("08:05:09"), "* 08:05:09 SAP Trevalunda Vers 4.3 / 29.08.22");
    EXPECT_EQ(SystemLine("10:00:00", {"PRD.P00", "hostA", "PRD", "00", "100"}),
              "* 10:00:00 PRD.P00, hostA, PRD, 00, 100");
    EXPECT_EQ(SingleExecutingLine("10:00:00", "(No Parameters)"),
              "* 10:00:00 Trevalunda - (No Parameters) State=Executing");
    EXPECT_EQ(MultiExecutingLine("09:00:00", "ITEM=No_of_Locks #"),
              "* 09:00:00 ITEM=No_of_Locks # State=Executing");
    EXPECT_EQ(EndLine("10:00:01"), "\n* 10:00:01 SAP Trevalunda now processed...");
}

TEST(ConsoleLinesTest, ParameterTextShownBySingleRun) {
    struct Case {
        const char* parameters;
        const char* shown;
    } cases[] = {
        {"#", "(No Parameters)"},
        {"", "(No Parameters)"},
        {"CH=1 #verbose", "CH=1 "},
        {"a@b#c", "a"},
        {"a#b@c", "a"},
        {"(Parameters #", "(No Parameters)"},
        {"(No #", "(No Parameters)"},
        {"(No", "(No"},
        {"$ verbose", "$ verbose"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SingleRunParameterText(c.parameters), c.shown) << c.parameters;
    }
}

TEST(ConsoleLinesTest, ParameterTextShownByMultiRun) {
    EXPECT_EQ(MultiRunParameterText("ITEM=a:b # @x"), "ITEM=a b #");
    EXPECT_EQ(MultiRunParameterText("@x"), "@x");
    EXPECT_EQ(MultiRunParameterText(""), "");
}

TEST(RunLogTest, FileNameFollowsTheExecutable) {
    EXPECT_EQ(RunLogFileName("C:\\PRTG\\trevalunda.exe"), "trevalunda.log");
    EXPECT_EQ(RunLogFileName("/opt/sensor/trevalunda"), "trevalunda.log");
    EXPECT_EQ(RunLogFileName(""), "trevalunda.log");
}

}  // namespace
}  // namespace trevalunda

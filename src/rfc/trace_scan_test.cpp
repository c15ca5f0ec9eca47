#include "rfc/trace_scan.h"

#include <gtest/gtest.h>

#include "rfc/classic/remote_calls.h"
#include "support/fake_file_system.h"
#include "support/windows_text.h"

namespace trevalunda {
namespace {

TEST(TraceScanTest, FindsTheLastErrorMessage) {
    struct Case {
        const char* name;
        std::optional<std::string> trace;
        std::string finding;
    } cases[] = {
        {"no trace file", std::nullopt, " - Look for Trace-File"},
        {"no matching chunk", "hello\nworld\n", " - Please Check Trace-File !"},
        {"error line", "ERROR       abc\n", " - abc"},
        {"arrow line", "T:00001======> abc\r\n", " - abc"},
        {"short error line", "ERROR short\n", " - Please Check Trace-File !"},
        {"block start resets", "ERROR       abc\n**** ERROR file opened\n",
         " - Please Check Trace-File !"},
        {"message after block start", "**** ERROR file opened\nxxxxxxx======> partner down\n",
         " - partner down"},
        {"last message wins", "ERROR       first\nERROR       second\n", " - second"},
        {"later non-matching lines keep it", "ERROR       abc\nother text\n", " - abc"},
        {"error line that is also an arrow line", "ERROR x======> arrow\n", " - arrow"},
        {"message of a long line is its first chunk", "ERROR       " + std::string(120, 'm') + "\n",
         " - " + std::string(87, 'm')},
        {"UTF-16 trace", testing::Utf16WithMark(u"ERROR       Verbindung f\u00FCr \u4E2D\r\n"),
         " - Verbindung f\xFCr ?"},
        {"UTF-8 mark before an arrow line", testing::Utf8WithMark("T:00001======> abc\r\n"),
         " - abc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TraceFinding(c.trace), c.finding) << c.name;
    }
}

TEST(TraceScanTest, DescribesTheTraceFileInWords) {
    struct Case {
        const char* name;
        std::optional<std::string> trace;
        std::string description;
    } cases[] = {
        {"no trace file", std::nullopt, "Dev_Rfc.Trc: not in the working folder"},
        {"no error message", "hello\n", "Dev_Rfc.Trc: no error message in it"},
        {"error message", "ERROR       partner down\n", "Dev_Rfc.Trc: partner down"},
    };
    for (const Case& c : cases) {
        testing::FakeFileSystem files;
        if (c.trace) {
            files.Add("Dev_Rfc.Trc", *c.trace);
        }
        EXPECT_EQ(DescribeRfcTrace(files), c.description) << c.name;
    }
}

TEST(RemoteCallsTest, OutcomeTexts) {
    EXPECT_EQ(OutcomeText(1, ""), "Error 1014: RFC-Failure raised !");
    EXPECT_EQ(OutcomeText(2, "NOT_FOUND"), "Error 1012: Exception.: NOT_FOUND");
    EXPECT_EQ(OutcomeText(3, "ignored"), "Error 1013: Sys-Exception raised !");
    EXPECT_EQ(OutcomeText(7, ""), "Error 1015: Other Failure raised !");
    EXPECT_EQ(OutcomeText(-1, ""), "Error 1015: Other Failure raised !");
}

}  // namespace
}  // namespace trevalunda

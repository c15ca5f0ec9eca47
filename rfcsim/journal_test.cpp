#include "rfcsim/journal.h"

#include <gtest/gtest.h>

#include "rfcsim/test_support/caller_records.h"
#include "rfcsim/test_support/temporary_folder.h"

namespace trevalunda::rfcsim {
namespace {

void Handler(char*) {}

TEST(JournalTest, TextsAreQuotedOrNull) {
    std::string text = "sap prd";
    EXPECT_EQ(Quoted(text.data()), "\"sap prd\"");
    EXPECT_EQ(Quoted(nullptr), "null");
    EXPECT_EQ(InQuotes(""), "\"\"");
}

TEST(JournalTest, MaskingKeepsBlanks) {
    EXPECT_EQ(Masked("secret    "), "******    ");
    EXPECT_EQ(Masked("a b"), "* *");
    EXPECT_EQ(Masked(""), "");
}

TEST(JournalTest, OpenLinesShowTheOptionsOfTheirMode) {
    testing::OpenRequest r3;
    r3.gatewayHost = "gwprd";
    testing::OpenRequest r2;
    r2.destination = "R2SYS";
    r2.mode = kRfcModeR2;
    r2.gatewayHost = "gw";
    r2.gatewayService = "sapgw00";
    struct Case {
        const char* name;
        std::string line;
        const char* expected;
    } cases[] = {
        {"R/3", OpenLine(*r3.Options(), 1),
         "RfcOpen destination=\"PRD\" mode=0 client=\"100\" user=\"MONITOR     \" "
         "password=\"******    \" language=\"E\" trace=0 host=\"sapprd\" sysnr=0 "
         "gwhost=\"gwprd\" gwservice=null -> 1"},
        {"R/2", OpenLine(*r2.Options(), 2),
         "RfcOpen destination=\"R2SYS\" mode=1 client=\"100\" user=\"MONITOR     \" "
         "password=\"******    \" language=\"E\" trace=0 gwhost=\"gw\" gwservice=\"sapgw00\" "
         "-> 2"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.line, c.expected) << c.name;
    }
}

TEST(JournalTest, LinesOfTheOtherCalls) {
    std::string rfcsi = "RFCSI";
    std::string table = "EXCLUSIVE_LOCK_WAITERS";
    RfcEnvironmentRecord environment{&Handler, nullptr};
    struct Case {
        std::string line;
        const char* expected;
    } cases[] = {
        {EnvironmentLine(environment), "RfcEnvironment handler=set allocator=null"},
        {OpenExLine("CLIENT=100 USER=MONITOR PASSWD=****** LANG=D DEST=C11", 3),
         "RfcOpenEx \"CLIENT=100 USER=MONITOR PASSWD=****** LANG=D DEST=C11\" -> 3"},
        {InstallStructureLine(rfcsi.data(), 18, 101),
         "RfcInstallStructure \"RFCSI\" rows=18 -> 101"},
        {CallLine(1, "RFC_SYSTEM_INFO", 0), "RfcCall 1 \"RFC_SYSTEM_INFO\" -> 0"},
        {ReceiveLine(1, "RFC_SYSTEM_INFO", 2), "RfcReceive 1 \"RFC_SYSTEM_INFO\" -> 2"},
        {ItCreateLine(table.data(), 276), "ItCreate \"EXCLUSIVE_LOCK_WAITERS\" 276"},
        {ItFillLine(3), "ItFill -> 3"},
        {ItGetLineLine(1), "ItGetLine 1"},
        {ItDeleteLine(0), "ItDelete -> 0"},
        {CloseLine(1), "RfcClose 1"},
        {LastErrorLine(), "RfcLastError"},
        {ErrorHandlerLine("RfcReceive"), "ErrorHandler \"RfcReceive\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.line, c.expected);
    }
}

TEST(JournalTest, AppendsOneLineEach) {
    testing::TemporaryFolder folder;
    const Journal journal(folder.Path());
    journal.Write("first");
    journal.Write("second");
    EXPECT_EQ(folder.Read("rfcsim.journal"), "first\nsecond\n");
}

}  // namespace
}  // namespace trevalunda::rfcsim

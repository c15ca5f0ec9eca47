#include "measure/lock_waiters.h"

#include <gtest/gtest.h>

#include "measure/system_identity.h"
#include "output/result_document.h"
#include "output/run_log.h"
#include "rfc/remote_calls.h"
#include "support/fake_rfc.h"

namespace trevalunda {
namespace {

using testing::fakeRfc;

class MeasurementTest : public ::testing::Test {
  protected:
    RfcFunctions functions_ = testing::FakeRfcFunctions();
    RunLog log_;
    RemoteCalls calls_{functions_, log_};
};

TEST_F(MeasurementTest, CountsTheLinesAndDeletesTheTable) {
    fakeRfc.lines = 3;
    const Result<LockWaiterOutcome> outcome = MeasureLockWaiters(functions_, calls_, 7);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value().code, 0);
    EXPECT_EQ(outcome.value().count, 3u);
    EXPECT_EQ(fakeRfc.calls,
              (std::vector<std::string>{"ItCreate", "RfcCall S_DB_EXCLUSIVE_LOCK_WAITERS",
                                        "RfcReceive", "ItDelete"}));
}

TEST_F(MeasurementTest, FailedCallLeavesItsReport) {
    struct Case {
        int callCode;
        int receiveCode;
        const char* exception;
        std::string text;
    } cases[] = {
        {1, 0, nullptr, "Error 1014: RFC-Failure raised !"},
        {0, 2, "ABC", "Error 1012: Exception.: ABC"},
        {0, 2, nullptr, "Error 1012: Exception.: "},
        {0, 3, "X", "Error 1013: Sys-Exception raised !"},
        {0, 7, nullptr, "Error 1015: Other Failure raised !"},
    };
    for (const Case& c : cases) {
        fakeRfc.callCode = c.callCode;
        fakeRfc.receiveCode = c.receiveCode;
        fakeRfc.exception = c.exception;
        const Result<LockWaiterOutcome> outcome = MeasureLockWaiters(functions_, calls_, 7);
        ASSERT_TRUE(outcome.ok()) << c.text;
        EXPECT_EQ(outcome.value().failureText, c.text);
        EXPECT_EQ(fakeRfc.calls.back(), "ItDelete") << c.text;
    }
}

TEST_F(MeasurementTest, TableFailuresEndWithTheLibraryReport) {
    struct Case {
        void (*arrange)();
        std::string operation;
    } cases[] = {
        {[] { fakeRfc.itCreateFails = true; }, "ItCreate EXCLUSIVE_LOCK_WAITERS"},
        {[] { fakeRfc.lines = 3, fakeRfc.failingLine = 2; }, "ItGetLine EXCLUSIVE_LOCK_WAITERS"},
        {[] { fakeRfc.itDeleteResult = 1; }, "ItDelete EXCLUSIVE_LOCK_WAITERS"},
        {[] { fakeRfc.installResult = 1; }, "RfcInstallStructure"},
    };
    for (const Case& c : cases) {
        functions_ = testing::FakeRfcFunctions();
        RemoteCalls calls(functions_, log_);
        c.arrange();
        const Result<LockWaiterOutcome> outcome = MeasureLockWaiters(functions_, calls, 7);
        ASSERT_FALSE(outcome.ok()) << c.operation;
        EXPECT_TRUE(outcome.fatal().libraryError) << c.operation;
        EXPECT_EQ(outcome.fatal().message, c.operation);
    }
}

TEST_F(MeasurementTest, StructuresAreInstalledOncePerProcess) {
    ASSERT_TRUE(MeasureLockWaiters(functions_, calls_, 7).ok());
    ASSERT_TRUE(MeasureLockWaiters(functions_, calls_, 8).ok());
    ASSERT_TRUE(ReadSystemInfo(calls_, 8).ok());
    ASSERT_TRUE(ReadSystemInfo(calls_, 9).ok());
    EXPECT_EQ(fakeRfc.installedStructures, (std::vector<std::string>{"EXCLLCKWTS/11", "RFCSI/18"}));
}

TEST(LockResultTest, TextIsGroupedChannelIsNot) {
    struct Case {
        std::uint32_t count;
        std::string text;
        std::string value;
    } cases[] = {{0, "No_of_Locks=0 ", "0"},
                 {999, "No_of_Locks=999 ", "999"},
                 {1000, "No_of_Locks=1.000 ", "1000"},
                 {1234567, "No_of_Locks=1.234.567 ", "1234567"}};
    for (const Case& c : cases) {
        ResultDocument document;
        WriteLockResult(document, "C11", c.count);
        EXPECT_EQ(document.Text(),
                  "\n<Prtg>\n\n<Text>(C11) Oracle-Locks: " + c.text +
                      "</Text>\n\n<Result><Channel>No_of_Locks</Channel>\n<Value>" + c.value +
                      "</Value></Result>\n\n</Prtg>\n");
    }
}

TEST(SystemIdentityTest, OnlyOracleIsMeasured) {
    for (const char* name : {"ORACLE", "ORA"}) {
        EXPECT_TRUE(RunsOnOracle(name)) << name;
    }
    for (const char* name : {"ora", "MSSQL", "DB6", "OR", ""}) {
        EXPECT_FALSE(RunsOnOracle(name)) << name;
    }
}

}  // namespace
}  // namespace trevalunda

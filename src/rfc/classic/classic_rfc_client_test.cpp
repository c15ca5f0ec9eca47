#include "rfc/classic/classic_rfc_client.h"

#include <gtest/gtest.h>

#include "output/run_log.h"
#include "platform/output_sink.h"
#include "platform/process.h"
#include "support/fake_file_system.h"
#include "support/fake_rfc.h"

namespace trevalunda {
namespace {

using testing::fakeRfc;

class ClassicClientTest : public ::testing::Test {
  protected:
    ClassicClientTest() { NewClient(); }

    // A client over a freshly reset fake library, logged on to connection 7.
    void NewClient() {
        client_ = std::make_unique<ClassicRfcClient>(nullptr, testing::FakeRfcFunctions(),
                                                     RfcClientServices{files_, out_, log_});
        ASSERT_TRUE(client_->LogOn(LogonData{}).value().opened);
        fakeRfc.calls.clear();
    }

    testing::FakeFileSystem files_;
    platform::StringSink out_;
    RunLog log_;
    std::unique_ptr<ClassicRfcClient> client_;
};

TEST_F(ClassicClientTest, LogonRegistersTheErrorHandlerFirst) {
    NewClient();
    fakeRfc.handle = 0;
    fakeRfc.calls.clear();
    EXPECT_FALSE(client_->LogOn(LogonData{}).value().opened);
    EXPECT_EQ(fakeRfc.calls, (std::vector<std::string>{"RfcEnvironment", "RfcOpen"}));
    client_->Close();
    EXPECT_EQ(fakeRfc.calls.size(), 2u) << "nothing to close";
}

TEST_F(ClassicClientTest, CountsTheLinesAndDeletesTheTable) {
    fakeRfc.lines = 3;
    const Result<LockWaitersOutcome> outcome = client_->CountLockWaiters();
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.value().code, 0);
    EXPECT_EQ(outcome.value().count, 3u);
    EXPECT_EQ(fakeRfc.calls,
              (std::vector<std::string>{"ItCreate", "RfcCall S_DB_EXCLUSIVE_LOCK_WAITERS",
                                        "RfcReceive", "ItDelete"}));
    client_->Close();
    EXPECT_EQ(fakeRfc.calls.back(), "RfcClose 7");
}

TEST_F(ClassicClientTest, FailedCallLeavesItsReport) {
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
        const Result<LockWaitersOutcome> locks = client_->CountLockWaiters();
        ASSERT_TRUE(locks.ok()) << c.text;
        EXPECT_EQ(locks.value().failureText, c.text);
        EXPECT_EQ(fakeRfc.calls.back(), "ItDelete") << c.text;
        const Result<IdentityOutcome> identity = client_->AskIdentity();
        ASSERT_TRUE(identity.ok()) << c.text;
        EXPECT_EQ(identity.value().failureText, c.text);
    }
}

TEST_F(ClassicClientTest, TableFailuresEndWithTheLibraryReport) {
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
        NewClient();
        c.arrange();
        const Result<LockWaitersOutcome> outcome = client_->CountLockWaiters();
        ASSERT_FALSE(outcome.ok()) << c.operation;
        EXPECT_TRUE(outcome.fatal().libraryError) << c.operation;
        EXPECT_EQ(outcome.fatal().message, c.operation);
    }
}

TEST_F(ClassicClientTest, StructuresAreInstalledOncePerProcess) {
    ASSERT_TRUE(client_->CountLockWaiters().ok());
    ASSERT_TRUE(client_->CountLockWaiters().ok());
    ASSERT_TRUE(client_->AskIdentity().ok());
    ASSERT_TRUE(client_->AskIdentity().ok());
    EXPECT_EQ(fakeRfc.installedStructures, (std::vector<std::string>{"EXCLLCKWTS/11", "RFCSI/18"}));
}

TEST_F(ClassicClientTest, IdentityFromTheSystemInformationRecord) {
    std::string record(kRfcsiLength, ' ');
    record.replace(45, 8, std::string("hprd\0xyz", 8));
    record.replace(101, 10, "ORACLE    ");
    fakeRfc.systemInformation = record;
    const Result<IdentityOutcome> identity = client_->AskIdentity();
    ASSERT_TRUE(identity.ok());
    EXPECT_EQ(identity.value().hostName, "hprd") << "a zero byte ends the field";
    EXPECT_EQ(identity.value().databaseSystem, "ORACLE    ");
}

TEST_F(ClassicClientTest, FindingComesFromTheTraceFile) {
    EXPECT_EQ(client_->FailureFinding(), " - Look for Trace-File");
    files_.Add("Dev_Rfc.Trc", "ERROR       abc\n");
    EXPECT_EQ(client_->FailureFinding(), " - abc");
}

}  // namespace
}  // namespace trevalunda

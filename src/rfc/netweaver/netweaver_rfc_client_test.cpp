#include "rfc/netweaver/netweaver_rfc_client.h"

#include <gtest/gtest.h>

#include "output/run_log.h"
#include "platform/output_sink.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "support/fake_file_system.h"
#include "support/fake_netweaver.h"

namespace trevalunda {
namespace {

using testing::fakeNetWeaver;

const std::string kExecutable = "C:\\Sensor\\trevalunda.exe";

LogonData System() {
    LogonData system;
    system.destination = "PRD";
    system.client = "100";
    system.user = "MONITOR";
    system.password = "secret";
    system.language = "E";
    system.mode = "R/3";
    system.host = "sapprd";
    system.systemNumber = "0";
    return system;
}

class NetWeaverClientTest : public ::testing::Test {
  protected:
    NetWeaverClientTest() { NewClient(); }

    void NewClient() {
        client_ = std::make_unique<NetWeaverRfcClient>(nullptr, testing::FakeNetWeaverFunctions(),
                                                       RfcClientServices{files_, out_, log_},
                                                       kExecutable);
    }

    // Fails the step with a code and a message, as the library reports it.
    void FailAt(const char* step, int code, std::u16string message, std::u16string key = u"") {
        fakeNetWeaver.failingStep = step;
        fakeNetWeaver.failureCode = code;
        fakeNetWeaver.failureMessage = std::move(message);
        fakeNetWeaver.failureKey = std::move(key);
    }

    testing::FakeFileSystem files_;
    platform::StringSink out_;
    RunLog log_{files_, "trace.log"};
    std::unique_ptr<NetWeaverRfcClient> client_;
};

TEST_F(NetWeaverClientTest, LogsOnWithParametersByName) {
    LogonData system = System();
    system.gatewayHost = "gwprd";
    ASSERT_TRUE(client_->LogOn(system).value().opened);
    EXPECT_EQ(fakeNetWeaver.logonParameters,
              (std::map<std::string, std::string>{{"client", "100"},
                                                  {"user", "MONITOR"},
                                                  {"passwd", "secret"},
                                                  {"lang", "E"},
                                                  {"ashost", "sapprd"},
                                                  {"sysnr", "00"},
                                                  {"gwhost", "gwprd"}}))
        << "no padding, two digits, no empty gateway service";
    EXPECT_EQ(fakeNetWeaver.calls, std::vector<std::string>{"RfcOpenConnection"})
        << "no sapnwrfc.ini, so the library is not pointed at a folder";
    client_->Close();
    EXPECT_EQ(fakeNetWeaver.calls.back(), "RfcCloseConnection");
    EXPECT_EQ(files_.At("trace.log"), "1 RfcOpen called \n");
}

TEST_F(NetWeaverClientTest, DestinationOfSapsConfigurationFile) {
    files_.Add("C:\\Sensor\\sapnwrfc.ini", "DEST=QAS\r\nASHOST=sapqas\r\n  dest = prd \r\n");
    NewClient();
    ASSERT_TRUE(client_->LogOn(System()).value().opened);
    EXPECT_EQ(fakeNetWeaver.logonParameters,
              (std::map<std::string, std::string>{{"dest", "PRD"},
                                                  {"client", "100"},
                                                  {"user", "MONITOR"},
                                                  {"passwd", "secret"},
                                                  {"lang", "E"}}));
    EXPECT_EQ(fakeNetWeaver.iniPath, platform::NativePathOf("C:\\Sensor"));
    LogonData other = System();
    other.destination = "DEV";
    fakeNetWeaver.logonParameters.clear();
    ASSERT_TRUE(client_->LogOn(other).value().opened);
    EXPECT_EQ(fakeNetWeaver.logonParameters.count("ashost"), 1u) << "DEV is not in the file";
    EXPECT_EQ(std::count(fakeNetWeaver.calls.begin(), fakeNetWeaver.calls.end(), "RfcSetIniPath"),
              1)
        << "once, before the first logon";
}

TEST_F(NetWeaverClientTest, FailedLogonGivesTheLibrarysMessage) {
    FailAt("open", kNwRfcLogonFailure, u"  Name or password\r\n is   incorrect \n");
    const LogonOutcome logon = client_->LogOn(System()).value();
    EXPECT_FALSE(logon.opened);
    EXPECT_EQ(logon.reason, "Name or password is incorrect");
    EXPECT_EQ(files_.At("trace.log"), "0 RfcOpen called \n");

    LogonData r2 = System();
    r2.mode = "R/2";
    fakeNetWeaver.calls.clear();
    EXPECT_EQ(client_->LogOn(r2).value().reason, "R/2 systems need the classic RFC library");
    EXPECT_TRUE(fakeNetWeaver.calls.empty());
}

TEST_F(NetWeaverClientTest, IdentityAndLockWaiters) {
    ASSERT_TRUE(client_->LogOn(System()).value().opened);
    const IdentityOutcome identity = client_->AskIdentity().value();
    EXPECT_EQ(identity.code, 0);
    EXPECT_EQ(identity.databaseSystem, "ORACLE    ");
    EXPECT_EQ(identity.hostName, "hprd    ");
    const LockWaitersOutcome locks = client_->CountLockWaiters().value();
    EXPECT_EQ(locks.code, 0);
    EXPECT_EQ(locks.count, 4u);
    EXPECT_EQ(fakeNetWeaver.calls,
              (std::vector<std::string>{"RfcOpenConnection", "RfcGetFunctionDesc RFC_SYSTEM_INFO",
                                        "RfcInvoke", "RfcGetStructure RFCSI_EXPORT",
                                        "RfcGetChars RFCDBSYS 10", "RfcGetStructure RFCSI_EXPORT",
                                        "RfcGetChars RFCHOST 8",
                                        "RfcGetFunctionDesc S_DB_EXCLUSIVE_LOCK_WAITERS",
                                        "RfcInvoke", "RfcGetTable EXCLUSIVE_LOCK_WAITERS"}));
    EXPECT_EQ(fakeNetWeaver.liveFunctions, 0);
}

TEST_F(NetWeaverClientTest, FailedStepsGiveTheSensorsMessageAndTheLibrarys) {
    struct Case {
        const char* step;
        int code;
        std::u16string key;
        std::string text;
    } cases[] = {
        {"invoke", kNwRfcAbapException, u"NOT_FOUND", "Error 1012: Exception.: NOT_FOUND"},
        {"invoke", kNwRfcAbapRuntimeFailure, u"", "Error 1013: Sys-Exception raised !"},
        {"invoke", kNwRfcAbapMessage, u"", "Error 1013: Sys-Exception raised !"},
        {"desc", kNwRfcCommunicationFailure, u"", "Error 1014: RFC-Failure raised !"},
        {"create", kNwRfcMemoryInsufficient, u"", "Error 1015: Other Failure raised !"},
        {"structure", kNwRfcInvalidParameter, u"", "Error 1015: Other Failure raised !"},
        {"chars", kNwRfcNotFound, u"", "Error 1015: Other Failure raised !"},
        {"table", kNwRfcNotFound, u"", "Error 1015: Other Failure raised !"},
        {"rows", kNwRfcInvalidHandle, u"", "Error 1015: Other Failure raised !"},
    };
    for (const Case& c : cases) {
        NewClient();
        ASSERT_TRUE(client_->LogOn(System()).value().opened);
        FailAt(c.step, c.code, u"the\nreason", c.key);
        const bool tableStep = std::string(c.step) == "table" || std::string(c.step) == "rows";
        const int code = tableStep ? client_->CountLockWaiters().value().code
                                   : client_->AskIdentity().value().code;
        const std::string text = tableStep ? client_->CountLockWaiters().value().failureText
                                           : client_->AskIdentity().value().failureText;
        EXPECT_EQ(code, c.code) << c.step << " " << c.code;
        EXPECT_EQ(text, c.text) << c.step << " " << c.code;
        EXPECT_EQ(client_->FailureFinding(), " - the reason") << c.step;
        EXPECT_EQ(fakeNetWeaver.liveFunctions, 0) << c.step << ": every function destroyed";
    }
}

TEST_F(NetWeaverClientTest, WithoutAMessageTheTraceFileIsAsked) {
    ASSERT_TRUE(client_->LogOn(System()).value().opened);
    FailAt("invoke", kNwRfcCommunicationFailure, u" \n ");
    EXPECT_EQ(client_->AskIdentity().value().code, kNwRfcCommunicationFailure);
    EXPECT_EQ(client_->FailureFinding(), " - Look for Trace-File");
    files_.Add("Dev_Rfc.Trc", "ERROR       partner not reached\n");
    EXPECT_EQ(client_->FailureFinding(), " - partner not reached");
}

TEST(NetWeaverMessageTest, BlanksFoldedTrimmedAndCut) {
    struct Case {
        std::u16string message;
        std::string quoted;
    } cases[] = {
        {u"", ""},
        {u"plain", "plain"},
        {u"\t a \r\n\r\n b \t", "a b"},
        {u"f\u00FCr", "f\xC3\xBCr"},
        {std::u16string(250, u'x'), std::string(200, 'x')},
        {std::u16string(199, u'x') + u" y", std::string(199, 'x')},
        {std::u16string(199, u'x') + u"\U0001F600z", std::string(199, 'x') + "\xF0\x9F\x98\x80"},
    };
    for (const Case& c : cases) {
        NwRfcErrorInfo info{};
        c.message.copy(info.message, 511);
        EXPECT_EQ(NetWeaverMessage(info), c.quoted) << c.quoted;
    }
    NwRfcErrorInfo full{};
    std::fill(std::begin(full.message), std::end(full.message), u'm');
    EXPECT_EQ(NetWeaverMessage(full), std::string(200, 'm')) << "no terminator in the field";
}

TEST(NetWeaverConfigurationTest, DestinationLines) {
    EXPECT_TRUE(ConfigurationDefines("DEST=PRD\n", "PRD"));
    EXPECT_TRUE(ConfigurationDefines("x\r\n dest = prd \r\nASHOST=h", "PRD"));
    EXPECT_FALSE(ConfigurationDefines("DEST=PRD2\nMYDEST=PRD\n", "PRD"));
    EXPECT_FALSE(ConfigurationDefines("", "PRD"));
}

}  // namespace
}  // namespace trevalunda

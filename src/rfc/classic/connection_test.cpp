#include "rfc/classic/connection.h"

#include <gtest/gtest.h>

#include "output/run_log.h"
#include "platform/output_sink.h"
#include "rfc/rfc_client.h"
#include "support/fake_file_system.h"
#include "support/fake_rfc.h"

namespace trevalunda {
namespace {

using testing::fakeRfc;

LogonData System() {
    LogonData system;
    system.destination = "C11";
    system.client = "100";
    system.user = "ABC";
    system.password = "pw";
    system.language = "E";
    system.mode = "R/3";
    system.host = "sapc11";
    system.systemNumber = "07";
    system.gatewayHost = "gwc11";
    system.gatewayService = "sapgw07";
    return system;
}

class ConnectionTest : public ::testing::Test {
  protected:
    RfcFunctions functions_ = testing::FakeRfcFunctions();
    testing::FakeFileSystem files_;
    platform::StringSink out_;
    RunLog log_{files_, "trace.log"};
    RfcConnector connector_{functions_, files_, out_, log_};
};

TEST_F(ConnectionTest, OpensWithPaddedUserAndPassword) {
    EXPECT_EQ(connector_.OpenConnection(System()), 7u);
    EXPECT_EQ(fakeRfc.user, "ABC         ");
    EXPECT_EQ(fakeRfc.password, "pw        ");
    EXPECT_EQ(testing::Text(fakeRfc.openOptions.destination), "C11");
    EXPECT_EQ(testing::Text(fakeRfc.openOptions.client), "100");
    EXPECT_EQ(testing::Text(fakeRfc.openOptions.language), "E");
    EXPECT_EQ(fakeRfc.openOptions.mode, kRfcModeR3);
    EXPECT_EQ(fakeRfc.openOptions.trace, 0);
    EXPECT_EQ(testing::Text(fakeRfc.r3Options.host), "sapc11");
    EXPECT_EQ(fakeRfc.r3Options.systemNumber, 7);
    EXPECT_EQ(testing::Text(fakeRfc.r3Options.gatewayHost), "gwc11");
    EXPECT_EQ(testing::Text(fakeRfc.r3Options.gatewayService), "sapgw07");
    EXPECT_EQ(files_.At("trace.log"), "7 RfcOpen called \n");
    EXPECT_EQ(out_.Text(), "");
}

TEST_F(ConnectionTest, LongUserAndPasswordStayUnchanged) {
    LogonData system = System();
    system.user = "ABCDEFGHIJKLMN";
    system.password = "0123456789ab";
    connector_.OpenConnection(system);
    EXPECT_EQ(fakeRfc.user, "ABCDEFGHIJKLMN");
    EXPECT_EQ(fakeRfc.password, "0123456789ab");
}

TEST_F(ConnectionTest, ModeSelectsTheConnectionOptions) {
    struct Case {
        const char* mode;
        std::int32_t expected;
    } cases[] = {
        {"R/2", kRfcModeR2}, {"r/2", kRfcModeR3}, {"R/2 ", kRfcModeR3}, {"R/3", kRfcModeR3}};
    for (const Case& c : cases) {
        LogonData system = System();
        system.mode = c.mode;
        system.gatewayService = "";
        connector_.OpenConnection(system);
        EXPECT_EQ(fakeRfc.openOptions.mode, c.expected) << c.mode;
        if (c.expected == kRfcModeR2) {
            EXPECT_EQ(testing::Text(fakeRfc.r2Options.gatewayHost), "gwc11");
            EXPECT_EQ(fakeRfc.r2Options.gatewayService, nullptr) << "empty gives null";
        } else {
            EXPECT_EQ(fakeRfc.r3Options.gatewayService, nullptr) << c.mode;
        }
    }
}

TEST_F(ConnectionTest, SystemNumberText) {
    struct Case {
        const char* text;
        std::int32_t number;
    } cases[] = {{"00", 0}, {"07", 7}, {"x1", 0}, {" 12ab", 12}, {"", 12}, {"-3", -3}};
    // Cases run in order: an empty text keeps the number of the logon before.
    for (const Case& c : cases) {
        LogonData system = System();
        system.systemNumber = c.text;
        connector_.OpenConnection(system);
        EXPECT_EQ(fakeRfc.r3Options.systemNumber, c.number) << "'" << c.text << "'";
    }
}

TEST_F(ConnectionTest, EmptyHostGivesNull) {
    LogonData noHost = System();
    noHost.host = "";
    connector_.OpenConnection(noHost);
    EXPECT_EQ(fakeRfc.r3Options.host, nullptr);
    EXPECT_EQ(fakeRfc.r3Options.systemNumber, 7);
}

TEST_F(ConnectionTest, PreparedConfigurationIsInstalledAndUsed) {
    files_.Add("SapRfc.C11", "DEST=C11\r\nTYPE=A\r\n");
    EXPECT_EQ(connector_.OpenConnection(System()), 7u);
    EXPECT_EQ(files_.At("SapRfc.ini"), "DEST=C11\r\nTYPE=A\r\n");
    EXPECT_EQ(fakeRfc.connectString, "CLIENT=100 USER=ABC PASSWD=pw LANG=D DEST=C11");
    EXPECT_EQ(fakeRfc.calls, std::vector<std::string>{"RfcOpenEx"});
    EXPECT_EQ(files_.At("trace.log"), "7 RfcOpenEx called \n");
}

TEST_F(ConnectionTest, PreparedConfigurationLineOnlyWithProgressLines) {
    struct Case {
        bool progressLines;
        const char* output;
    } cases[] = {{false, ""}, {true, "* SapRfc.Ini.......: C11<\n"}};
    for (const Case& c : cases) {
        platform::StringSink out;
        RfcConnector connector{functions_, files_, out, log_};
        files_.Add("SapRfc.C11", "DEST=C11\r\n");
        LogonData system = System();
        system.progressLines = c.progressLines;
        EXPECT_EQ(connector.OpenConnection(system), 7u) << c.progressLines;
        EXPECT_EQ(out.Text(), c.output) << c.progressLines;
        EXPECT_EQ(files_.At("SapRfc.ini"), "DEST=C11\r\n") << c.progressLines;
    }
}

TEST_F(ConnectionTest, EmptyPreparedConfigurationStillOpens) {
    files_.Add("SapRfc.C11", "");
    EXPECT_EQ(connector_.OpenConnection(System()), 7u);
    EXPECT_EQ(files_.At("SapRfc.ini"), "");
}

}  // namespace
}  // namespace trevalunda

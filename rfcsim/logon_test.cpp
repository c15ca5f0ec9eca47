#include "rfcsim/logon.h"

#include <gtest/gtest.h>

#include <functional>

#include "rfcsim/test_support/caller_records.h"
#include "rfcsim/test_support/temporary_folder.h"

namespace trevalunda::rfcsim {
namespace {

// Three systems: PRD reached by host, R2S by gateway, QAS on another system number of the
// same host.
const Landscape& TestLandscape() {
    static const Landscape landscape = ParseLandscape(
        "[PRD]\nDestination=PRD\nHost=sapprd\nSystemNumber=0\nMessageServer=msprd\n"
        "Client=100\nUser=MONITOR\nPassword=secret\n"
        "[R2S]\nDestination=R2SYS\nGatewayHost=gwr2\nGatewayService=sapgw00\n"
        "[QAS]\nDestination=QAS\nHost=sapprd\nSystemNumber=1\n");
    return landscape;
}

std::string Reached(const Resolution& resolution) {
    return resolution.system ? TestLandscape().systems[*resolution.system].name
                             : "failure: " + resolution.failure;
}

TEST(LogonTest, FindsTheSystem) {
    const Landscape& l = TestLandscape();
    struct Case {
        const char* name;
        Resolution resolution;
        const char* reached;
    } cases[] = {
        {"destination", ResolveByDestination(l, "QAS"), "QAS"},
        {"destination in other case", ResolveByDestination(l, "r2sys"), "R2S"},
        {"unknown destination", ResolveByDestination(l, "XYZ"),
         "failure: partner not reached (destination XYZ)"},
        {"host and number 0", ResolveByHost(l, "sapprd", 0), "PRD"},
        {"host and number 1", ResolveByHost(l, "SAPPRD", 1), "QAS"},
        {"host with unknown number", ResolveByHost(l, "sapprd", 2),
         "failure: partner not reached (host sapprd, system number 2)"},
        {"gateway", ResolveByGateway(l, "GWR2", "SAPGW00"), "R2S"},
        {"gateway with other service", ResolveByGateway(l, "gwr2", "sapgw01"),
         "failure: partner not reached (gateway gwr2, service sapgw01)"},
        {"section without host", ResolveByHost(l, "", 0),
         "failure: partner not reached (host , system number 0)"},
        {"message server and default group", ResolveByMessageServer(l, "MSPRD", "public"), "PRD"},
        {"message server with other group", ResolveByMessageServer(l, "msprd", "SPACE"),
         "failure: partner not reached (message server msprd, logon group SPACE)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Reached(c.resolution), c.reached) << c.name;
    }
}

testing::OpenRequest Request(const std::function<void(testing::OpenRequest&)>& change) {
    testing::OpenRequest request;
    change(request);
    return request;
}

TEST(LogonTest, OpenOptionsChooseTheWayByModeAndHost) {
    struct Case {
        const char* name;
        testing::OpenRequest request;
        const char* reached;
    } cases[] = {
        {"R/3 by host", Request([](auto& r) {
             r.destination = "XYZ";
             r.systemNumber = 1;
         }),
         "QAS"},
        {"R/3 without host by destination", Request([](auto& r) {
             r.destination = "QAS";
             r.host = nullptr;
         }),
         "QAS"},
        {"R/3 ignores the gateway", Request([](auto& r) {
             r.destination = "XYZ";
             r.host = nullptr;
             r.gatewayHost = "gwr2";
             r.gatewayService = "sapgw00";
         }),
         "failure: partner not reached (destination XYZ)"},
        {"R/2 by gateway", Request([](auto& r) {
             r.destination = "XYZ";
             r.mode = kRfcModeR2;
             r.gatewayHost = "gwr2";
             r.gatewayService = "sapgw00";
         }),
         "R2S"},
        {"R/2 without gateway by destination", Request([](auto& r) {
             r.destination = "R2SYS";
             r.mode = kRfcModeR2;
             r.gatewayService = "x";
         }),
         "R2S"},
        {"R/2 with a null service", Request([](auto& r) {
             r.destination = "R2SYS";
             r.mode = kRfcModeR2;
             r.gatewayHost = "gwr2";
         }),
         "failure: partner not reached (gateway gwr2, service )"},
    };
    for (Case& c : cases) {
        EXPECT_EQ(Reached(ResolveOpenOptions(TestLandscape(), *c.request.Options())), c.reached)
            << c.name;
    }
}

TEST(LogonTest, ReadsSapRfcIniEntries) {
    const std::vector<SapRfcEntry> entries = ParseSapRfcIni(
        "DEST=C11\r\nTYPE=A\r\nASHOST=sapprd\r\nSYSNR=01\r\n"
        "\r\n"
        "dest = R2\ntype = R/2\ngwhost = gwr2\ngwserv = sapgw00\n"
        "TRACE=0\n");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].destination, "C11");
    EXPECT_EQ(entries[0].type, "A");
    EXPECT_EQ(entries[0].applicationHost, "sapprd");
    EXPECT_EQ(entries[0].systemNumber, "01");
    EXPECT_EQ(entries[1].destination, "R2");
    EXPECT_EQ(entries[1].type, "R/2");
    EXPECT_EQ(entries[1].gatewayHost, "gwr2");
    EXPECT_EQ(entries[1].gatewayService, "sapgw00");
}

TEST(LogonTest, SapRfcIniLeadsToTheSystem) {
    testing::TemporaryFolder folder;
    const Landscape& l = TestLandscape();
    EXPECT_EQ(Reached(ResolveSapRfcDestination(l, folder.Path(), "C11")),
              "failure: SapRfc.ini not found (destination C11)");

    folder.Write("SapRfc.ini",
                 "DEST=C11\nTYPE=A\nASHOST=SAPPRD\nSYSNR=01\n"
                 "DEST=R2\nTYPE=R/2\nGWHOST=gwr2\nGWSERV=sapgw00\n"
                 "DEST=BAD\nTYPE=A\nASHOST=sapprd\nSYSNR=x1\n");
    struct Case {
        const char* destination;
        const char* reached;
    } cases[] = {
        {"C11", "QAS"},
        {"c11", "QAS"},
        {"R2", "R2S"},
        {"BAD", "failure: partner not reached (host sapprd, system number -1)"},
        {"C12", "failure: destination C12 not in SapRfc.ini"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Reached(ResolveSapRfcDestination(l, folder.Path(), c.destination)), c.reached)
            << c.destination;
    }
}

TEST(LogonTest, CredentialsOfTheSystem) {
    const SapSystem& prd = TestLandscape().systems[0];
    struct Case {
        const char* client;
        const char* user;
        const char* password;
        const char* failure;
    } cases[] = {
        {"100", "MONITOR     ", "secret    ", ""},
        {"100", "monitor", "secret", ""},
        {"200", "MONITOR", "secret", "Client 200 is not available in this system"},
        {"100", "OTHER", "secret", "Name or password is incorrect"},
        {"100", "MONITOR", "SECRET", "Name or password is incorrect"},
        {"100", "MONITOR", " secret", "Name or password is incorrect"},
        {"100", "MONITOR", "", "Name or password is incorrect"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CredentialFailure(prd, c.client, c.user, c.password), c.failure)
            << c.client << "/" << c.user << "/" << c.password;
    }
}

}  // namespace
}  // namespace trevalunda::rfcsim

#include "rfcsim/landscape.h"

#include <gtest/gtest.h>

#include "rfcsim/test_support/temporary_folder.h"

namespace trevalunda::rfcsim {
namespace {

TEST(LandscapeTest, ReadsEveryKeyOfASection) {
    const Landscape landscape = ParseLandscape(
        "; a comment\n"
        "# another comment\n"
        "\n"
        "[PRD]\r\n"
        "Destination=PRD\r\n"
        "Host=sapprd\n"
        "SystemNumber=07\n"
        "GatewayHost=gwprd\n"
        "GatewayService=sapgw07\n"
        "MessageServer=msprd\n"
        "LogonGroup=SPACE\n"
        "Client=100\n"
        "User=MONITOR\n"
        "Password=se cret\n"
        "DatabaseSystem=MSSQL\n"
        "HostName=sapprd01\n"
        "LockWaiters=3\n"
        "SystemInfoCallCode=1\n"
        "SystemInfoReceiveCode=2\n"
        "LockWaitersCallCode=3\n"
        "LockWaitersReceiveCode=7\n"
        "Exception=NOT_FOUND\n"
        "HandlerError=RfcReceive RFC_SYSTEM_INFO\n"
        "LastError=KEY|status text|message text|internal\n"
        "FailInstallStructure=EXCLLCKWTS\n"
        "FailItCreate=yes\n"
        "FailItGetLine=2\n"
        "FailItDelete=true\n"
        "TraceLine=first line\n"
        "TraceLine=T:0001 ======> second\n"
        "SystemInfoInvokeCode=4\n"
        "LockWaitersInvokeCode=13\n"
        "ErrorMessage=connection lost\n"
        "Hang=RFC_SYSTEM_INFO\n"
        "HangSeconds=5\n");
    ASSERT_EQ(landscape.systems.size(), 1u);
    const SapSystem& s = landscape.systems[0];
    EXPECT_EQ(s.name, "PRD");
    EXPECT_EQ(s.destination, "PRD");
    EXPECT_EQ(s.host, "sapprd");
    EXPECT_EQ(s.systemNumber, 7);
    EXPECT_EQ(s.gatewayHost, "gwprd");
    EXPECT_EQ(s.gatewayService, "sapgw07");
    EXPECT_EQ(s.messageServer, "msprd");
    EXPECT_EQ(s.logonGroup, "SPACE");
    EXPECT_EQ(s.client, "100");
    EXPECT_EQ(s.user, "MONITOR");
    EXPECT_EQ(s.password, "se cret");
    EXPECT_EQ(s.databaseSystem, "MSSQL");
    EXPECT_EQ(s.hostName, "sapprd01");
    EXPECT_EQ(s.lockWaiters, 3u);
    const Faults& f = s.faults;
    EXPECT_EQ(f.systemInfoCallCode, 1);
    EXPECT_EQ(f.systemInfoReceiveCode, 2);
    EXPECT_EQ(f.lockWaitersCallCode, 3);
    EXPECT_EQ(f.lockWaitersReceiveCode, 7);
    EXPECT_EQ(f.exception, "NOT_FOUND");
    EXPECT_EQ(f.handlerError, "RfcReceive RFC_SYSTEM_INFO");
    EXPECT_EQ(f.lastError.key, "KEY");
    EXPECT_EQ(f.lastError.status, "status text");
    EXPECT_EQ(f.lastError.message, "message text");
    EXPECT_EQ(f.lastError.internalStatus, "internal");
    EXPECT_EQ(f.failInstallStructure, "EXCLLCKWTS");
    EXPECT_TRUE(f.failItCreate);
    EXPECT_EQ(f.failItGetLine, 2u);
    EXPECT_TRUE(f.failItDelete);
    EXPECT_EQ(f.traceLines, (std::vector<std::string>{"first line", "T:0001 ======> second"}));
    EXPECT_EQ(f.systemInfoInvokeCode, 4);
    EXPECT_EQ(f.lockWaitersInvokeCode, 13);
    EXPECT_EQ(f.errorMessage, "connection lost");
    EXPECT_EQ(f.hang, "RFC_SYSTEM_INFO");
    EXPECT_EQ(f.hangSeconds, 5u);
}

TEST(LandscapeTest, DefaultsOfASectionWithoutKeys) {
    const Landscape landscape = ParseLandscape("[QAS]\n");
    ASSERT_EQ(landscape.systems.size(), 1u);
    const SapSystem& s = landscape.systems[0];
    EXPECT_EQ(s.destination, "");
    EXPECT_EQ(s.systemNumber, 0);
    EXPECT_EQ(s.databaseSystem, "ORACLE");
    EXPECT_EQ(s.hostName, "QAS") << "host name falls back to the section name";
    EXPECT_EQ(s.lockWaiters, 0u);
    EXPECT_EQ(s.faults.systemInfoReceiveCode, 0);
    EXPECT_FALSE(s.faults.failItCreate);
    EXPECT_EQ(s.faults.failItGetLine, 0u);
    EXPECT_TRUE(s.faults.traceLines.empty());
    EXPECT_EQ(s.logonGroup, "PUBLIC");
    EXPECT_EQ(s.faults.errorMessage, std::nullopt);
    EXPECT_EQ(s.faults.hang, "");
    EXPECT_EQ(s.faults.hangSeconds, 3600u) << "far beyond any deadline";
}

TEST(LandscapeTest, ErrorMessageResolvesItsEscapes) {
    struct Case {
        const char* value;
        const char* message;
    } cases[] = {
        {"", ""},
        {"plain  text", "plain  text"},
        {"a\\nb", "a\nb"},
        {"\\n  two\\r\\nlines\\t\\n", "\n  two\r\nlines\t\n"},
        {"back\\\\slash", "back\\slash"},
        {"other \\x and \\", "other \\x and \\"},
    };
    for (const Case& c : cases) {
        const Landscape landscape = ParseLandscape(std::string("[A]\nErrorMessage=") + c.value);
        EXPECT_EQ(landscape.systems[0].faults.errorMessage, c.message) << c.value;
    }
}

TEST(LandscapeTest, LinesAreReadLeniently) {
    struct Case {
        const char* name;
        const char* text;
        std::string SapSystem::*field;
        const char* value;
    } cases[] = {
        {"keys in any letter case", "[A]\nhOsT=h1\n", &SapSystem::host, "h1"},
        {"blanks around key and value", "[A]\n  Host  =  h1  \n", &SapSystem::host, "h1"},
        {"section name trimmed", "[ A ]\n", &SapSystem::name, "A"},
        {"host name from host", "[A]\nHost=sapqas\n", &SapSystem::hostName, "sapqas"},
        {"value keeps its equals signs", "[A]\nPassword=a=b\n", &SapSystem::password, "a=b"},
        {"indented comment", "[A]\n  ; Host=h1\n", &SapSystem::host, ""},
        {"hash comment", "[A]\n# Host=h1\n", &SapSystem::host, ""},
        {"line without equals", "[A]\nHost h1\n", &SapSystem::host, ""},
        {"unknown key", "[A]\nHostess=h1\n", &SapSystem::host, ""},
        {"later line wins", "[A]\nHost=h1\nHost=h2\n", &SapSystem::host, "h2"},
    };
    for (const Case& c : cases) {
        const Landscape landscape = ParseLandscape(c.text);
        ASSERT_EQ(landscape.systems.size(), 1u) << c.name;
        EXPECT_EQ(landscape.systems[0].*c.field, c.value) << c.name;
    }
}

TEST(LandscapeTest, NumbersThatCannotBeReadKeepTheirDefault) {
    struct Case {
        const char* text;
        std::uint32_t lockWaiters;
    } cases[] = {
        {"LockWaiters=12", 12}, {"LockWaiters=+12", 12}, {"LockWaiters=x", 0},
        {"LockWaiters=12x", 0}, {"LockWaiters=-1", 0},   {"LockWaiters=", 0},
    };
    for (const Case& c : cases) {
        const Landscape landscape = ParseLandscape(std::string("[A]\n") + c.text + "\n");
        EXPECT_EQ(landscape.systems[0].lockWaiters, c.lockWaiters) << c.text;
    }
}

TEST(LandscapeTest, FlagsAreOnlyYesWords) {
    for (const char* yes : {"yes", "YES", "true", "on", "1"}) {
        const Landscape landscape = ParseLandscape(std::string("[A]\nFailItCreate=") + yes);
        EXPECT_TRUE(landscape.systems[0].faults.failItCreate) << yes;
    }
    for (const char* no : {"no", "0", "", "y"}) {
        const Landscape landscape = ParseLandscape(std::string("[A]\nFailItCreate=") + no);
        EXPECT_FALSE(landscape.systems[0].faults.failItCreate) << no;
    }
}

TEST(LandscapeTest, LastErrorWithFewerFieldsLeavesTheRestEmpty) {
    const Landscape landscape = ParseLandscape("[A]\nLastError=KEY|status\n");
    const ErrorTexts& e = landscape.systems[0].faults.lastError;
    EXPECT_EQ(e.key, "KEY");
    EXPECT_EQ(e.status, "status");
    EXPECT_EQ(e.message, "");
    EXPECT_EQ(e.internalStatus, "");
}

TEST(LandscapeTest, KeysBeforeTheFirstSectionAreIgnored) {
    const Landscape landscape = ParseLandscape("Host=h0\n[A]\nHost=h1\n[B]\nHost=h2\n");
    ASSERT_EQ(landscape.systems.size(), 2u);
    EXPECT_EQ(landscape.systems[0].host, "h1");
    EXPECT_EQ(landscape.systems[1].name, "B");
    EXPECT_EQ(landscape.systems[1].host, "h2");
}

TEST(LandscapeTest, ReadsTheFileOfTheFolder) {
    testing::TemporaryFolder folder;
    EXPECT_FALSE(ReadLandscape(folder.Path()).has_value()) << "no rfcsim.ini";
    folder.Write("rfcsim.ini", "[PRD]\nHost=sapprd\n");
    const std::optional<Landscape> landscape = ReadLandscape(folder.Path());
    ASSERT_TRUE(landscape.has_value());
    EXPECT_EQ(landscape->systems.at(0).host, "sapprd");
}

}  // namespace
}  // namespace trevalunda::rfcsim

// What only SAP's NetWeaver RFC library does, against its stand-in rfcsimnw: the library's own
// reasons in the messages, destinations of SAP's configuration file "sapnwrfc.ini", and how
// the sensor finds and recognises the library.

#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/rfc_installation.h"

namespace trevalunda::testing {
namespace {

namespace fs = std::filesystem;

const std::string kPrdResult =
    "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n\n<Result><Channel>"
    "No_of_Locks</Channel>\n<Value>5</Value></Result>\n\n</Prtg>\n";

class NetWeaverTest : public ::testing::Test {
  protected:
    NetWeaverTest() { installation_.Profile("PRD.P00"); }

    void ExpectFailure(const std::string& faults, const std::string& message) {
        installation_.Landscape(SystemSection("PRD", faults));
        const platform::ChildResult result = installation_.Run({"PRD"});
        EXPECT_EQ(result.output, ErrorDocumentFor(message)) << faults;
        EXPECT_EQ(result.exitCode, 2) << faults;
    }

    RfcInstallation installation_{RfcKind::NetWeaver};
};

TEST_F(NetWeaverTest, FailedLogonSaysWhy) {
    ExpectFailure("Password=other",
                  "Error 1011: RFC-Open for PRD failed ! - Name or password is incorrect");
    ExpectFailure("Host=elsewhere",
                  "Error 1011: RFC-Open for PRD failed ! - partner not reached "
                  "(host sapprd, system number 0)");
    installation_.Profile("PRD.P00", {.mode = "R/2"});
    ExpectFailure("",
                  "Error 1011: RFC-Open for PRD failed ! - R/2 systems need the classic RFC "
                  "library");
    EXPECT_EQ(installation_.Journal().rfind("RfcOpenConnection"),
              installation_.Journal().find("RfcOpenConnection", 1))
        << "the R/2 profile never reaches the library\n"
        << installation_.Journal();
}

TEST_F(NetWeaverTest, FailedRemoteStepsGiveTheLibrarysMessage) {
    struct Case {
        std::string faults;
        std::string message;
    } cases[] = {
        {"SystemInfoReceiveCode=2\nException=NOT_FOUND",
         "Error 1012: Exception.: NOT_FOUND - RFC_SYSTEM_INFO failed with code 2"},
        {"SystemInfoReceiveCode=3",
         "Error 1013: Sys-Exception raised ! - RFC_SYSTEM_INFO failed "
         "with code 3"},
        {"SystemInfoInvokeCode=4",
         "Error 1013: Sys-Exception raised ! - RFC_SYSTEM_INFO failed "
         "with code 4"},
        {"SystemInfoCallCode=1",
         "Error 1014: RFC-Failure raised ! - RFC_SYSTEM_INFO failed with "
         "code 1"},
        {"LockWaitersInvokeCode=29",
         "Error 1015: Other Failure raised ! - "
         "S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 29"},
        {"LockWaitersReceiveCode=1\nErrorMessage=  the\\r\\n  gateway\\t<is down>  ",
         "Error 1014: RFC-Failure raised ! - the gateway &lt;is down&gt;"},
        {"LockWaitersReceiveCode=1\nErrorMessage=" + std::string(250, 'm'),
         "Error 1014: RFC-Failure raised ! - " + std::string(200, 'm')},
        // Without a message of the library the trace file is asked, as with the classic library.
        {"LockWaitersReceiveCode=1\nErrorMessage=\nTraceLine=ERROR       from the trace",
         "Error 1014: RFC-Failure raised ! - from the trace"},
    };
    for (const Case& c : cases) {
        ExpectFailure(c.faults, c.message);
    }
}

TEST_F(NetWeaverTest, DestinationsOfSapsConfigurationFile) {
    // A message server with a logon group, as load balancing has it: the sensor passes the
    // destination alone, with client, user, password and language.
    installation_.Landscape(SystemSection("PRD", "MessageServer=msprd\nLogonGroup=SPACE"));
    installation_.WriteInSensorFolder("sapnwrfc.ini",
                                      "DEST=QAS\r\nASHOST=sapqas\r\nSYSNR=00\r\n\r\n"
                                      " dest = prd \r\nMSHOST=msprd\r\nGROUP=SPACE\r\n"
                                      "SAPROUTER=/H/router/S/3299/H/\r\n");
    const platform::ChildResult result = installation_.Run({"PRD"});
    EXPECT_EQ(result.output, AsStandardOutput(kPrdResult));
    EXPECT_EQ(result.exitCode, 0);
    const std::string journal = installation_.Journal();
    EXPECT_TRUE(journal.starts_with("RfcSetIniPath ")) << journal;
    EXPECT_NE(journal.find("RfcOpenConnection dest=\"PRD\" client=\"100\" user=\"MONITOR\" "
                           "passwd=\"******\" lang=\"E\" -> 1"),
              std::string::npos)
        << journal;

    // A destination the file does not define logs on by host and system number.
    installation_.WriteInSensorFolder("sapnwrfc.ini", "DEST=QAS\r\nASHOST=sapqas\r\n");
    EXPECT_EQ(installation_.Run({"PRD"}).output, AsStandardOutput(kPrdResult));
}

TEST_F(NetWeaverTest, LibraryIsFoundAndRecognised) {
    installation_.Landscape(SystemSection("PRD"));
    // Without RfcLibrary: the NetWeaver library under its own name beside the sensor, with the
    // libraries it needs beside it (on Windows the stand-in needs its companion from there).
    const std::string own = std::string(TREVALUNDA_LIBRARY_SUFFIX) == ".dll"
                                ? "sapnwrfc.dll"
                                : "libsapnwrfc" TREVALUNDA_LIBRARY_SUFFIX;
    fs::rename(installation_.CustomSensorFolder() / StandInFile(RfcKind::NetWeaver),
               installation_.CustomSensorFolder() / own);
    installation_.WriteInSensorFolder("trevalunda.ini", "");
    EXPECT_EQ(installation_.Run({"PRD"}).output, AsStandardOutput(kPrdResult));
    EXPECT_NE(installation_.Journal().find("RfcOpenConnection"), std::string::npos);

    // A library that exports the NetWeaver logon but lacks the rest.
    fs::copy_file(BuildFolder() / TREVALUNDA_PROBE_NETWEAVER_FILE,
                  installation_.CustomSensorFolder() / TREVALUNDA_PROBE_NETWEAVER_FILE);
    installation_.WriteInSensorFolder(
        "trevalunda.ini", std::string("RfcLibrary=") + TREVALUNDA_PROBE_NETWEAVER_FILE + "\n");
    const platform::ChildResult partial = installation_.Run({"PRD"});
    EXPECT_EQ(partial.output,
              ErrorDocumentFor(std::string("Error 1051: Function RfcCloseConnection missing in RFC "
                                           "library ") +
                               TREVALUNDA_PROBE_NETWEAVER_FILE + "..."));
    EXPECT_EQ(partial.exitCode, 2);
}

TEST(DefaultLibraryTest, TheClassicLibraryComesFirst) {
    RfcInstallation installation(RfcKind::Classic);
    installation.Profile("PRD.P00");
    installation.Landscape(SystemSection("PRD"));
    const bool windows = std::string(TREVALUNDA_LIBRARY_SUFFIX) == ".dll";
    for (RfcKind kind : {RfcKind::Classic, RfcKind::NetWeaver}) {
        for (const std::string& file : StandInFiles(kind)) {
            fs::copy_file(BuildFolder() / file, installation.CustomSensorFolder() / file,
                          fs::copy_options::overwrite_existing);
        }
    }
    fs::rename(installation.CustomSensorFolder() / StandInFile(RfcKind::Classic),
               installation.CustomSensorFolder() / (windows ? "librfc32.dll" : "librfccm.so"));
    fs::rename(installation.CustomSensorFolder() / StandInFile(RfcKind::NetWeaver),
               installation.CustomSensorFolder() / (windows ? "sapnwrfc.dll" : "libsapnwrfc.so"));
    installation.WriteInSensorFolder("trevalunda.ini", "");
    EXPECT_EQ(installation.Run({"PRD"}).output, AsStandardOutput(kPrdResult));
    const std::string journal = installation.Journal();
    EXPECT_NE(journal.find("RfcOpen destination="), std::string::npos) << journal;
    EXPECT_EQ(journal.find("RfcOpenConnection"), std::string::npos) << journal;
}

}  // namespace
}  // namespace trevalunda::testing

// One scan over the systems of a listing against both stand-in libraries: channels written as
// each system is done, the summary, the listing errors and the failures that end the run early.

#include <gtest/gtest.h>

#include "e2e/rfc_installation.h"

namespace trevalunda::testing {
namespace {

const std::string kOpening = "\n<Prtg>\n\n";
const std::string kOwnSensor = "Sensor=\"SAP Trevalunda\"";

std::string Channel(const std::string& name, const std::string& value) {
    return "\n<Result><Channel>" + name + "</Channel>\n<Value>" + value + "</Value></Result>\n";
}

std::string Summary(const std::string& item, int systems, int processed, int failed) {
    return "\n<Text>(***) " + item + ": NoSystems=" + std::to_string(systems) +
           ", Processed=" + std::to_string(processed) + ", Failed=" + std::to_string(failed) +
           " </Text>\n\n</Prtg>\n\n";
}

std::string GlobalListing(const std::string& systems, const std::string& parameters) {
    return "; the systems watched by the sensor LOCKS\r\n"
           "# GSNG: LOCKS     : " +
           systems +
           "\r\n"
           "# GSNX: LOCKS     : " +
           parameters + "\r\n";
}

class MultiSystemTest : public ::testing::TestWithParam<RfcKind> {
  protected:
    MultiSystemTest() : installation_(GetParam()) {
        installation_.Landscape(SystemSection("PRD", "", 3) + SystemSection("QAS", "", 0));
        installation_.Profile("PRD.P00");
        installation_.Profile("QAS.P00", {.destination = "QAS", .hostname = "sapqas"});
    }

    void Listing(const std::string& systems,
                 const std::string& parameters = "Item=No_of_Locks," + kOwnSensor + ",Alias") {
        installation_.WriteInSensorFolder("SAP Vantorix.Gbl", GlobalListing(systems, parameters));
    }

    RfcInstallation installation_;
};

INSTANTIATE_TEST_SUITE_P(BothLibraries, MultiSystemTest,
                         ::testing::Values(RfcKind::Classic, RfcKind::NetWeaver), KindName);

TEST_P(MultiSystemTest, ItemRunOverTheProfileListing) {
    installation_.Profile("PRD");
    installation_.Profile("QAS", {.destination = "QAS", .hostname = "sapqas"});
    installation_.WriteInSensorFolder("Vantorix.Prf",
                                      "Destination: unused\r\n"
                                      "# Gsng: any 12 charsPRD#QAS#XXX#\r\n"
                                      "# GSNG: any 12 charsDEV#\r\n");
    const platform::ChildResult result = installation_.Run({"whatever", "ITEM=No_of_Locks"});
    EXPECT_EQ(result.output, AsStandardOutput(kOpening + Channel("PRD", "3") + Channel("QAS", "0") +
                                              Summary("No_of_Locks", 3, 2, 0)));
    EXPECT_EQ(result.exitCode, 0);
}

TEST_P(MultiSystemTest, GlobalRunOverTheSensorsListing) {
    Listing("PRD.P00#QAS.P00#XXX.P00#");
    installation_.Write("Work/Dev_Rfc.Trc", "earlier trace");
    const platform::ChildResult result = installation_.Run({"GLOBAL", "locks"});
    EXPECT_EQ(result.output, AsStandardOutput(kOpening + Channel("PRD", "3") + Channel("QAS", "0") +
                                              Summary("No_of_Locks", 3, 2, 0)));
    EXPECT_EQ(result.exitCode, 0);
    const std::string journal = installation_.Journal();
    if (GetParam() == RfcKind::Classic) {
        EXPECT_EQ(journal.find("RfcInstallStructure \"EXCLLCKWTS\""),
                  journal.rfind("RfcInstallStructure \"EXCLLCKWTS\""))
            << "installed once per process\n"
            << journal;
    }
    EXPECT_EQ(installation_.ReadWorking("Dev_Rfc.Trc"), "earlier trace") << "never removed";
}

TEST_P(MultiSystemTest, VerboseRunShowsEachSystemsState) {
    Listing("PRD.P00#XXX.P00#QAS.P00#");
    const platform::ChildResult result = installation_.Run({"global", "LOCKS #"});
    EXPECT_EQ(WithoutTimes(result.output),
              AsStandardOutput("* hh:mm:ss SAP Trevalunda Vers 4.3 / 29.08.22\n"
                               "* hh:mm:ss  Item=No_of_Locks State=Executing\n" +
                               kOpening + Channel("PRD", "3") +
                               "\n* hh:mm:ss PRD.P00, sapprd, PRD, 00, 100 State=Processed\n" +
                               Channel("QAS", "0") +
                               "\n* hh:mm:ss QAS.P00, sapqas, QAS, 00, 100 State=Processed\n" +
                               Summary("No_of_Locks", 3, 2, 0) +
                               "\n* hh:mm:ss SAP Trevalunda now processed...\n"));
}

TEST_P(MultiSystemTest, EmptyMissingAndUnterminatedEntries) {
    Listing("#PRD.P00##XXX.P00#QAS.P00");
    EXPECT_EQ(installation_.Run({"GLOBAL", "LOCKS"}).output,
              AsStandardOutput(kOpening + Channel("PRD", "3") + Channel("QAS", "0") +
                               Summary("No_of_Locks", 5, 2, 0)));
}

TEST_P(MultiSystemTest, LabelKinds) {
    struct Case {
        std::string keyword;
        std::string prd;
        std::string qas;
    } cases[] = {
        {"", "PRD.P00", "QAS.P00"}, {",Profile", "PRD.P00", "QAS.P00"},
        {",Alias", "PRD", "QAS"},   {",Host", "sapprd", "sapqas"},
        {",Sid", "PRD", "QAS"},
    };
    for (const Case& c : cases) {
        Listing("PRD.P00#QAS.P00#", "Item=No_of_Locks," + kOwnSensor + c.keyword);
        EXPECT_EQ(installation_.Run({"GLOBAL", "LOCKS"}).output,
                  AsStandardOutput(kOpening + Channel(c.prd, "3") + Channel(c.qas, "0") +
                                   Summary("No_of_Locks", 2, 2, 0)))
            << c.keyword;
    }
}

TEST_P(MultiSystemTest, OtherItemsWriteNoChannels) {
    Listing("PRD.P00#QAS.P00#", "Item=Other:Item," + kOwnSensor);
    EXPECT_EQ(installation_.Run({"GLOBAL", "LOCKS"}).output,
              AsStandardOutput(kOpening + Summary("Other Item", 2, 2, 0)));
}

TEST_P(MultiSystemTest, FailedSystemsAreCountedAndTheRunGoesOn) {
    installation_.Landscape(SystemSection("PRD", "Password=changed", 3) +
                            SystemSection("QAS", "LockWaitersReceiveCode=2\nException=BUSY", 0) +
                            SystemSection("DEV", "", 4));
    installation_.Profile("DEV.P00", {.destination = "DEV", .hostname = "sapdev"});
    Listing("PRD.P00#QAS.P00#DEV.P00#");
    const platform::ChildResult result = installation_.Run({"GLOBAL", "LOCKS $"});
    EXPECT_EQ(WithoutTimes(result.output),
              AsStandardOutput("* hh:mm:ss SAP Trevalunda Vers 4.3 / 29.08.22\n"
                               "* hh:mm:ss  Item=No_of_Locks State=Executing\n" +
                               kOpening +
                               "\n* hh:mm:ss PRD.P00, sapprd, PRD, 00, 100 State=Rfc Failure\n"
                               "\n* hh:mm:ss QAS.P00, sapqas, QAS, 00, 100 State=Rfc Failure\n" +
                               Channel("DEV", "4") +
                               "\n* hh:mm:ss DEV.P00, sapdev, DEV, 00, 100 State=Processed\n" +
                               Summary("No_of_Locks", 3, 1, 2) +
                               "\n* hh:mm:ss SAP Trevalunda now processed...\n"));
    EXPECT_EQ(result.exitCode, 0);
}

TEST_P(MultiSystemTest, LastFailureTextStaysOutOfTheSummary) {
    installation_.Landscape(SystemSection("PRD", "", 3) +
                            SystemSection("QAS", "LockWaitersReceiveCode=1", 0));
    Listing("PRD.P00#QAS.P00#");
    EXPECT_EQ(installation_.Run({"GLOBAL", "LOCKS"}).output,
              AsStandardOutput(kOpening + Channel("PRD", "3") + Summary("No_of_Locks", 2, 1, 1)));
}

// No host name and no gateway service: the profile is not valid, yet the system is logged on
// to and measured when the library reaches it without a host. The classic library finds it by
// its destination; the shown host is then the one the last system reported, as the system
// information record holds it (blank-padded to eight characters). The NetWeaver library needs
// a server and refuses the logon.
TEST_P(MultiSystemTest, FaultyProfileIsStillMeasured) {
    installation_.Profile("QAS.P00", {.destination = "QAS", .hostname = "", .gwservice = ""});
    installation_.Landscape(SystemSection("PRD", "", 3) +
                            "[QAS]\nDestination=QAS\nClient=100\nUser=MONITOR\nPassword=secret\n"
                            "DatabaseSystem=ORACLE\nHostName=hqas\nLockWaiters=1\n");
    Listing("PRD.P00#QAS.P00#");
    const bool classic = GetParam() == RfcKind::Classic;
    EXPECT_EQ(WithoutTimes(installation_.Run({"GLOBAL", "LOCKS %"}).output),
              AsStandardOutput("* hh:mm:ss SAP Trevalunda Vers 4.3 / 29.08.22\n"
                               "* hh:mm:ss  Item=No_of_Locks State=Executing\n" +
                               kOpening + Channel("PRD", "3") +
                               "\n* hh:mm:ss PRD.P00, sapprd, PRD, 00, 100 State=Processed\n" +
                               (classic ? Channel("QAS", "1") : "") +
                               "\n* hh:mm:ss QAS.P00, hPRD    , QAS, 00, 100 State=Rfc Failure\n" +
                               Summary("No_of_Locks", 2, 1, 1) +
                               "\n* hh:mm:ss SAP Trevalunda now processed...\n"));
    const std::string logon = classic ? "host=null sysnr=0 gwhost=\"gwprd\" gwservice=null"
                                      : "lang=\"E\" sysnr=\"00\" gwhost=\"gwprd\" -> 0";
    EXPECT_NE(installation_.Journal().find(logon), std::string::npos) << installation_.Journal();
}

TEST_P(MultiSystemTest, FatalFailureCompletesTheOpenDocument) {
    struct Case {
        std::string faults;
        std::string message;
    } cases[] = {
        {"DatabaseSystem=MSSQL", "Error 1018: DataBase mismatch !"},
        // The classic library's trace file and the NetWeaver library's message say the same.
        {"SystemInfoReceiveCode=1\nTraceLine=ERROR       gateway <down>\n"
         "ErrorMessage=gateway <down>",
         "Error 1014: RFC-Failure raised ! - gateway &lt;down&gt;"},
    };
    for (const Case& c : cases) {
        installation_.Landscape(SystemSection("PRD", "", 3) + SystemSection("QAS", c.faults, 0));
        Listing("PRD.P00#QAS.P00#PRD.P00#");
        const platform::ChildResult result = installation_.Run({"GLOBAL", "LOCKS"});
        EXPECT_EQ(result.output,
                  AsStandardOutput(kOpening + Channel("PRD", "3") + "<Error>1</Error>\n<Text>" +
                                   c.message + "</Text>\n</Prtg>\n"))
            << c.faults;
        EXPECT_EQ(result.exitCode, 2) << c.faults;
    }
}

TEST_P(MultiSystemTest, LineFormKeepsTheErrorDocumentAfterThePieces) {
    installation_.Settings("OutputMode=Kestrin\n");
    installation_.Landscape(SystemSection("PRD", "", 3) +
                            SystemSection("QAS", "DatabaseSystem=DB6", 0));
    installation_.Write("Work/SAP Vantorix.Gbl",
                        GlobalListing("PRD.P00#QAS.P00#", "Item=No_of_Locks," + kOwnSensor));
    installation_.Write("Work/PRD.P00", ProfileText());
    installation_.Write("Work/QAS.P00", ProfileText({.destination = "QAS", .hostname = "sapqas"}));
    const platform::ChildResult result = installation_.Run({"GLOBAL", "LOCKS"});
    EXPECT_EQ(result.output,
              AsStandardOutput("\n\n> PRD.P00: 3 #" +
                               ErrorDocumentText("Error 1018: DataBase mismatch !")));
    EXPECT_EQ(result.exitCode, 2);
}

TEST_P(MultiSystemTest, ListingParametersReplaceTheCommandLines) {
    // The listing's "CH=2" selects the second system's channel of the line form.
    installation_.Settings("OutputMode=Kestrin\n");
    installation_.Write("Work/SAP Vantorix.Gbl",
                        GlobalListing("PRD.P00#QAS.P00#", "CH=2 Item=No_of_Locks," + kOwnSensor));
    installation_.Write("Work/PRD.P00", ProfileText());
    installation_.Write("Work/QAS.P00", ProfileText({.destination = "QAS", .hostname = "sapqas"}));
    const platform::ChildResult result = installation_.Run({"GLOBAL", "LOCKS CH=1"});
    EXPECT_EQ(result.output, AsStandardOutput("\n0\n\n"));
    EXPECT_EQ(result.exitCode, 0);
}

TEST_P(MultiSystemTest, SensorNameRules) {
    installation_.WriteInSensorFolder("SAP Vantorix.Gbl",
                                      "# gsng: lockwatch1: PRD.P00#\n"
                                      "# GSNG: LOCKWATCH12 QAS.P00#\n"
                                      "# GSNX: LockWatch1: Item=No_of_Locks," +
                                          kOwnSensor + ",Alias\n");
    EXPECT_EQ(installation_.Run({"GLOBAL", "LOCKWATCH12 CH=1"}).output,
              AsStandardOutput(kOpening + Channel("PRD", "3") + Channel("QAS", "0") +
                               Summary("No_of_Locks", 2, 2, 0)));
}

TEST_P(MultiSystemTest, ListingErrorsEndTheRun) {
    struct Case {
        std::string listing;
        std::string message;
    } cases[] = {
        {GlobalListing("PRD.P00#", "Item=No_of_Locks,Sensor=\"Somebody Else\""),
         "Error 1029: Invalid Sensor-Allocation..."},
        {"# GSNG: LOCKS     : PRD.P00#\n", "Error 1030: Global Sensor locks CH=1 not found..."},
        {GlobalListing("", "Item=No_of_Locks," + kOwnSensor),
         "Error 1025: Global Server Listing missing..."},
        {GlobalListing("PRD.P00#", kOwnSensor), "Error 1026: Global Item Idenification missing..."},
    };
    for (const Case& c : cases) {
        installation_.WriteInSensorFolder("SAP Vantorix.Gbl", c.listing);
        const platform::ChildResult result = installation_.Run({"GLOBAL", "locks CH=1"});
        EXPECT_EQ(result.output, ErrorDocumentFor(c.message)) << c.message;
        EXPECT_EQ(result.exitCode, 2) << c.message;
    }
}

}  // namespace
}  // namespace trevalunda::testing

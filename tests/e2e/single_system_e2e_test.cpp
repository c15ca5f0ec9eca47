// One scan of one SAP system against the stand-in libraries: the result document in every
// output mode, every failure with its exact text and exit code, and what reaches the library.
// What both kinds of RFC library do alike runs against both stand-ins; what only the classic
// library has (its error handler, "SapRfc." files, the trace-file finding) against rfcsim.

#include <gtest/gtest.h>

#include "e2e/rfc_installation.h"

namespace trevalunda::testing {
namespace {

const std::string kPrdResult =
    "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n\n<Result><Channel>"
    "No_of_Locks</Channel>\n<Value>5</Value></Result>\n\n</Prtg>\n";

// An installation with the profile PRD.P00 and the stand-in of a kind of library.
class SingleSystemRun {
  protected:
    explicit SingleSystemRun(RfcKind kind) : installation_(kind) {
        installation_.Profile("PRD.P00");
    }

    void ExpectFailure(const std::vector<std::string>& arguments, const std::string& message) {
        const platform::ChildResult result = installation_.Run(arguments);
        EXPECT_EQ(result.output, ErrorDocumentFor(message));
        EXPECT_EQ(result.exitCode, 2);
    }

    // How the journal of the installation's stand-in writes the close of connection 1.
    std::string CloseOfTheConnection() const {
        return installation_.Kind() == RfcKind::Classic ? "RfcClose 1" : "RfcCloseConnection 1";
    }

    RfcInstallation installation_;
};

class SingleSystemTest : public SingleSystemRun, public ::testing::TestWithParam<RfcKind> {
  protected:
    SingleSystemTest() : SingleSystemRun(GetParam()) {}
};

INSTANTIATE_TEST_SUITE_P(BothLibraries, SingleSystemTest,
                         ::testing::Values(RfcKind::Classic, RfcKind::NetWeaver), KindName);

class ClassicSingleSystemTest : public SingleSystemRun, public ::testing::Test {
  protected:
    ClassicSingleSystemTest() : SingleSystemRun(RfcKind::Classic) {}
};

TEST_P(SingleSystemTest, MeasuresTheLockWaiters) {
    installation_.Landscape(SystemSection("PRD"));
    installation_.Write("Work/Dev_Rfc.Trc", "old trace");
    const platform::ChildResult result = installation_.Run({"PRD"});
    EXPECT_EQ(result.output, AsStandardOutput(kPrdResult));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_FALSE(installation_.HasWorking("Dev_Rfc.Trc")) << "removed after success";
}

TEST_P(SingleSystemTest, ResultInEveryOutputMode) {
    installation_.Landscape(SystemSection("PRD"));
    installation_.Write("Work/PRD.P00", ProfileText());  // front-end modes read the named folder
    struct Case {
        const char* mode;
        std::vector<std::string> arguments;
        std::string output;
    } cases[] = {
        {"Lumotex", {"PRD"}, kPrdResult},
        {"Morvale", {"PRD", "CH=2"}, kPrdResult},
        {"Brevanta",
         {"PRD"},
         "\n# (PRD) Oracle-Locks: No_of_Locks=5 \n\nMessage.No_of_Locks: No_of_Locks (#)"
         "\nStatistic.No_of_Locks: 5\n"},
        {"Kestrin", {"PRD"}, "\n# (PRD) Oracle-Locks: No_of_Locks=5 \n> No_of_Locks: 5 #\n"},
        {"Kestrin", {"PRD", "CH=1"}, "5\n"},
        {"Kestrin", {"PRD", "x", "ch=2"}, "\n"},
    };
    for (const Case& c : cases) {
        installation_.Settings(std::string("OutputMode=") + c.mode + "\n");
        const platform::ChildResult result = installation_.Run(c.arguments);
        EXPECT_EQ(result.output, AsStandardOutput(c.output)) << c.mode;
        EXPECT_EQ(result.exitCode, 0) << c.mode;
    }
}

TEST_P(SingleSystemTest, CountIsGroupedInTheTextOnly) {
    installation_.Landscape(SystemSection("PRD", "", 1234));
    EXPECT_EQ(installation_.Run({"PRD"}).output,
              AsStandardOutput(
                  "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=1.234 </Text>\n\n<Result>"
                  "<Channel>No_of_Locks</Channel>\n<Value>1234</Value></Result>\n\n</Prtg>\n"));
}

TEST_F(ClassicSingleSystemTest, FailedLogonDoesNotReadTheTraceFile) {
    installation_.Landscape(SystemSection("PRD", "Password=other"));
    ExpectFailure({"PRD"}, "Error 1011: RFC-Open for PRD failed !");
    EXPECT_NE(installation_.ReadWorking("Dev_Rfc.Trc"), "") << "the library wrote its trace";
}

TEST_F(ClassicSingleSystemTest, FailedRemoteCallsReportTheTraceFinding) {
    const std::string arrow = "TraceLine=**** ERROR file opened\nTraceLine=T:00001======> abc\n";
    struct Case {
        std::string faults;
        std::string message;
    } cases[] = {
        {"SystemInfoReceiveCode=1\n" + arrow, "Error 1014: RFC-Failure raised ! - abc"},
        {"SystemInfoCallCode=1\n" + arrow, "Error 1014: RFC-Failure raised ! - abc"},
        {"SystemInfoReceiveCode=2\nException=NOT_FOUND\n" + arrow,
         "Error 1012: Exception.: NOT_FOUND - abc"},
        {"SystemInfoReceiveCode=3\nException=X\nTraceLine=no pattern here\n",
         "Error 1013: Sys-Exception raised ! - Please Check Trace-File !"},
        {"LockWaitersCallCode=1\n" + arrow, "Error 1014: RFC-Failure raised ! - abc"},
        {"LockWaitersReceiveCode=2\nException=ABC\nTraceLine=ERROR       x<y\n",
         "Error 1012: Exception.: ABC - x&lt;y"},
        {"LockWaitersReceiveCode=7\n" + arrow, "Error 1015: Other Failure raised ! - abc"},
    };
    for (const Case& c : cases) {
        installation_.Landscape(SystemSection("PRD", c.faults));
        const platform::ChildResult result = installation_.Run({"PRD"});
        EXPECT_EQ(result.output, ErrorDocumentFor(c.message)) << c.faults;
        EXPECT_EQ(result.exitCode, 2) << c.faults;
        EXPECT_TRUE(installation_.HasWorking("Dev_Rfc.Trc")) << "kept after failure";
        std::filesystem::remove(installation_.WorkingFolder() / "Dev_Rfc.Trc");
    }
}

TEST_F(ClassicSingleSystemTest, MissingTraceFileIsReported) {
    // The library writes its trace in the working folder; a folder in its place cannot be read.
    installation_.Landscape(SystemSection("PRD", "SystemInfoReceiveCode=3\n"));
    std::filesystem::create_directories(installation_.WorkingFolder() / "Dev_Rfc.Trc");
    ExpectFailure({"PRD"}, "Error 1013: Sys-Exception raised ! - Look for Trace-File");
}

TEST_P(SingleSystemTest, OnlyOracleSystemsAreMeasured) {
    installation_.Landscape(SystemSection("PRD", "DatabaseSystem=MSSQL"));
    ExpectFailure({"PRD"}, "Error 1018: DataBase mismatch !");
    EXPECT_EQ(installation_.Journal().find("S_DB_EXCLUSIVE_LOCK_WAITERS"), std::string::npos);
    EXPECT_NE(installation_.Journal().find(CloseOfTheConnection()), std::string::npos);
}

TEST_F(ClassicSingleSystemTest, LibraryErrorsEndWithItsReport) {
    struct Case {
        std::string faults;
        std::string operation;
    } cases[] = {
        {"HandlerError=RfcReceive RFC_SYSTEM_INFO", "RfcReceive"},
        {"FailItCreate=yes", "ItCreate EXCLUSIVE_LOCK_WAITERS"},
        {"FailItGetLine=3", "ItGetLine EXCLUSIVE_LOCK_WAITERS"},
        {"FailItDelete=yes", "ItDelete EXCLUSIVE_LOCK_WAITERS"},
        {"FailInstallStructure=RFCSI", "RfcInstallStructure"},
    };
    for (const Case& c : cases) {
        installation_.Landscape(SystemSection(
            "PRD", c.faults + "\nLastError=RFC_SYS_FAILURE|st|something broke|int 1\n"));
        const platform::ChildResult result = installation_.Run({"PRD", "#"});
        EXPECT_EQ(WithoutTimes(result.output),
                  AsStandardOutput("* hh:mm:ss SAP Trevalunda Vers 4.3 / 29.08.22\n"
                                   "* hh:mm:ss PRD.P00, sapprd, PRD, 00, 100 State=Processing\n"
                                   "* hh:mm:ss Trevalunda - (No Parameters) State=Executing\n"
                                   "RFC error\n"
                                   "operation/code  : " +
                                   c.operation +
                                   "\n"
                                   "key             : RFC_SYS_FAILURE\n"
                                   "status          : st\n"
                                   "message         : something broke\n"
                                   "internal status : int 1\n"
                                   "\n"
                                   "* Programm aborted...\n"
                                   "* Error at EoXput-File...\n"))
            << c.faults;
        EXPECT_EQ(result.exitCode, 1) << c.faults;
    }
}

TEST_P(SingleSystemTest, VerboseRunShowsItsProgress) {
    installation_.Landscape(SystemSection("PRD"));
    const platform::ChildResult result = installation_.Run({"PRD", "CH=1 $x#y"});
    EXPECT_EQ(WithoutTimes(result.output),
              AsStandardOutput("* hh:mm:ss SAP Trevalunda Vers 4.3 / 29.08.22\n"
                               "* hh:mm:ss PRD.P00, sapprd, PRD, 00, 100 State=Processing\n"
                               "* hh:mm:ss Trevalunda - CH=1 $x State=Executing\n" +
                               kPrdResult + "\n* hh:mm:ss SAP Trevalunda now processed...\n"));
    EXPECT_EQ(result.exitCode, 0);
}

TEST_F(ClassicSingleSystemTest, LogonDataReachTheLibraryAsItExpects) {
    installation_.Landscape(SystemSection("PRD") +
                            "[R2S]\nDestination=R2S\nGatewayHost=gwr2\nGatewayService=sapgw00\n"
                            "Client=200\nUser=MONITOR\nPassword=secret\nDatabaseSystem=ORA\n"
                            "HostName=hr2\nLockWaiters=0\n");
    installation_.Profile("R2S.P00", {.destination = "R2S",
                                      .client = "200",
                                      .mode = "R/2",
                                      .gwhost = "gwr2",
                                      .gwservice = "sapgw00"});
    EXPECT_EQ(installation_.Run({"PRD"}).exitCode, 0);
    const platform::ChildResult r2 = installation_.Run({"R2S"});
    EXPECT_EQ(r2.exitCode, 0) << r2.output;
    const std::string journal = installation_.Journal();
    EXPECT_NE(journal.find("RfcOpen destination=\"PRD\" mode=0 client=\"100\" "
                           "user=\"MONITOR     \" password=\"******    \" language=\"E\" trace=0 "
                           "host=\"sapprd\" sysnr=0 gwhost=\"gwprd\" gwservice=\"sapgw00\" -> 1"),
              std::string::npos)
        << journal;
    EXPECT_NE(journal.find("RfcOpen destination=\"R2S\" mode=1 client=\"200\" "
                           "user=\"MONITOR     \" password=\"******    \" language=\"E\" trace=0 "
                           "gwhost=\"gwr2\" gwservice=\"sapgw00\" -> 1"),
              std::string::npos)
        << journal;
}

TEST_P(SingleSystemTest, HostAndSystemNumberOverrides) {
    installation_.Landscape(
        "[QAS]\nDestination=QAS\nHost=sapqas\nSystemNumber=12\nClient=100\n"
        "User=MONITOR\nPassword=secret\nDatabaseSystem=ORACLE\n"
        "HostName=hqas\nLockWaiters=5\n");
    const platform::ChildResult result = installation_.Run({"PRD", "x,host=sapqas,NO=12 y"});
    EXPECT_EQ(result.output, AsStandardOutput(kPrdResult));
    const std::string logon =
        installation_.Kind() == RfcKind::Classic
            ? "host=\"sapqas\" sysnr=12 gwhost=\"gwprd\" gwservice=\"sapgw00\""
            : "ashost=\"sapqas\" sysnr=\"12\" gwhost=\"gwprd\" gwserv=\"sapgw00\"";
    EXPECT_NE(installation_.Journal().find(logon), std::string::npos) << installation_.Journal();
    // Empty overrides keep the profile's values.
    installation_.Landscape(SystemSection("PRD"));
    EXPECT_EQ(installation_.Run({"PRD", ",HOST= ,NO="}).output, AsStandardOutput(kPrdResult));
}

TEST_F(ClassicSingleSystemTest, PreparedConfigurationIsInstalledForTheLibrary) {
    installation_.Landscape(SystemSection("PRD"));
    const std::string configuration = "DEST=PRD\r\nTYPE=A\r\nASHOST=sapprd\r\nSYSNR=00\r\n";
    installation_.Write("Work/SapRfc.PRD", configuration);
    // The line about the installed configuration is a progress line: without the switch the
    // monitoring host reads the document alone.
    struct Case {
        std::vector<std::string> arguments;
        std::string output;
    } cases[] = {
        {{"PRD"}, kPrdResult},
        {{"PRD", "#"},
         "* hh:mm:ss SAP Trevalunda Vers 4.3 / 29.08.22\n"
         "* hh:mm:ss PRD.P00, sapprd, PRD, 00, 100 State=Processing\n"
         "* hh:mm:ss Trevalunda - (No Parameters) State=Executing\n"
         "* SapRfc.Ini.......: PRD<\n" +
             kPrdResult + "\n* hh:mm:ss SAP Trevalunda now processed...\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(installation_.WorkingFolder() / "SapRfc.ini");
        const platform::ChildResult result = installation_.Run(c.arguments);
        EXPECT_EQ(WithoutTimes(result.output), AsStandardOutput(c.output)) << c.arguments.size();
        EXPECT_EQ(result.exitCode, 0) << c.arguments.size();
        EXPECT_EQ(installation_.ReadWorking("SapRfc.ini"), configuration) << c.arguments.size();
    }
    EXPECT_NE(installation_.Journal().find(
                  "RfcOpenEx \"CLIENT=100 USER=MONITOR PASSWD=****** LANG=D DEST=PRD\" -> 1"),
              std::string::npos)
        << installation_.Journal();
}

TEST_F(ClassicSingleSystemTest, UnwritableLibraryConfigurationFailsTheLogon) {
    installation_.Landscape(SystemSection("PRD"));
    installation_.Write("Work/SapRfc.PRD", "DEST=PRD\n");
    std::filesystem::create_directories(installation_.WorkingFolder() / "SapRfc.ini");
    const platform::ChildResult result = installation_.Run({"PRD"});
    EXPECT_EQ(result.output, ErrorDocumentFor("Error 1011: RFC-Open for PRD failed !"));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(installation_.Journal().find("RfcOpen"), std::string::npos);
}

TEST_P(SingleSystemTest, RunLogTracesTheCallsWithoutSecrets) {
    installation_.Landscape(SystemSection("PRD"));
    EXPECT_EQ(installation_.Run({"PRD", "x,syslog"}).exitCode, 0);
    const std::string log = installation_.ReadWorking("trevalunda.log");
    const std::string program = log.substr(0, log.find('\n') + 1);
    EXPECT_TRUE(program.starts_with("0 program started ")) << log;
    EXPECT_EQ(log.substr(program.size()),
              "0 RfcEnvironment called \n1 RfcOpen called \n1 RfcCall called \n"
              "1 RfcReceive called \n1 RfcCall called \n1 RfcReceive called \n");
    EXPECT_EQ(log.find("secret"), std::string::npos);
}

TEST_F(ClassicSingleSystemTest, LibraryThatCannotBeUsed) {
    installation_.Settings("RfcLibrary=nowhere" TREVALUNDA_LIBRARY_SUFFIX "\n");
    ExpectFailure({"PRD"}, "Error 1050: RFC library nowhere" TREVALUNDA_LIBRARY_SUFFIX
                           " cannot be loaded (not found)...");
    installation_.Settings(std::string("RfcLibrary=") + TREVALUNDA_FOREIGN_LIBRARY + "\n");
    ExpectFailure({"PRD"}, std::string("Error 1051: Function RfcEnvironment missing in RFC "
                                       "library ") +
                               TREVALUNDA_FOREIGN_LIBRARY + "...");
    // A run that fails before it needs the library never loads it.
    installation_.Profile("PRD.P00", {.user = ""});
    ExpectFailure({"PRD"}, "Error 1006: Username in Profile PRD.P00 is missing...");
}

}  // namespace
}  // namespace trevalunda::testing

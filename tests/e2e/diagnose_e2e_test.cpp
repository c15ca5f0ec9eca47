// The profile tool's diagnose command as an administrator runs it on the probe, beside the
// installed sensor, in the sensor's working folder: each step's failure with the exact report
// and exit code, for both kinds of RFC library where their reasons differ.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "e2e/rfc_installation.h"
#include "support/library_bytes.h"

namespace trevalunda::testing {
namespace {

namespace fs = std::filesystem;

const std::string kSuffix = TREVALUNDA_EXECUTABLE_SUFFIX;
const std::string kPrdResult =
    "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n\n<Result><Channel>"
    "No_of_Locks</Channel>\n<Value>5</Value></Result>\n\n</Prtg>\n";
const std::string kSensorFolder = "\\Program Files\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\";

// The sensor's path as the tool names it: the first line of its report.
std::string SensorPathIn(const std::string& output) {
    const std::string label = "Sensor.........: ";
    if (!output.starts_with(label)) {
        return "";
    }
    return output.substr(label.size(), output.find_first_of("\r\n") - label.size());
}

std::string SettingsPathOf(const std::string& sensor) {
    const std::size_t folderEnd = sensor.find_last_of("\\/") + 1;
    return sensor.substr(0, folderEnd) + "trevalunda.ini";
}

// The report's lines up to the profile, when the profile lies in the custom-sensor folder.
std::string SearchLines(const std::string& sensor) {
    return "Sensor.........: " + sensor + "\n" + "Settings.......: " + SettingsPathOf(sensor) +
           "\n"
           "Profile search.: C:\\PRTG_Path.Txt: not there, so the working folder is next\n"
           "Profile search.: PRD.P00 in the working folder: not there\n"
           "Profile search.: \\Programme\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\PRD.P00: "
           "not there\n"
           "Profile search.: " +
           kSensorFolder + "PRD.P00: found\n";
}

// The report's lines up to the logon data, for the test profile.
std::string ProfileLines(const std::string& sensor) {
    return SearchLines(sensor) + "Profile........: " + kSensorFolder +
           "PRD.P00\n"
           "Extcompany.....: ACME Corp\n"
           "Destination....: PRD\n"
           "Client.........: 100\n"
           "User...........: MONITOR\n"
           "Password.......: set\n"
           "Language.......: E\n"
           "Mode...........: R/3\n"
           "Hostname.......: sapprd\n"
           "Sysnr..........: 00\n"
           "Gwhost.........: gwprd\n"
           "Gwservice......: sapgw00\n"
           "Logon data.....: PRD, client 100, host sapprd, system number 00\n";
}

std::string LibraryLine(RfcKind kind) {
    return "Library........: " + StandInFile(kind) +
           (kind == RfcKind::Classic ? ", the classic RFC library\n"
                                     : ", SAP's NetWeaver RFC library\n");
}

// The report's end: the files, the exit code and the sensor's document, and the last line.
std::string Ending(const std::string& files, int exitCode, const std::string& document,
                   const std::string& last) {
    return "Files..........: " + files + "\nExit code......: " + std::to_string(exitCode) +
           "\nDocument.......: what the sensor prints follows\n" + document + last + "\n";
}

class DiagnoseProgramTest : public ::testing::TestWithParam<RfcKind> {
  protected:
    DiagnoseProgramTest() : installation_(GetParam()) {
        installation_.Profile("PRD.P00");
        installation_.Landscape(SystemSection("PRD"));
    }

    // Runs diagnose and gives the report with "\n" line ends and the sensor's path.
    std::string Diagnose(const std::vector<std::string>& arguments, int expectedExitCode) {
        std::vector<std::string> command{"diagnose"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        const platform::ChildResult result = installation_.RunToolBesideSensor(command);
        EXPECT_EQ(result.exitCode, expectedExitCode) << result.output << result.errors;
        EXPECT_EQ(result.errors, "");
        sensor_ = SensorPathIn(result.output);
        EXPECT_TRUE(sensor_.ends_with("trevalunda" + kSuffix)) << result.output;
        std::string text = result.output;
        if (AsStandardOutput("\n") != "\n") {
            for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;) {
                text.erase(at, 1);
            }
        }
        EXPECT_EQ(AsStandardOutput(text), result.output) << "every line ends alike";
        return text;
    }

    RfcInstallation installation_;
    std::string sensor_;
};

TEST_P(DiagnoseProgramTest, ReportsEveryStepOfASuccessfulScan) {
    const std::string report = Diagnose({"PRD"}, 0);
    EXPECT_EQ(report, ProfileLines(sensor_) + LibraryLine(GetParam()) +
                          "Logon..........: done\n"
                          "Database.......: ORACLE on host hPRD\n"
                          "Lock waiters...: 5\n" +
                          Ending("the sensor changed none", 0, kPrdResult,
                                 "Result.........: the scan succeeds"));
}

TEST_P(DiagnoseProgramTest, ShowsCredentialsFromPrtgAndTheFilesThatTheSensorWrote) {
    installation_.Settings("Credentials=PrtgLinux\n");
    const platform::ChildResult result = installation_.RunToolBesideSensor(
        {"diagnose", "PRD", ",SYSLOG"},
        {{"prtg_linuxuser", "monitor"}, {"prtg_linuxpassword", "secret"}});
    EXPECT_EQ(result.exitCode, 0);
    const std::string sensor = SensorPathIn(result.output);
    std::string lines = ProfileLines(sensor);
    lines.replace(lines.find("User...........: MONITOR\nPassword.......: set\n"),
                  std::string("User...........: MONITOR\nPassword.......: set\n").size(),
                  "User...........: MONITOR (from prtg_linuxuser)\n"
                  "Password.......: set (from prtg_linuxpassword)\n");
    EXPECT_EQ(result.output, AsStandardOutput(lines + LibraryLine(GetParam()) +
                                              "Logon..........: done\n"
                                              "Database.......: ORACLE on host hPRD\n"
                                              "Lock waiters...: 5\n" +
                                              Ending("trevalunda.log written", 0, kPrdResult,
                                                     "Result.........: the scan succeeds")));
    EXPECT_NE(installation_.ReadWorking("trevalunda.log"), "");
}

TEST_P(DiagnoseProgramTest, SaysWhyTheLogonFailedInTheLibrarysWords) {
    const bool classic = GetParam() == RfcKind::Classic;
    struct Case {
        std::string faults;
        std::string classicReason;
        std::string netWeaverReason;
        std::string documentReason;  // what the NetWeaver library's message adds to the document
        std::string remedy;
    } cases[] = {
        {"Password=other", "the error record is empty; Dev_Rfc.Trc: Name or password is incorrect",
         "error info: Name or password is incorrect (key RFC_LOGON_FAILURE)",
         "Name or password is incorrect",
         "check User, and store the password again with trevalunda-profile encode (with "
         "Credentials=PrtgLinux or PrtgWindows: the device's credentials in PRTG)"},
        {"Host=elsewhere",
         "the error record is empty; Dev_Rfc.Trc: partner not reached (host sapprd, system "
         "number 0)",
         "error info: partner not reached (host sapprd, system number 0) (key "
         "RFC_COMMUNICATION_FAILURE)",
         "partner not reached (host sapprd, system number 0)",
         "check Host and Sysnr in the profile (or ,HOST= and ,NO= of the parameters) and the "
         "network between the probe and the system"},
        {"Client=200",
         "the error record is empty; Dev_Rfc.Trc: Client 100 is not available in this system",
         "error info: Client 100 is not available in this system (key RFC_LOGON_FAILURE)",
         "Client 100 is not available in this system",
         "check Client in the profile: the system has no such client"},
    };
    for (const Case& c : cases) {
        installation_.Landscape(SystemSection("PRD", c.faults));
        fs::remove(installation_.WorkingFolder() / "Dev_Rfc.Trc");
        const std::string report = Diagnose({"PRD"}, 1);
        const std::string message =
            "Error 1011: RFC-Open for PRD failed !" + (classic ? "" : " - " + c.documentReason);
        EXPECT_EQ(report, ProfileLines(sensor_) + LibraryLine(GetParam()) +
                              "Logon..........: failed: " +
                              (classic ? c.classicReason : c.netWeaverReason) + "\n" +
                              Ending("Dev_Rfc.Trc is there, the library's own trace file", 2,
                                     ErrorDocumentText(message), "What to do.....: " + c.remedy))
            << c.faults;
    }
}

// Each case of this table prepares an installation of its own. Where the installations share
// the real drive (under Wine), no other installation may be alive beside them: an installation
// leaves alone whatever lay on the drive when it was made.
class DiagnoseStepTest : public ::testing::TestWithParam<RfcKind> {};

TEST_P(DiagnoseStepTest, NamesTheStepThatFailsAndWhatToDo) {
    const RfcKind kind = GetParam();
    const std::string library = StandInFile(kind);
    struct Case {
        std::string name;
        std::function<void(RfcInstallation&)> prepare;
        // The report's lines before the files line, for the sensor's path.
        std::function<std::string(const std::string&)> lines;
        std::string files;
        std::string message;  // of the sensor's error document
        std::string remedy;
    } cases[] = {
        {"settings error", [](RfcInstallation& i) { i.Settings("Timeout=x\n"); },
         [](const std::string& sensor) {
             return "Sensor.........: " + sensor + "\nSettings.......: " + SettingsPathOf(sensor) +
                    ": Error 1043: Invalid Timeout x in trevalunda.ini line 2...\n";
         },
         "the sensor changed none", "Error 1043: Invalid Timeout x in trevalunda.ini line 2...",
         "mend the line of the settings file that the message names (trevalunda.ini.example "
         "shows every setting)"},
        {"no profile", [](RfcInstallation& i) { fs::remove(i.CustomSensorFolder() / "PRD.P00"); },
         [](const std::string& sensor) {
             return SearchLines(sensor).substr(0, SearchLines(sensor).rfind("found\n")) +
                    "not there\n"
                    "Profile search.: \\Program Files (x86)\\PRTG Network Monitor\\Custom "
                    "Sensors\\ExeXml\\PRD.P00: not there\n"
                    "Profile........: Error 1002: Profile PRD.P00 is missing...\n";
         },
         "the sensor changed none", "Error 1002: Profile PRD.P00 is missing...",
         "put PRD.P00 into PRTG's custom-sensor folder beside the sensor, or name the folder "
         "above it in C:\\PRTG_Path.Txt"},
        {"profile in the working folder",
         [](RfcInstallation& i) {
             fs::copy_file(i.CustomSensorFolder() / "PRD.P00", i.WorkingFolder() / "PRD.P00");
         },
         [](const std::string& sensor) {
             return SearchLines(sensor).substr(0,
                                               SearchLines(sensor).find("Profile search.: PRD")) +
                    "Profile search.: PRD.P00 in the working folder: found\n"
                    "Profile search.: PRD.P00 in the working folder: refused: a profile must lie "
                    "in a folder whose name ends in ExeXml\n"
                    "Profile........: Sorry, invalid Path-Usage...\n";
         },
         "the sensor changed none", "Sorry, invalid Path-Usage...",
         "move the profile into PRTG's custom-sensor folder (...\\Custom Sensors\\ExeXml\\, "
         "beside the sensor); a profile found elsewhere is refused"},
        {"library not found",
         [](RfcInstallation& i) {
             i.WriteInSensorFolder("trevalunda.ini",
                                   "RfcLibrary=nowhere" TREVALUNDA_LIBRARY_SUFFIX "\n");
         },
         [](const std::string& sensor) {
             return ProfileLines(sensor) +
                    "Library........: Error 1050: RFC library nowhere" TREVALUNDA_LIBRARY_SUFFIX
                    " cannot be loaded (not found)...\n";
         },
         "the sensor changed none",
         "Error 1050: RFC library nowhere" TREVALUNDA_LIBRARY_SUFFIX
         " cannot be loaded (not found)...",
         "put the RFC library beside the sensor, or name it with RfcLibrary= in the settings "
         "file"},
        {"32-bit library",
         [library](RfcInstallation& i) {
             const fs::path path = i.CustomSensorFolder() / library;
             std::ifstream in(path, std::ios::binary);
             const std::string bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
             in.close();
             i.WriteInSensorFolder(library, ThirtyTwoBitCopy(bytes));
         },
         [library](const std::string& sensor) {
             return ProfileLines(sensor) + "Library........: Error 1050: RFC library " + library +
                    " cannot be loaded (a 32-bit library; the sensor needs a 64-bit one)...\n";
         },
         "the sensor changed none",
         "Error 1050: RFC library " + library +
             " cannot be loaded (a 32-bit library; the sensor needs a 64-bit one)...",
         "install the 64-bit RFC library; the sensor is a 64-bit program"},
        {"not Oracle",
         [](RfcInstallation& i) { i.Landscape(SystemSection("PRD", "DatabaseSystem=MSSQL")); },
         [kind](const std::string& sensor) {
             return ProfileLines(sensor) + LibraryLine(kind) +
                    "Logon..........: done\n"
                    "Database.......: MSSQL on host hPRD: not Oracle, which the sensor measures "
                    "alone\n";
         },
         "the sensor changed none", "Error 1018: DataBase mismatch !",
         "the sensor measures systems on Oracle only: point the profile at an Oracle system"},
        {"lock call failure",
         [](RfcInstallation& i) {
             i.Landscape(SystemSection("PRD",
                                       "LockWaitersReceiveCode=2\nException=NOT_FOUND\n"
                                       "LastError=RFC_ERROR_EXCEPTION|E|NOT_FOUND raised"));
         },
         [kind](const std::string& sensor) {
             return ProfileLines(sensor) + LibraryLine(kind) +
                    "Logon..........: done\n"
                    "Database.......: ORACLE on host hPRD\n"
                    "Lock waiters...: Error 1012: Exception.: NOT_FOUND: " +
                    (kind == RfcKind::Classic
                         ? "error record: key RFC_ERROR_EXCEPTION, status E, message NOT_FOUND "
                           "raised; Dev_Rfc.Trc: S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 2"
                         : "error info: S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 2 (key "
                           "NOT_FOUND)") +
                    "\n";
         },
         "Dev_Rfc.Trc is there, the library's own trace file",
         "Error 1012: Exception.: NOT_FOUND - S_DB_EXCLUSIVE_LOCK_WAITERS failed with code 2",
         "give the monitoring user the authorization to call S_DB_EXCLUSIVE_LOCK_WAITERS "
         "remotely (authorization object S_RFC)"},
        {"deadline",
         [](RfcInstallation& i) {
             i.Settings("Timeout=1\n");
             i.Landscape(SystemSection("PRD", "Hang=logon"));
         },
         [kind](const std::string& sensor) {
             return ProfileLines(sensor) + LibraryLine(kind) +
                    "Deadline.......: the library had not finished the step logon\n";
         },
         "the sensor changed none", "Error 1060: PRD did not answer within 1 s (logon)...",
         "the system did not answer in time: check the network and the system, or raise "
         "Timeout= in the settings file (below PRTG's timeout of the sensor)"},
    };
    for (const Case& c : cases) {
        RfcInstallation installation(kind);
        installation.Profile("PRD.P00");
        installation.Landscape(SystemSection("PRD"));
        c.prepare(installation);
        std::vector<std::string> command{"diagnose", "PRD"};
        const platform::ChildResult result = installation.RunToolBesideSensor(command);
        EXPECT_EQ(result.exitCode, 1) << c.name;
        EXPECT_EQ(result.errors, "") << c.name;
        const std::string sensor = SensorPathIn(result.output);
        EXPECT_EQ(result.output, AsStandardOutput(c.lines(sensor) +
                                                  Ending(c.files, 2, ErrorDocumentText(c.message),
                                                         "What to do.....: " + c.remedy)))
            << c.name;
    }
}

// The classic library's error handler ends the process from inside the library: the report is
// finished before, with the library's own report as the document.
TEST(DiagnoseClassicProgramTest, EndsWithTheReportOfTheLibrarysErrorHandler) {
    RfcInstallation installation(RfcKind::Classic);
    installation.Profile("PRD.P00");
    installation.Landscape(SystemSection(
        "PRD", "HandlerError=RfcOpen\nLastError=RFC_ERROR_SYSTEM_FAILURE|E|gateway down"));
    const platform::ChildResult result = installation.RunToolBesideSensor({"diagnose", "PRD"});
    EXPECT_EQ(result.exitCode, 1);
    const std::string sensor = SensorPathIn(result.output);
    EXPECT_EQ(result.output,
              AsStandardOutput(
                  ProfileLines(sensor) + LibraryLine(RfcKind::Classic) +
                  "Library error..: the library reported a failure to the sensor's error handler "
                  "during the step logon\n" +
                  Ending("Dev_Rfc.Trc is there, the library's own trace file", 1,
                         "RFC error\n"
                         "operation/code  : RfcOpen\n"
                         "key             : RFC_ERROR_SYSTEM_FAILURE\n"
                         "status          : E\n"
                         "message         : gateway down\n"
                         "internal status : \n"
                         "\n"
                         "* Programm aborted...\n"
                         "* Error at EoXput-File...\n",
                         "What to do.....: read the library's own report in the document: its "
                         "message says what failed")));
}

// The copy of a prepared configuration is the sensor's own change in the working folder.
TEST(DiagnoseClassicProgramTest, NamesTheCopyOfAPreparedConfiguration) {
    RfcInstallation installation(RfcKind::Classic);
    installation.Profile("PRD.P00");
    installation.Landscape(SystemSection("PRD"));
    installation.Write("Work/SapRfc.PRD", "DEST=PRD\r\nTYPE=A\r\nASHOST=sapprd\r\nSYSNR=00\r\n");
    const platform::ChildResult result = installation.RunToolBesideSensor({"diagnose", "PRD"});
    EXPECT_EQ(result.exitCode, 0);
    const std::string sensor = SensorPathIn(result.output);
    EXPECT_EQ(result.output,
              AsStandardOutput(ProfileLines(sensor) + LibraryLine(RfcKind::Classic) +
                               "Logon..........: done\n"
                               "Database.......: ORACLE on host hPRD\n"
                               "Lock waiters...: 5\n" +
                               Ending("SapRfc.ini copied from SapRfc.PRD", 0, kPrdResult,
                                      "Result.........: the scan succeeds")));
    EXPECT_EQ(installation.ReadWorking("SapRfc.ini"), installation.ReadWorking("SapRfc.PRD"));
}

INSTANTIATE_TEST_SUITE_P(BothLibraries, DiagnoseProgramTest,
                         ::testing::Values(RfcKind::Classic, RfcKind::NetWeaver), KindName);
INSTANTIATE_TEST_SUITE_P(BothLibraries, DiagnoseStepTest,
                         ::testing::Values(RfcKind::Classic, RfcKind::NetWeaver), KindName);

}  // namespace
}  // namespace trevalunda::testing

// Bad bytes from every source that reaches the result document: the document stays one that
// its host parses (plain ASCII XML in the XML form, the same lines in the message and line
// forms), and a value ends at a zero byte for the checks, the document and the logon alike.

#include <gtest/gtest.h>

#include <functional>

#include "e2e/rfc_installation.h"
#include "support/xml_check.h"

namespace trevalunda::testing {
namespace {

using namespace std::string_literals;

const std::string kOwnSensor = "Sensor=\"SAP Trevalunda\"";
const std::string kPrdResult =
    "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n\n<Result><Channel>"
    "No_of_Locks</Channel>\n<Value>5</Value></Result>\n\n</Prtg>\n";

std::string Utf16(std::string_view text) {
    std::string wide;
    for (char c : text) {
        wide += c;
        wide += '\0';
    }
    return wide;
}

std::string GlobalListing(const std::string& systems, const std::string& parameters) {
    return "# GSNG: LOCKS     : " + systems + "\r\n# GSNX: LOCKS     : " + parameters + "\r\n";
}

std::string Summary(const std::string& item, int systems, int processed) {
    return "\n<Text>(***) " + item + ": NoSystems=" + std::to_string(systems) +
           ", Processed=" + std::to_string(processed) + ", Failed=0 </Text>\n\n</Prtg>\n\n";
}

std::string LockWaiterFailure(const std::string& extraLines) {
    return SystemSection("PRD", "LockWaitersReceiveCode=1\n" + extraLines);
}

enum class Form { Xml, Lines };

struct Row {
    const char* name;
    std::function<void(RfcInstallation&)> prepare;
    std::vector<std::string> arguments;
    std::string output;  // with "\n" line ends
    int exitCode;
    Form form;
};

TEST(DocumentSafetyTest, EveryBadInputGivesADocumentItsHostReads) {
    const Row rows[] = {
        {"control character in the profile name",
         [](RfcInstallation&) {},
         {"PR\001D"},
         ErrorDocumentText("Error 1002: Profile PR?D.P00 is missing..."),
         2,
         Form::Xml},
        {"settings file in UTF-16",
         [](RfcInstallation& i) {
             i.WriteInSensorFolder("trevalunda.ini", Utf16("OutputMode=Kestrin\r\n"));
         },
         {"PRD"},
         ErrorDocumentText("Error 1041: Unknown setting O?u?t?p?u?t?M?o?d?e? in trevalunda.ini "
                           "line 1..."),
         2,
         Form::Xml},
        {"control character in the mode word",
         [](RfcInstallation& i) { i.Settings("OutputMode=EXE\x01XML\n"); },
         {"PRD"},
         ErrorDocumentText("Error 1042: Unknown OutputMode EXE?XML in trevalunda.ini line 2 "
                           "(valid: EXEXML, Lumotex, Morvale, Brevanta, Kestrin)..."),
         2,
         Form::Xml},
        {"Latin-1 trace line",
         [](RfcInstallation& i) {
             i.Profile("PRD.P00");
             i.Landscape(LockWaiterFailure("TraceLine=ERROR       Verbindung f\xFCr PRD\n"));
         },
         {"PRD"},
         ErrorDocumentText("Error 1014: RFC-Failure raised ! - Verbindung f&#252;r PRD"),
         2,
         Form::Xml},
        {"the same trace line in UTF-8",
         [](RfcInstallation& i) {
             i.Profile("PRD.P00");
             i.Landscape(LockWaiterFailure("TraceLine=ERROR       Verbindung f\xC3\xBCr PRD\n"));
         },
         {"PRD"},
         ErrorDocumentText("Error 1014: RFC-Failure raised ! - Verbindung f&#252;r PRD"),
         2,
         Form::Xml},
        {"exception text with a control character and Latin-1",
         [](RfcInstallation& i) {
             i.Profile("PRD.P00");
             i.Landscape(SystemSection("PRD",
                                       "LockWaitersReceiveCode=2\nException=NOT\001F\xD6UND\n"
                                       "TraceLine=no pattern\n"));
         },
         {"PRD"},
         ErrorDocumentText("Error 1012: Exception.: NOT?F&#214;UND - Please Check Trace-File !"),
         2,
         Form::Xml},
        {"control character in the sensor name",
         [](RfcInstallation& i) {
             i.WriteInSensorFolder("SAP Vantorix.Gbl", "# GSNX: OTHER     : x\r\n");
         },
         {"GLOBAL", "LO\002CKS"},
         ErrorDocumentText("Error 1030: Global Sensor LO?CKS not found..."),
         2,
         Form::Xml},
        {"channel label that is not UTF-8",
         [](RfcInstallation& i) {
             i.Landscape(SystemSection("PRD"));
             i.Profile("PRD.P00", {.destination = "PR\xC4"});
             i.WriteInSensorFolder(
                 "SAP Vantorix.Gbl",
                 GlobalListing("PRD.P00#", "Item=No_of_Locks," + kOwnSensor + ",Sid"));
         },
         {"GLOBAL", "LOCKS"},
         "\n<Prtg>\n\n\n<Result><Channel>PR&#196;</Channel>\n<Value>5</Value></Result>\n" +
             Summary("No_of_Locks", 1, 1),
         0,
         Form::Xml},
        {"line end in the item, message form",
         [](RfcInstallation& i) {
             i.Settings("OutputMode=Brevanta\n");
             i.Landscape(SystemSection("PRD"));
             i.Write("Work/PRD.P00", ProfileText());
             i.Write("Work/Vantorix.Prf", "# Gsng: any 12 charsPRD.P00#\r\n");
         },
         {"x", "ITEM=No_of\nLocks"},
         "\n\n# (***) No_of?Locks: NoSystems=1, Processed=1, Failed=0 \n\n",
         0,
         Form::Lines},
        {"control characters in a channel label, message form",
         [](RfcInstallation& i) {
             i.Settings("OutputMode=Brevanta\n");
             i.Landscape(SystemSection("PRD"));
             i.Write("Work/PRD.P00", ProfileText({.destination = "P\r\001D"}));
             i.Write("Work/SAP Vantorix.Gbl",
                     GlobalListing("PRD.P00#", "Item=No_of_Locks," + kOwnSensor + ",Sid"));
         },
         {"GLOBAL", "LOCKS"},
         "\n\n\nMessage.P??D: P??D (#)\nStatistic.P??D: 5\n# (***) No_of_Locks: NoSystems=1, "
         "Processed=1, Failed=0 \n\n",
         0,
         Form::Lines},
        {"zero byte in the destination",
         [](RfcInstallation& i) {
             i.Landscape(SystemSection("PRD"));
             i.Profile("PRD.P00", {.destination = "PRD\0XY"s});
         },
         {"PRD"},
         kPrdResult,
         0,
         Form::Xml},
        {"zero byte leaves the destination too short",
         [](RfcInstallation& i) {
             i.Landscape(SystemSection("PRD"));
             i.Profile("PRD.P00", {.destination = "P\0D"s});
         },
         {"PRD"},
         ErrorDocumentText("Error 1003: Invalid Parameter(s) at PRD.P00 found..."),
         2,
         Form::Xml},
        {"zero byte in the user: the logon is for MON",
         [](RfcInstallation& i) {
             i.Landscape(SystemSection("PRD", "User=MON"));
             i.Profile("PRD.P00", {.user = "mon\0itor"s});
         },
         {"PRD"},
         kPrdResult,
         0,
         Form::Xml},
        {"zero byte in a systems line",
         [](RfcInstallation& i) {
             i.Landscape(SystemSection("PRD"));
             i.Profile("PRD.P00");
             i.Profile("QAS.P00");
             i.WriteInSensorFolder(
                 "SAP Vantorix.Gbl",
                 GlobalListing("PRD.P00#\0QAS.P00#"s, "Item=No_of_Locks," + kOwnSensor + ",Alias"));
         },
         {"GLOBAL", "LOCKS"},
         "\n<Prtg>\n\n\n<Result><Channel>PRD</Channel>\n<Value>5</Value></Result>\n" +
             Summary("No_of_Locks", 1, 1),
         0,
         Form::Xml},
        {"zero byte in the sensor's parameter line",
         [](RfcInstallation& i) {
             i.Landscape(SystemSection("PRD"));
             i.Profile("PRD.P00");
             i.WriteInSensorFolder(
                 "SAP Vantorix.Gbl",
                 GlobalListing("PRD.P00#", "Item=No_of_Locks," + kOwnSensor + "\0,Sid"s));
         },
         {"GLOBAL", "LOCKS"},
         "\n<Prtg>\n\n\n<Result><Channel>PRD.P00</Channel>\n<Value>5</Value></Result>\n" +
             Summary("No_of_Locks", 1, 1),
         0,
         Form::Xml},
        {"zero byte in a setting's value",
         [](RfcInstallation& i) {
             i.Settings("OutputMode=Kestrin\0junk\n"s);
             i.Landscape(SystemSection("PRD"));
             i.Write("Work/PRD.P00", ProfileText());
         },
         {"PRD"},
         "\n# (PRD) Oracle-Locks: No_of_Locks=5 \n> No_of_Locks: 5 #\n",
         0,
         Form::Lines},
    };
    for (const Row& row : rows) {
        RfcInstallation installation;
        row.prepare(installation);
        const platform::ChildResult result = installation.Run(row.arguments);
        EXPECT_EQ(result.output, AsStandardOutput(row.output)) << row.name;
        EXPECT_EQ(result.exitCode, row.exitCode) << row.name;
        if (row.form == Form::Xml) {
            EXPECT_EQ(XmlDocumentProblem(result.output), std::nullopt) << row.name;
        }
    }
}

}  // namespace
}  // namespace trevalunda::testing

// What PRTG can raise alarms on without manual set-up, against rfcsim: the limits of the lock
// channels and the summary channels of a multi-system run, in every form, and the settings
// that switch them on.

#include <gtest/gtest.h>

#include "e2e/rfc_installation.h"

namespace trevalunda::testing {
namespace {

const std::string kOwnSensor = "Sensor=\"SAP Trevalunda\"";

std::string XmlChannel(const std::string& name, const std::string& value,
                       const std::string& limits = "") {
    return "\n<Result><Channel>" + name + "</Channel>\n<Value>" + value + "</Value>" + limits +
           "</Result>\n";
}

std::string MessageChannel(const std::string& key, const std::string& value) {
    return "\n\nMessage." + key + ": " + key + " (#)\nStatistic." + key + ": " + value;
}

std::string LineChannel(const std::string& name, const std::string& value) {
    return "\n> " + name + ": " + value + " #";
}

const std::string kBothLimits =
    "\n<LimitMode>1</LimitMode>\n<LimitMaxWarning>5</LimitMaxWarning>"
    "\n<LimitMaxError>10</LimitMaxError>";
const std::string kUnmeasuredLimit = "\n<LimitMode>1</LimitMode>\n<LimitMaxError>0</LimitMaxError>";

const std::string kPrdText = "(PRD) Oracle-Locks: No_of_Locks=5 ";

// PRTG's mode finds profiles and listings in the custom-sensor folder and fails on any in its
// working folder; the front-end modes read them from their working folder. Each run gets the
// folder of its mode, with the landscape in both.
class PrtgAlarmsTest : public ::testing::Test {
  protected:
    PrtgAlarmsTest() {
        AddFile("PRD.P00", ProfileText());
        AddFile("QAS.P00", ProfileText({.destination = "QAS", .hostname = "sapqas"}));
        AddFile("DEV.P00", ProfileText({.destination = "DEV", .hostname = "sapdev"}));
        // A profile without a gateway service is faulty, yet its system is measured.
        AddFile("TST.P00",
                ProfileText({.destination = "TST", .hostname = "saptst", .gwservice = ""}));
        std::filesystem::create_directories(installation_.Drive() / "PrtgWork");
    }

    void AddFile(const std::string& name, const std::string& text) {
        installation_.WriteInSensorFolder(name, text);
        installation_.Write("Work/" + name, text);
    }

    void Landscape(const std::string& text) {
        installation_.Landscape(text);
        installation_.Write("PrtgWork/rfcsim.ini", text);
    }

    // The global listing of the sensor LOCKS; its parameter text replaces the command line's.
    void Listing(const std::string& systems, const std::string& parameters = "Item=No_of_Locks") {
        AddFile("SAP Vantorix.Gbl", "# GSNG: LOCKS     : " + systems + "\r\n# GSNX: LOCKS     : " +
                                        parameters + "," + kOwnSensor + ",Alias\r\n");
    }

    // Runs the sensor with the settings, in the working folder of its mode.
    platform::ChildResult Scan(const std::string& settings,
                               const std::vector<std::string>& arguments) {
        installation_.Settings(settings);
        const bool frontEnd = settings.find("OutputMode=") != std::string::npos;
        return installation_.RunIn(
            frontEnd ? installation_.WorkingFolder() : installation_.Drive() / "PrtgWork",
            arguments);
    }

    RfcInstallation installation_;
};

TEST_F(PrtgAlarmsTest, LockLimitsOfASingleSystemInEveryForm) {
    Landscape(SystemSection("PRD"));
    const std::string xmlOpening = "\n<Prtg>\n\n<Text>" + kPrdText + "</Text>\n";
    const std::string message = "\n# " + kPrdText + MessageChannel("No_of_Locks", "5") + "\n";
    const std::string line = "\n# " + kPrdText + LineChannel("No_of_Locks", "5") + "\n";
    struct Case {
        const char* name;
        std::string settings;
        std::vector<std::string> arguments;
        std::string output;
        int exitCode = 0;
    } cases[] = {
        {"no limits", "", {"PRD"}, xmlOpening + XmlChannel("No_of_Locks", "5") + "\n</Prtg>\n"},
        {"both limits",
         "LockWarning=5\nLockError=10\n",
         {"PRD"},
         xmlOpening + XmlChannel("No_of_Locks", "5", kBothLimits) + "\n</Prtg>\n"},
        {"warning alone, 0 allowed",
         "lockwarning=0\n",
         {"PRD"},
         xmlOpening +
             XmlChannel("No_of_Locks", "5",
                        "\n<LimitMode>1</LimitMode>\n<LimitMaxWarning>0</LimitMaxWarning>") +
             "\n</Prtg>\n"},
        {"error alone, leading zeros dropped",
         "LockError=0042\n",
         {"PRD"},
         xmlOpening +
             XmlChannel("No_of_Locks", "5",
                        "\n<LimitMode>1</LimitMode>\n<LimitMaxError>42</LimitMaxError>") +
             "\n</Prtg>\n"},
        {"Lumotex, the XML form",
         "OutputMode=Lumotex\nLockWarning=5\nLockError=10\n",
         {"PRD"},
         xmlOpening + XmlChannel("No_of_Locks", "5", kBothLimits) + "\n</Prtg>\n"},
        {"Brevanta without limits", "OutputMode=Brevanta\n", {"PRD"}, message},
        {"Brevanta ignores limits",
         "OutputMode=Brevanta\nLockWarning=5\nLockError=10\n",
         {"PRD"},
         message},
        {"Kestrin without limits", "OutputMode=Kestrin\n", {"PRD"}, line},
        {"Kestrin ignores limits",
         "OutputMode=Kestrin\nLockWarning=5\nLockError=10\n",
         {"PRD"},
         line},
        {"Kestrin's channel selection",
         "OutputMode=Kestrin\nLockError=1\n",
         {"PRD", "CH=1"},
         "5\n"},
        {"error document carries none",
         "LockWarning=5\nLockError=10\n",
         {"XXX"},
         ErrorDocumentText("Error 1002: Profile XXX.P00 is missing..."),
         2},
    };
    for (const Case& c : cases) {
        const platform::ChildResult result = Scan(c.settings, c.arguments);
        EXPECT_EQ(result.output, AsStandardOutput(c.output)) << c.name;
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name;
    }
}

TEST_F(PrtgAlarmsTest, LockLimitsOnEverySystemsChannelAndNowhereElse) {
    Landscape(SystemSection("PRD", "", 3) + SystemSection("QAS", "", 0));
    Listing("PRD.P00#QAS.P00#");
    const std::string summary = "(***) No_of_Locks: NoSystems=2, Processed=2, Failed=0 ";
    struct Case {
        const char* name;
        std::string settings;
        std::string output;
    } cases[] = {
        {"XML", "LockWarning=5\nLockError=10\n",
         "\n<Prtg>\n\n" + XmlChannel("PRD", "3", kBothLimits) +
             XmlChannel("QAS", "0", kBothLimits) + "\n<Text>" + summary + "</Text>\n\n</Prtg>\n\n"},
        {"XML with summary channels: only Unmeasured has a limit",
         "LockError=10\nSummaryChannels=Yes\n",
         "\n<Prtg>\n\n" +
             XmlChannel("PRD", "3",
                        "\n<LimitMode>1</LimitMode>\n<LimitMaxError>10</LimitMaxError>") +
             XmlChannel("QAS", "0",
                        "\n<LimitMode>1</LimitMode>\n<LimitMaxError>10</LimitMaxError>") +
             XmlChannel("Systems", "2") + XmlChannel("Processed", "2") + XmlChannel("Failed", "0") +
             XmlChannel("Unmeasured", "0", kUnmeasuredLimit) + "\n<Text>" + summary +
             "</Text>\n\n</Prtg>\n\n"},
        {"Brevanta", "OutputMode=Brevanta\nLockWarning=5\nLockError=10\n",
         "\n" + MessageChannel("PRD", "3") + MessageChannel("QAS", "0") + "\n# " + summary +
             "\n\n"},
        {"Kestrin", "OutputMode=Kestrin\nLockWarning=5\nLockError=10\n",
         "\n" + LineChannel("PRD", "3") + LineChannel("QAS", "0") + "\n# " + summary + "\n\n"},
    };
    for (const Case& c : cases) {
        const platform::ChildResult result = Scan(c.settings, {"GLOBAL", "LOCKS"});
        EXPECT_EQ(result.output, AsStandardOutput(c.output)) << c.name;
        EXPECT_EQ(result.exitCode, 0) << c.name;
    }
}

// PRD is measured; QAS's logon fails; DEV's lock-waiter call fails; XXX has no profile; TST's
// profile is faulty, yet TST is measured: it has its value and counts as failed.
TEST_F(PrtgAlarmsTest, SummaryChannelsCountTheSystemsWithoutAValue) {
    Landscape(SystemSection("PRD", "", 3) + SystemSection("QAS", "Password=changed", 0) +
              SystemSection("DEV", "LockWaitersReceiveCode=1", 2) + SystemSection("TST", "", 1));
    const std::string summary = "(***) No_of_Locks: NoSystems=5, Processed=1, Failed=3 ";
    struct Case {
        const char* name;
        std::string settings;
        std::string listingParameters;
        std::string output;
    } cases[] = {
        {"XML", "SummaryChannels=Yes\n", "Item=No_of_Locks",
         "\n<Prtg>\n\n" + XmlChannel("PRD", "3") + XmlChannel("TST", "1") +
             XmlChannel("Systems", "5") + XmlChannel("Processed", "1") + XmlChannel("Failed", "3") +
             XmlChannel("Unmeasured", "3", kUnmeasuredLimit) + "\n<Text>" + summary +
             "</Text>\n\n</Prtg>\n\n"},
        {"Morvale, the XML form, settings in any letter case",
         "OutputMode=Morvale\nsummarychannels=YES\n", "Item=No_of_Locks",
         "\n<Prtg>\n\n" + XmlChannel("PRD", "3") + XmlChannel("TST", "1") +
             XmlChannel("Systems", "5") + XmlChannel("Processed", "1") + XmlChannel("Failed", "3") +
             XmlChannel("Unmeasured", "3", kUnmeasuredLimit) + "\n<Text>" + summary +
             "</Text>\n\n</Prtg>\n\n"},
        {"Brevanta", "OutputMode=Brevanta\nSummaryChannels=Yes\n", "Item=No_of_Locks",
         "\n" + MessageChannel("PRD", "3") + MessageChannel("TST", "1") +
             MessageChannel("Systems", "5") + MessageChannel("Processed", "1") +
             MessageChannel("Failed", "3") + MessageChannel("Unmeasured", "3") + "\n# " + summary +
             "\n\n"},
        {"Kestrin", "OutputMode=Kestrin\nSummaryChannels=Yes\n", "Item=No_of_Locks",
         "\n" + LineChannel("PRD", "3") + LineChannel("TST", "1") + LineChannel("Systems", "5") +
             LineChannel("Processed", "1") + LineChannel("Failed", "3") +
             LineChannel("Unmeasured", "3") + "\n# " + summary + "\n\n"},
        {"Kestrin selects Unmeasured, the sixth channel",
         "OutputMode=Kestrin\nSummaryChannels=Yes\n", "CH=6 Item=No_of_Locks", "\n3\n\n"},
        {"switched off", "SummaryChannels=no\n", "Item=No_of_Locks",
         "\n<Prtg>\n\n" + XmlChannel("PRD", "3") + XmlChannel("TST", "1") + "\n<Text>" + summary +
             "</Text>\n\n</Prtg>\n\n"},
    };
    for (const Case& c : cases) {
        Listing("PRD.P00#QAS.P00#DEV.P00#XXX.P00#TST.P00#", c.listingParameters);
        const platform::ChildResult result = Scan(c.settings, {"GLOBAL", "LOCKS"});
        EXPECT_EQ(result.output, AsStandardOutput(c.output)) << c.name;
        EXPECT_EQ(result.exitCode, 0) << c.name;
    }
}

// The message form writes ten channels at most: the summary channels are counted on after the
// systems' and dropped beyond the tenth like any other.
TEST_F(PrtgAlarmsTest, MessageFormStopsAtTenChannels) {
    Landscape(SystemSection("PRD", "", 3));
    std::string systems;
    std::string channels;
    for (int i = 0; i < 7; ++i) {
        systems += "PRD.P00#";
        channels += MessageChannel("PRD", "3");
    }
    Listing(systems + "XXX.P00#");
    const platform::ChildResult result =
        Scan("OutputMode=Brevanta\nSummaryChannels=Yes\n", {"GLOBAL", "LOCKS"});
    EXPECT_EQ(result.output,
              AsStandardOutput("\n" + channels + MessageChannel("Systems", "8") +
                               MessageChannel("Processed", "7") + MessageChannel("Failed", "0") +
                               "\n# (***) No_of_Locks: NoSystems=8, Processed=7, Failed=0 \n\n"));
    EXPECT_EQ(result.exitCode, 0);
}

TEST_F(PrtgAlarmsTest, OtherItemsGetNoSummaryChannels) {
    Landscape(SystemSection("PRD", "", 3));
    Listing("PRD.P00#XXX.P00#", "Item=Other");
    EXPECT_EQ(Scan("SummaryChannels=Yes\nLockError=1\n", {"GLOBAL", "LOCKS"}).output,
              AsStandardOutput("\n<Prtg>\n\n\n<Text>(***) Other: NoSystems=2, Processed=1, "
                               "Failed=0 </Text>\n\n</Prtg>\n\n"));
}

// The settings file names rfcsim in its first line, so a setting of the test is on line 2.
TEST_F(PrtgAlarmsTest, SettingsThatAreRefused) {
    struct Case {
        std::string line;
        std::string message;
    } cases[] = {
        {"LockWarning=-1", "Error 1044: Invalid LockWarning -1"},
        {"LockWarning=ten", "Error 1044: Invalid LockWarning ten"},
        {"LockWarning=", "Error 1044: Invalid LockWarning "},
        {"LockWarning=4294967296", "Error 1044: Invalid LockWarning 4294967296"},
        {"LockError=+3", "Error 1045: Invalid LockError +3"},
        {"lockerror = 2.5", "Error 1045: Invalid LockError 2.5"},
        {"LockError=1 0", "Error 1045: Invalid LockError 1 0"},
        {"SummaryChannels=true", "Error 1046: Invalid SummaryChannels true"},
        {"SummaryChannels=", "Error 1046: Invalid SummaryChannels "},
        {"Credentials=Prtg", "Error 1048: Invalid Credentials Prtg"},
        {"CREDENTIALS=windows", "Error 1048: Invalid Credentials windows"},
    };
    for (const Case& c : cases) {
        const platform::ChildResult result = Scan(c.line + "\n", {"PRD"});
        EXPECT_EQ(result.output, ErrorDocumentFor(c.message + " in trevalunda.ini line 2..."))
            << c.line;
        EXPECT_EQ(result.exitCode, 2) << c.line;
    }
}

}  // namespace
}  // namespace trevalunda::testing

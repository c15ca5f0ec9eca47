// The run's deadline against both stand-ins: a system that hangs in a step still gets an answer
// in time that names the system and the step, and a run without a hang is unchanged.

#include <gtest/gtest.h>

#include <chrono>

#include "e2e/rfc_installation.h"

namespace trevalunda::testing {
namespace {

const std::string kOwnSensor = "Sensor=\"SAP Trevalunda\"";

std::string Channel(const std::string& name, const std::string& value) {
    return "\n<Result><Channel>" + name + "</Channel>\n<Value>" + value + "</Value></Result>\n";
}

class DeadlineTest : public ::testing::TestWithParam<RfcKind> {
  protected:
    DeadlineTest() : installation_(GetParam()) {
        installation_.Settings("Timeout=1\n");
        installation_.Profile("PRD.P00");
    }

    // Runs the sensor and checks that it answered within the deadline and a little more: the
    // process must end even though the library call it waits for never returns.
    platform::ChildResult RunInTime(const std::vector<std::string>& arguments) {
        const auto started = std::chrono::steady_clock::now();
        platform::ChildResult result = installation_.Run(arguments);
        const auto took = std::chrono::steady_clock::now() - started;
        EXPECT_LT(took, std::chrono::seconds(5)) << "the run waited for the library";
        return result;
    }

    RfcInstallation installation_;
};

INSTANTIATE_TEST_SUITE_P(BothLibraries, DeadlineTest,
                         ::testing::Values(RfcKind::Classic, RfcKind::NetWeaver), KindName);

TEST_P(DeadlineTest, HangingStepIsNamed) {
    struct Case {
        std::string hang;
        std::string message;
    } cases[] = {
        {"logon", "Error 1060: PRD did not answer within 1 s (logon)..."},
        {"RFC_SYSTEM_INFO", "Error 1060: PRD did not answer within 1 s (RFC_SYSTEM_INFO)..."},
        {"S_DB_EXCLUSIVE_LOCK_WAITERS",
         "Error 1060: PRD did not answer within 1 s (S_DB_EXCLUSIVE_LOCK_WAITERS)..."},
        {"close", "Error 1060: The run did not end within 1 s..."},
    };
    for (const Case& c : cases) {
        installation_.Landscape(SystemSection("PRD", "Hang=" + c.hang + "\nHangSeconds=600"));
        const platform::ChildResult result = RunInTime({"PRD", ",SYSLOG"});
        EXPECT_EQ(result.output, ErrorDocumentFor(c.message)) << c.hang;
        EXPECT_EQ(result.exitCode, 2) << c.hang;
        const std::string log = installation_.ReadWorking("trevalunda.log");
        EXPECT_TRUE(log.ends_with("0 " + c.message + " \n")) << c.hang << "\n" << log;
    }
}

TEST_P(DeadlineTest, MultiSystemRunKeepsTheChannelsMeasured) {
    installation_.Landscape(SystemSection("PRD", "", 3) +
                            SystemSection("QAS", "Hang=S_DB_EXCLUSIVE_LOCK_WAITERS", 0));
    installation_.Profile("QAS.P00", {.destination = "QAS", .hostname = "sapqas"});
    const std::string listing =
        "# GSNG: LOCKS     : PRD.P00#QAS.P00#\r\n"
        "# GSNX: LOCKS     : Item=No_of_Locks," +
        kOwnSensor + ",Alias\r\n";
    installation_.WriteInSensorFolder("SAP Vantorix.Gbl", listing);
    // The front-end modes read the listing from the folder given with its name.
    const std::string inTheSensorFolder =
        "\\Program Files\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\GLOBAL";
    const std::string message =
        "Error 1060: QAS did not answer within 1 s (S_DB_EXCLUSIVE_LOCK_WAITERS)...";
    struct Case {
        std::string mode;
        std::string listing;
        std::string output;
    } cases[] = {
        {"EXEXML", "GLOBAL",
         "\n<Prtg>\n\n" + Channel("PRD", "3") + "<Error>1</Error>\n<Text>" + message +
             "</Text>\n</Prtg>\n"},
        {"Brevanta", inTheSensorFolder,
         "\n\n\nMessage.PRD: PRD (#)\nStatistic.PRD: 3" + ErrorDocumentText(message)},
        {"Kestrin", inTheSensorFolder, "\n\n> PRD: 3 #" + ErrorDocumentText(message)},
    };
    for (const Case& c : cases) {
        installation_.Settings("Timeout=1\nOutputMode=" + c.mode + "\n");
        const platform::ChildResult result = RunInTime({c.listing, "LOCKS"});
        EXPECT_EQ(result.output, AsStandardOutput(c.output)) << c.mode;
        EXPECT_EQ(result.exitCode, 2) << c.mode;
    }
}

TEST_P(DeadlineTest, RunWithoutAHangIsUnchanged) {
    installation_.Landscape(SystemSection("PRD"));
    const std::string result =
        "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n\n<Result><Channel>"
        "No_of_Locks</Channel>\n<Value>5</Value></Result>\n\n</Prtg>\n";
    for (const char* settings : {"Timeout=1\n", "Timeout=0\n", ""}) {
        installation_.Settings(settings);
        const platform::ChildResult run = installation_.Run({"PRD"});
        EXPECT_EQ(run.output, AsStandardOutput(result)) << settings;
        EXPECT_EQ(run.exitCode, 0) << settings;
    }
    installation_.Settings("timeout=60s\n");
    EXPECT_EQ(installation_.Run({"PRD"}).output,
              ErrorDocumentFor("Error 1043: Invalid Timeout 60s in trevalunda.ini line 2..."));
}

}  // namespace
}  // namespace trevalunda::testing

#include "tool/diagnose_command.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/fake_rfc_client.h"
#include "support/profiles.h"
#include "support/tool_harness.h"

namespace trevalunda::tool {
namespace {

using testing::FakeSystem;

const std::string kSensorFolder = "\\Program Files\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\";

// The diagnose command over files in memory, with the fake RFC client in place of a library.
struct DiagnoseWorld {
    DiagnoseWorld() {
        harness_.files.Add(kSensorFolder + "PRD.P00", testing::ProfileText());
        landscape_.systems["PRD"] = FakeSystem{};
        harness_.services.sensorServices = [this](platform::FileSystem& files,
                                                  platform::OutputSink& out) {
            return RunServices{files,
                               out,
                               [] { return std::string("12:00:00"); },
                               kSensorFolder + "trevalunda-profile.exe",
                               [this](const std::string&, RunLog&, platform::OutputSink&) {
                                   return openLibrary_();
                               },
                               [](int) { ADD_FAILURE() << "the run's deadline passed"; }};
        };
    }

    ToolExit Diagnose(const std::vector<std::string>& arguments) {
        return RunDiagnose(arguments, harness_.services);
    }
    std::string Output() const { return harness_.out.str(); }

    testing::ToolHarness harness_;
    testing::FakeLandscape landscape_;
    std::function<Result<std::unique_ptr<RfcClient>>()> openLibrary_ = [this] {
        auto client = std::make_unique<testing::FakeRfcClient>(landscape_);
        client->SetLibraryName("librfc32.dll");
        return Result<std::unique_ptr<RfcClient>>(std::move(client));
    };
};

TEST(DiagnoseTest, NamesTheFirstFailingStepAndWhatToDo) {
    struct Case {
        std::string name;
        std::function<void(DiagnoseWorld&)> arrange;
        std::string stepLine;
        std::string remedy;
    } cases[] = {
        {"no profile", [](DiagnoseWorld& t) { t.harness_.files.Remove(kSensorFolder + "PRD.P00"); },
         "Profile........: Error 1002: Profile PRD.P00 is missing...",
         "put PRD.P00 into PRTG's custom-sensor folder beside the sensor, or name the folder "
         "above it in C:\\PRTG_Path.Txt"},
        {"settings error",
         [](DiagnoseWorld& t) {
             t.harness_.files.Add(kSensorFolder + "trevalunda.ini", "Timeout=x\n");
         },
         "Settings.......: " + kSensorFolder + "trevalunda.ini: Error 1043:",
         "mend the line of the settings file that the message names (trevalunda.ini.example "
         "shows every setting)"},
        {"32-bit library",
         [](DiagnoseWorld& t) {
             t.openLibrary_ = [] {
                 return Result<std::unique_ptr<RfcClient>>(
                     Fatal{"Error 1050: RFC library librfc32.dll cannot be loaded (a 32-bit "
                           "library; the sensor needs a 64-bit one)..."});
             };
         },
         "Library........: Error 1050: RFC library librfc32.dll cannot be loaded (a 32-bit",
         "install the 64-bit RFC library; the sensor is a 64-bit program"},
        {"wrong password",
         [](DiagnoseWorld& t) {
             t.landscape_.systems["PRD"].reachable = false;
             t.landscape_.failureDescription =
                 "error record: message Name or password is incorrect";
         },
         "Logon..........: failed: error record: message Name or password is incorrect",
         "check User, and store the password again with trevalunda-profile encode (with "
         "Credentials=PrtgLinux or PrtgWindows: the device's credentials in PRTG)"},
        {"host not reached",
         [](DiagnoseWorld& t) {
             t.landscape_.systems["PRD"].reachable = false;
             t.landscape_.systems["PRD"].logonReason = "partner not reached";
             t.landscape_.failureDescription = "error info: partner not reached";
         },
         "Logon..........: failed: error info: partner not reached",
         "check Host and Sysnr in the profile (or ,HOST= and ,NO= of the parameters) and the "
         "network between the probe and the system"},
        {"not Oracle",
         [](DiagnoseWorld& t) { t.landscape_.systems["PRD"].identity.databaseSystem = "MSSQL"; },
         "Database.......: MSSQL on host hsys: not Oracle, which the sensor measures alone",
         "the sensor measures systems on Oracle only: point the profile at an Oracle system"},
        {"lock call failure",
         [](DiagnoseWorld& t) {
             t.landscape_.systems["PRD"].locks = {2, "Error 1012: Exception.: NOT_FOUND", 0};
         },
         "Lock waiters...: Error 1012: Exception.: NOT_FOUND: error record: message the "
         "library's reason",
         "give the monitoring user the authorization to call S_DB_EXCLUSIVE_LOCK_WAITERS "
         "remotely (authorization object S_RFC)"},
        {"library error",
         [](DiagnoseWorld& t) { t.landscape_.systems["PRD"].libraryErrorAt = "identity"; },
         "Library error..: RfcCall RFC_SYSTEM_INFO failed inside the library",
         "the RFC library failed inside (its report is in the document): install a 64-bit "
         "classic or NetWeaver RFC library that fits the sensor"},
    };
    for (const Case& c : cases) {
        DiagnoseWorld test;
        c.arrange(test);
        EXPECT_EQ(test.Diagnose({"PRD"}), ToolExit::Refused) << c.name;
        const std::string output = test.Output();
        EXPECT_NE(output.find("\n" + c.stepLine), std::string::npos) << c.name << "\n" << output;
        EXPECT_TRUE(output.ends_with("What to do.....: " + c.remedy + "\n")) << c.name << "\n"
                                                                             << output;
        EXPECT_EQ(output.find("Result."), std::string::npos) << c.name;
    }
}

TEST(DiagnoseTest, ReportsEveryStepOfASuccessfulScan) {
    DiagnoseWorld world;
    EXPECT_EQ(world.Diagnose({"PRD", ",HOST=sapalt"}), ToolExit::Success);
    const std::string folder = kSensorFolder;
    EXPECT_EQ(world.Output(),
              "Sensor.........: " + folder + "trevalunda.exe\n" + "Settings.......: no " + folder +
                  "trevalunda.ini, so the defaults apply\n"
                  "Profile search.: C:\\PRTG_Path.Txt: not there, so the working folder is next\n"
                  "Profile search.: PRD.P00 in the working folder: not there\n"
                  "Profile search.: \\Programme\\PRTG Network Monitor\\Custom "
                  "Sensors\\ExeXml\\PRD.P00: not there\n"
                  "Profile search.: " +
                  folder + "PRD.P00: found\n" + "Profile........: " + folder +
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
                  "Logon data.....: PRD, client 100, host sapalt, system number 00\n"
                  "Library........: librfc32.dll, the classic RFC library\n"
                  "Logon..........: done\n"
                  "Database.......: ORACLE on host hsys\n"
                  "Lock waiters...: 5\n"
                  "Files..........: the sensor changed none\n"
                  "Exit code......: 0\n"
                  "Document.......: what the sensor prints follows\n"
                  "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n"
                  "\n<Result><Channel>No_of_Locks</Channel>\n<Value>5</Value></Result>\n"
                  "\n</Prtg>\n"
                  "Result.........: the scan succeeds\n");
}

TEST(DiagnoseTest, AsksTheLibraryAboutAFailedLogonBeforeTheRunGoesOn) {
    DiagnoseWorld world;
    world.landscape_.systems["PRD"].reachable = false;
    EXPECT_EQ(world.Diagnose({"PRD"}), ToolExit::Refused);
    EXPECT_EQ(world.landscape_.calls,
              (std::vector<std::string>{"LogOn PRD sapprd", "DescribeLastFailure"}));
}

TEST(DiagnoseTest, ShowsCredentialsFromPrtgAsTheirVariables) {
    DiagnoseWorld world;
    world.harness_.files.Add(kSensorFolder + "trevalunda.ini", "Credentials=PrtgLinux\n");
    EXPECT_EQ(world.Diagnose({"PRD"}), ToolExit::Refused);
    const std::string output = world.Output();
    EXPECT_NE(output.find("Profile fields.: Error 1008"), std::string::npos) << output;
    EXPECT_TRUE(output.ends_with(
        "What to do.....: switch on \"Set placeholders as environment values\" in the sensor's "
        "settings in PRTG and give the device its Linux credentials\n"))
        << output;
}

TEST(DiagnoseTest, RefusesListings) {
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{},
         "trevalunda-profile: diagnose needs a PROFILE (see trevalunda-profile diagnose --help)\n"},
        {{"GLOBAL"},
         "trevalunda-profile: diagnose serves one system; SAP Vantorix.Gbl is a listing "
         "(trevalunda-profile listing explains it)\n"},
        {{"PRD", ",ITEM=LOCKS"},
         "trevalunda-profile: diagnose serves one system; Vantorix.Prf is a listing "
         "(trevalunda-profile listing explains it)\n"},
    };
    for (const Case& c : cases) {
        DiagnoseWorld test;
        EXPECT_EQ(test.Diagnose(c.arguments), ToolExit::Failure);
        EXPECT_EQ(test.harness_.err.str(), c.message);
        EXPECT_EQ(test.Output(), "");
    }
}

TEST(SensorBesideToolTest, KeepsTheFolderAndTheExtension) {
    EXPECT_EQ(SensorBesideTool("C:\\x\\trevalunda-profile.exe"), "C:\\x\\trevalunda.exe");
    EXPECT_EQ(SensorBesideTool("/opt/prtg/trevalunda-profile"), "/opt/prtg/trevalunda");
    EXPECT_EQ(SensorBesideTool("trevalunda-profile"), "trevalunda");
}

}  // namespace
}  // namespace trevalunda::tool

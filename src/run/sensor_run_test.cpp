#include "run/sensor_run.h"

#include <gtest/gtest.h>

#include <map>

#include "support/fake_file_system.h"
#include "support/fake_rfc_client.h"
#include "support/profiles.h"

namespace trevalunda {
namespace {

using testing::FakeLandscape;
using testing::FakeSystem;

const std::string kSensorFolder = "\\Program Files\\PRTG Network Monitor\\Custom Sensors\\ExeXml\\";
const std::string kOpening = "\n<Prtg>\n\n";

std::string Channel(const std::string& name, const std::string& value) {
    return "\n<Result><Channel>" + name + "</Channel>\n<Value>" + value + "</Value></Result>\n";
}

// A run of the sensor over files in memory and the fake RFC client: no library is loaded.
class SensorRunTest : public ::testing::Test {
  protected:
    SensorRunTest() {
        files_.Add(kSensorFolder + "PRD.P00", testing::ProfileText());
        files_.Add(kSensorFolder + "QAS.P00",
                   testing::ProfileText({.destination = "QAS", .hostname = "sapqas"}));
        files_.Add(kSensorFolder + "SAP Vantorix.Gbl",
                   "# GSNG: LOCKS     : PRD.P00#QAS.P00#\r\n"
                   "# GSNX: LOCKS     : Item=No_of_Locks,Sensor=\"SAP Trevalunda\",Alias\r\n");
        landscape_.systems["PRD"] = FakeSystem{};
        landscape_.systems["QAS"] = FakeSystem{};
        landscape_.systems["QAS"].locks.count = 0;
    }

    ExitCode Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "trevalunda");
        RunServices services{files_,
                             out_,
                             [] { return std::string("12:00:00"); },
                             kSensorFolder + "trevalunda.exe",
                             [this](const std::string&, RunLog&, platform::OutputSink&) {
                                 ++landscape_.clientsOpened;
                                 return Result<std::unique_ptr<RfcClient>>(
                                     std::make_unique<testing::FakeRfcClient>(landscape_));
                             },
                             [](int) { ADD_FAILURE() << "the run's deadline passed"; }};
        services.environment = [this](std::string_view name) -> std::optional<std::string> {
            lookedUp_.emplace_back(name);
            const auto found = environment_.find(std::string(name));
            if (found == environment_.end()) {
                return std::nullopt;
            }
            return found->second;
        };
        return SensorRun(services, std::move(arguments)).Execute();
    }

    testing::FakeFileSystem files_;
    platform::StringSink out_;
    FakeLandscape landscape_;
    std::map<std::string, std::string> environment_;
    std::vector<std::string> lookedUp_;  // the variables the run asked for
};

TEST_F(SensorRunTest, MeasuresOneSystem) {
    files_.Add("Dev_Rfc.Trc", "old trace");
    EXPECT_EQ(Run({"PRD"}), ExitCode::Success);
    EXPECT_EQ(out_.Text(), "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n" +
                               Channel("No_of_Locks", "5") + "\n</Prtg>\n");
    EXPECT_EQ(landscape_.calls, (std::vector<std::string>{"LogOn PRD sapprd", "AskIdentity",
                                                          "CountLockWaiters", "Close"}));
    EXPECT_FALSE(files_.Has("Dev_Rfc.Trc"));
}

TEST_F(SensorRunTest, CredentialsFromPrtgReachTheLogon) {
    environment_ = {{"prtg_windowsuser", "prtgMon"},
                    {"prtg_windowspassword", "Pw 1"},
                    {"prtg_linuxuser", "linux"},
                    {"prtg_linuxpassword", "linux pw"}};
    struct Case {
        const char* name;
        std::string settings;
        std::vector<std::string> arguments;
        std::vector<std::string> lookedUp;
        std::string user;
        std::string password;
    } cases[] = {
        {"Windows pair",
         "Credentials=PrtgWindows",
         {"PRD"},
         {"prtg_windowsuser", "prtg_windowspassword"},
         "PRTGMON",
         "Pw 1"},
        {"Linux pair",
         "Credentials=PrtgLinux",
         {"PRD"},
         {"prtg_linuxuser", "prtg_linuxpassword"},
         "LINUX",
         "linux pw"},
        {"the profile's", "Credentials=Profile", {"PRD"}, {}, "MONITOR", "secret"},
        {"a multi-system run keeps the profiles'",
         "Credentials=PrtgWindows",
         {"GLOBAL", "LOCKS"},
         {},
         "MONITOR",
         "secret"},
    };
    for (const Case& c : cases) {
        files_.Add(kSensorFolder + "trevalunda.ini", c.settings + "\r\n");
        lookedUp_.clear();
        landscape_.logons.clear();
        EXPECT_EQ(Run(c.arguments), ExitCode::Success) << c.name << ": " << out_.Text();
        EXPECT_EQ(lookedUp_, c.lookedUp) << c.name;
        ASSERT_FALSE(landscape_.logons.empty()) << c.name;
        for (const LogonData& logon : landscape_.logons) {
            EXPECT_EQ(logon.user, c.user) << c.name;
            EXPECT_EQ(logon.password, c.password) << c.name;
        }
    }
}

TEST_F(SensorRunTest, FailuresOfOneSystemEndTheRun) {
    struct Case {
        const char* name;
        void (*arrange)(FakeSystem& system);
        std::string message;
        std::vector<std::string> calls;
    } cases[] = {
        {"logon",
         [](FakeSystem& s) { s.reachable = false; },
         "Error 1011: RFC-Open for PRD failed !",
         {"LogOn PRD sapprd"}},
        {"logon with the library's reason",
         [](FakeSystem& s) {
             s.reachable = false, s.logonReason = "Name or password is incorrect";
         },
         "Error 1011: RFC-Open for PRD failed ! - Name or password is incorrect",
         {"LogOn PRD sapprd"}},
        {"identity call",
         [](FakeSystem& s) {
             s.identity = {1, "Error 1014: RFC-Failure raised !", "", ""};
         },
         "Error 1014: RFC-Failure raised ! - finding",
         {"LogOn PRD sapprd", "AskIdentity", "FailureFinding", "Close"}},
        {"not Oracle",
         [](FakeSystem& s) { s.identity.databaseSystem = "MSSQL"; },
         "Error 1018: DataBase mismatch !",
         {"LogOn PRD sapprd", "AskIdentity", "Close"}},
        {"lock waiters",
         [](FakeSystem& s) {
             s.locks = {2, "Error 1012: Exception.: NOT_FOUND", 0};
         },
         "Error 1012: Exception.: NOT_FOUND - finding",
         {"LogOn PRD sapprd", "AskIdentity", "CountLockWaiters", "Close", "FailureFinding"}},
    };
    for (const Case& c : cases) {
        out_ = {};
        landscape_.calls.clear();
        landscape_.systems["PRD"] = FakeSystem{};
        c.arrange(landscape_.systems["PRD"]);
        files_.Add("Dev_Rfc.Trc", "trace");
        EXPECT_EQ(Run({"PRD"}), ExitCode::Fatal) << c.name;
        EXPECT_EQ(out_.Text(),
                  "<Prtg>\n<Error>1</Error>\n<Text>" + c.message + "</Text>\n</Prtg>\n")
            << c.name;
        EXPECT_EQ(landscape_.calls, c.calls) << c.name;
        EXPECT_TRUE(files_.Has("Dev_Rfc.Trc")) << c.name;
    }
}

TEST_F(SensorRunTest, FailedLogonCountsAndTheNextSystemIsMeasured) {
    landscape_.systems["PRD"].reachable = false;
    EXPECT_EQ(Run({"GLOBAL", "LOCKS"}), ExitCode::Success);
    EXPECT_EQ(out_.Text(), kOpening + Channel("QAS", "0") +
                               "\n<Text>(***) No_of_Locks: NoSystems=2, Processed=1, Failed=1 "
                               "</Text>\n\n</Prtg>\n\n");
    EXPECT_EQ(landscape_.calls,
              (std::vector<std::string>{"LogOn PRD sapprd", "LogOn QAS sapqas", "AskIdentity",
                                        "CountLockWaiters", "Close"}));
    EXPECT_EQ(landscape_.clientsOpened, 1) << "one client serves every system";
}

TEST_F(SensorRunTest, LibraryErrorAfterTheFirstChannelEndsWithTheLibrarysReport) {
    landscape_.systems["QAS"].libraryErrorAt = "locks";
    EXPECT_EQ(Run({"GLOBAL", "LOCKS"}), ExitCode::RfcError);
    EXPECT_EQ(out_.Text(), kOpening + Channel("PRD", "5") +
                               "RFC error\noperation/code  : ItCreate EXCLUSIVE_LOCK_WAITERS\n");
    EXPECT_EQ(landscape_.calls.back(), "PrintErrorReport") << "the connection stays for the report";
}

TEST_F(SensorRunTest, FailedIdentityCheckCompletesTheOpenDocument) {
    landscape_.systems["QAS"].identity.databaseSystem = "DB6";
    EXPECT_EQ(Run({"GLOBAL", "LOCKS"}), ExitCode::Fatal);
    EXPECT_EQ(out_.Text(), kOpening + Channel("PRD", "5") +
                               "<Error>1</Error>\n<Text>Error 1018: DataBase mismatch !</Text>\n"
                               "</Prtg>\n");
}

TEST_F(SensorRunTest, NoLibraryIsOpenedWithoutAProfileToServe) {
    files_.Add(kSensorFolder + "SAP Vantorix.Gbl",
               "# GSNG: LOCKS     : XXX.P00#\r\n"
               "# GSNX: LOCKS     : Item=No_of_Locks,Sensor=\"SAP Trevalunda\"\r\n");
    EXPECT_EQ(Run({"GLOBAL", "LOCKS"}), ExitCode::Success);
    EXPECT_EQ(landscape_.clientsOpened, 0);
}

}  // namespace
}  // namespace trevalunda

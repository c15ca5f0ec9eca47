// Logon user and password from PRTG's environment variables instead of the profile, against
// rfcsim: each pair of variables, the failure without them, PRTG's values winning over the
// profile's, multi-system runs keeping the profiles', and the password reaching the library
// alone.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "e2e/rfc_installation.h"

namespace trevalunda::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPrtgPassword = "Prtg-Secret-42";
constexpr const char* kNoCredentials =
    "Error 1008: No credentials from PRTG: switch on 'Set placeholders as environment values' in "
    "the sensor's settings and fill the device's credentials...";

const std::string kPrdResult =
    "\n<Prtg>\n\n<Text>(PRD) Oracle-Locks: No_of_Locks=5 </Text>\n\n<Result><Channel>"
    "No_of_Locks</Channel>\n<Value>5</Value></Result>\n\n</Prtg>\n";

// A profile text without its "User.......:" and "Password...:" lines.
std::string WithoutCredentials(const std::string& profile) {
    std::string text;
    std::size_t start = 0;
    while (start < profile.size()) {
        const std::size_t end = profile.find('\n', start) + 1;
        const std::string line = profile.substr(start, end - start);
        if (!line.starts_with("User.......:") && !line.starts_with("Password...:")) {
            text += line;
        }
        start = end;
    }
    return text;
}

Environment Windows(const std::string& user, const std::string& password) {
    return {{"prtg_windowsuser", user}, {"prtg_windowspassword", password}};
}

Environment Linux(const std::string& user, const std::string& password) {
    return {{"prtg_linuxuser", user}, {"prtg_linuxpassword", password}};
}

// PRD accepts only PRTG's user and password; the profile PRD.P00 has other ones (MONITOR,
// "secret"), the profile NOC.P00 for the same system none.
class PrtgCredentialsTest : public ::testing::Test {
  protected:
    PrtgCredentialsTest() {
        installation_.Landscape(
            SystemSection("PRD", std::string("User=prtgmon\nPassword=") + kPrtgPassword + "\n"));
        installation_.Profile("PRD.P00");
        installation_.WriteInSensorFolder("NOC.P00", WithoutCredentials(ProfileText()));
    }

    RfcInstallation installation_;
};

TEST_F(PrtgCredentialsTest, LogonWithTheSelectedPairOfVariables) {
    const std::string prtgMon = "user=\"PRTGMON     \" password=\"**************\"";
    struct Case {
        const char* name;
        std::string settings;
        std::string profile;
        Environment environment;
        std::string output;
        int exitCode;
    } cases[] = {
        {"Windows pair, profile without credentials", "Credentials=PrtgWindows", "NOC",
         Windows("prtgmon", kPrtgPassword), kPrdResult, 0},
        {"Linux pair, in any letter case of the word", "credentials=prtglinux", "NOC",
         Linux("PrtgMon", kPrtgPassword), kPrdResult, 0},
        {"PRTG's values win over the profile's", "Credentials=PrtgWindows", "PRD",
         Windows("prtgmon", kPrtgPassword), kPrdResult, 0},
        {"the other pair does not count", "Credentials=PrtgLinux", "NOC",
         Windows("prtgmon", kPrtgPassword), ErrorDocumentText(kNoCredentials), 2},
        {"neither variable",
         "Credentials=PrtgWindows",
         "NOC",
         {},
         ErrorDocumentText(kNoCredentials),
         2},
        {"user alone",
         "Credentials=PrtgWindows",
         "PRD",
         {{"prtg_windowsuser", "prtgmon"}},
         ErrorDocumentText(kNoCredentials),
         2},
        {"password alone",
         "Credentials=PrtgWindows",
         "PRD",
         {{"prtg_windowspassword", kPrtgPassword}},
         ErrorDocumentText(kNoCredentials),
         2},
        {"empty variables, as PRTG passes unfilled credentials", "Credentials=PrtgWindows", "NOC",
         Windows("", ""), ErrorDocumentText(kNoCredentials), 2},
        {"a wrong password from PRTG", "Credentials=PrtgWindows", "NOC",
         Windows("prtgmon", "Wrong-Secret-99"),
         ErrorDocumentText("Error 1011: RFC-Open for PRD failed !"), 2},
        {"the profile's by default, the variables unread", "", "PRD",
         Windows("prtgmon", kPrtgPassword),
         ErrorDocumentText("Error 1011: RFC-Open for PRD failed !"), 2},
        {"the profile must then give them", "Credentials=Profile", "NOC",
         Windows("prtgmon", kPrtgPassword),
         ErrorDocumentText("Error 1006: Username in Profile NOC.P00 is missing..."), 2},
        {"the profile's other faults come first",
         "Credentials=PrtgWindows",
         "BAD",
         {},
         ErrorDocumentText("Error 1003: Invalid Parameter(s) at BAD.P00 found..."),
         2},
    };
    installation_.WriteInSensorFolder("BAD.P00", WithoutCredentials(ProfileText({.client = "1"})));
    for (const Case& c : cases) {
        installation_.Settings(c.settings + "\n");
        fs::remove(installation_.WorkingFolder() / "rfcsim.journal");
        const platform::ChildResult result = installation_.Run({c.profile}, c.environment);
        EXPECT_EQ(result.output, AsStandardOutput(c.output)) << c.name;
        EXPECT_EQ(result.exitCode, c.exitCode) << c.name;
        if (c.exitCode == 0) {
            EXPECT_NE(installation_.Journal().find(prtgMon), std::string::npos)
                << c.name << "\n"
                << installation_.Journal();
        }
    }
}

TEST_F(PrtgCredentialsTest, MultiSystemRunsKeepTheProfilesCredentials) {
    installation_.Settings("Credentials=PrtgWindows\n");
    installation_.Landscape(SystemSection("PRD") + SystemSection("QAS", "", 0));
    installation_.Profile("QAS.P00", {.destination = "QAS", .hostname = "sapqas"});
    installation_.WriteInSensorFolder("SAP Vantorix.Gbl",
                                      "# GSNG: LOCKS     : QAS.P00#NOC.P00#\r\n"
                                      "# GSNX: LOCKS     : Item=No_of_Locks,Sensor=\"SAP "
                                      "Trevalunda\",Alias\r\n");
    const platform::ChildResult result =
        installation_.Run({"GLOBAL", "LOCKS"}, Windows("prtgmon", kPrtgPassword));
    EXPECT_EQ(result.output,
              AsStandardOutput("\n<Prtg>\n\n\n<Result><Channel>QAS</Channel>\n<Value>0</Value>"
                               "</Result>\n\n<Text>(***) No_of_Locks: NoSystems=2, Processed=1, "
                               "Failed=1 </Text>\n\n</Prtg>\n\n"));
    EXPECT_EQ(installation_.Journal().find("PRTGMON"), std::string::npos)
        << installation_.Journal();
}

// A profile that the tool writes without credentials serves a run with PRTG's, and check
// says where they come from.
TEST_F(PrtgCredentialsTest, ToolWritesAndChecksAProfileForPrtg) {
    installation_.Settings("Credentials=PrtgWindows\n");
    const platform::ChildResult made = installation_.RunProfileTool({"new",
                                                                     "NEW.P00",
                                                                     "--company",
                                                                     "ACME Corp",
                                                                     "--destination",
                                                                     "PRD",
                                                                     "--client",
                                                                     "100",
                                                                     "--language",
                                                                     "E",
                                                                     "--mode",
                                                                     "R/3",
                                                                     "--host",
                                                                     "sapprd",
                                                                     "--system-number",
                                                                     "00",
                                                                     "--gateway-host",
                                                                     "gwprd",
                                                                     "--gateway-service",
                                                                     "sapgw00",
                                                                     "--no-credentials"});
    EXPECT_EQ(made.exitCode, 0) << made.errors;
    const platform::ChildResult checked = installation_.RunProfileTool({"check", "NEW.P00"});
    EXPECT_EQ(checked.exitCode, 0);
    EXPECT_EQ(checked.output,
              AsStandardOutput(
                  "NEW.P00: the sensor accepts this profile\n"
                  "NEW.P00: user and password: from PRTG's prtg_windowsuser and "
                  "prtg_windowspassword in a single-system run, as Credentials=PrtgWindows in "
                  "trevalunda.ini selects; a multi-system run takes the profile's\n"
                  "NEW.P00: warning: this profile gives no usable user and password of its own: "
                  "a multi-system run would count its system as failed\n"));
    const platform::ChildResult result =
        installation_.Run({"NEW"}, Windows("prtgmon", kPrtgPassword));
    EXPECT_EQ(result.output, AsStandardOutput(kPrdResult));
    EXPECT_EQ(result.exitCode, 0);
}

// Everything a run leaves behind: the installation's folders, and the files at the drive's
// root.
std::string EverythingWritten(const Installation& installation) {
    std::string bytes;
    auto add = [&bytes](const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    for (const fs::path& folder :
         {installation.WorkingFolder(), installation.CustomSensorFolder()}) {
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            // The landscape is the test's own file, which names the password rfcsim accepts.
            if (entry.is_regular_file() && entry.path().filename() != "rfcsim.ini") {
                add(entry.path());
            }
        }
    }
    for (const auto& entry : fs::directory_iterator(installation.Drive())) {
        if (entry.is_regular_file()) {
            add(entry.path());
        }
    }
    return bytes;
}

TEST_F(PrtgCredentialsTest, PasswordReachesTheLibraryAlone) {
    installation_.Settings("Credentials=PrtgWindows\n");
    // With a prepared configuration the password goes to the library in a connect string,
    // without one in the logon options.
    installation_.Write("Work/SapRfc.PRD", "DEST=PRD\r\nTYPE=A\r\nASHOST=sapprd\r\nSYSNR=00\r\n");
    for (const bool prepared : {true, false}) {
        if (!prepared) {
            fs::remove(installation_.WorkingFolder() / "SapRfc.PRD");
            fs::remove(installation_.WorkingFolder() / "SapRfc.ini");
        }
        for (const std::string password : {kPrtgPassword, "Wrong-Secret-99"}) {
            const platform::ChildResult result =
                installation_.Run({"NOC", "#,SYSLOG"}, Windows("prtgmon", password));
            EXPECT_EQ(result.exitCode, password == kPrtgPassword ? 0 : 2) << result.output;
            EXPECT_EQ(result.output.find(password), std::string::npos) << result.output;
            EXPECT_EQ(result.errors.find(password), std::string::npos) << result.errors;
        }
    }
    EXPECT_NE(installation_.ReadWorking("trevalunda.log"), "") << "the run log was written";
    const std::string journal = installation_.Journal();
    EXPECT_NE(journal.find("PASSWD=************** LANG=D DEST=PRD\" -> 1"), std::string::npos)
        << journal;
    EXPECT_NE(journal.find("password=\"**************\" language=\"E\" trace=0 host=\"sapprd\""),
              std::string::npos)
        << journal;
    const std::string written = EverythingWritten(installation_);
    EXPECT_EQ(written.find(kPrtgPassword), std::string::npos);
    EXPECT_EQ(written.find("Wrong-Secret-99"), std::string::npos);
}

}  // namespace
}  // namespace trevalunda::testing

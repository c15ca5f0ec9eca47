#include "config/installation_settings.h"

#include <gtest/gtest.h>

#include "support/fake_file_system.h"
#include "support/windows_text.h"

namespace trevalunda {
namespace {

TEST(InstallationSettingsTest, ReadsModeAndLibrary) {
    struct Case {
        const char* text;
        OutputMode mode;
        const char* library;
    } cases[] = {
        {"", OutputMode::Exexml, ""},
        {"OutputMode=Kestrin\n", OutputMode::Kestrin, ""},
        {"; comment\r\n# comment\r\n\r\noutputmode = Brevanta \r\n", OutputMode::Brevanta, ""},
        {"\xEF\xBB\xBFOUTPUTMODE=Lumotex", OutputMode::Lumotex, ""},
        {"OutputMode=Morvale\nOutputMode=EXEXML\n", OutputMode::Exexml, ""},
        {"RfcLibrary=C:\\SAP\\librfc32.dll\n", OutputMode::Exexml, "C:\\SAP\\librfc32.dll"},
        {"  rfclibrary=  my lib.so  ", OutputMode::Exexml, "my lib.so"},
        {"OutputMode=\"Kestrin\"\nRfcLibrary = \"C:\\SAP Lib\\librfc32.dll\" ", OutputMode::Kestrin,
         "C:\\SAP Lib\\librfc32.dll"},
        {"RfcLibrary=\"\"", OutputMode::Exexml, ""},
        {"RfcLibrary=\"", OutputMode::Exexml, "\""},
        {"RfcLibrary=lib\".so\"", OutputMode::Exexml, "lib\".so\""},
        {"RfcLibrary=\" x \"", OutputMode::Exexml, " x "},
        {"RfcLibrary=\"\"\"", OutputMode::Exexml, "\""},
    };
    for (const Case& c : cases) {
        const Result<InstallationSettings> read = ParseInstallationSettings(c.text, "t.ini");
        ASSERT_TRUE(read.ok()) << c.text << ": " << read.fatal().message;
        EXPECT_EQ(read.value().outputMode, c.mode) << c.text;
        EXPECT_EQ(read.value().rfcLibrary, c.library) << c.text;
    }
}

TEST(InstallationSettingsTest, ReadsAlarmsAndCredentials) {
    struct Case {
        const char* text;
        std::optional<std::uint32_t> warning;
        std::optional<std::uint32_t> error;
        bool summaryChannels;
        CredentialSource credentials;
    } cases[] = {
        {"", std::nullopt, std::nullopt, false, CredentialSource::Profile},
        {"LockWarning=0\nLockError=4294967295", 0, 4294967295U, false, CredentialSource::Profile},
        {"lockerror = 007 ", std::nullopt, 7, false, CredentialSource::Profile},
        {"SummaryChannels=yes", std::nullopt, std::nullopt, true, CredentialSource::Profile},
        {"SummaryChannels=YES\nsummarychannels=No", std::nullopt, std::nullopt, false,
         CredentialSource::Profile},
        {"Credentials=prtgwindows", std::nullopt, std::nullopt, false,
         CredentialSource::PrtgWindows},
        {"Credentials=PRTGLINUX", std::nullopt, std::nullopt, false, CredentialSource::PrtgLinux},
        {"Credentials=PrtgLinux\nCredentials=profile", std::nullopt, std::nullopt, false,
         CredentialSource::Profile},
        {"LockWarning=\"3\"\nSummaryChannels=\"Yes\"\nCredentials=\"PrtgLinux\"", 3, std::nullopt,
         true, CredentialSource::PrtgLinux},
    };
    for (const Case& c : cases) {
        const Result<InstallationSettings> read = ParseInstallationSettings(c.text, "t.ini");
        ASSERT_TRUE(read.ok()) << c.text << ": " << read.fatal().message;
        EXPECT_EQ(read.value().lockWarning, c.warning) << c.text;
        EXPECT_EQ(read.value().lockError, c.error) << c.text;
        EXPECT_EQ(read.value().summaryChannels, c.summaryChannels) << c.text;
        EXPECT_EQ(read.value().credentials, c.credentials) << c.text;
    }
}

TEST(InstallationSettingsTest, RefusesWhatItDoesNotKnow) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"OutputMode=exexml",
         "Error 1042: Unknown OutputMode exexml in t.ini line 1 (valid: EXEXML, Lumotex, Morvale, "
         "Brevanta, Kestrin)..."},
        {"; x\nOutputMode=",
         "Error 1042: Unknown OutputMode  in t.ini line 2 (valid: EXEXML, Lumotex, Morvale, "
         "Brevanta, Kestrin)..."},
        {"OutputMode=\" Kestrin\"",
         "Error 1042: Unknown OutputMode  Kestrin in t.ini line 1 (valid: EXEXML, Lumotex, "
         "Morvale, Brevanta, Kestrin)..."},
        {"Timeout=\"5", "Error 1043: Invalid Timeout \"5 in t.ini line 1..."},
        {"LockError=\"\"", "Error 1045: Invalid LockError  in t.ini line 1..."},
        {"\n\nMode=EXEXML", "Error 1041: Unknown setting Mode in t.ini line 3..."},
        {"OutputMode", "Error 1041: Unknown setting OutputMode in t.ini line 1..."},
        {"LockWarning=4294967296", "Error 1044: Invalid LockWarning 4294967296 in t.ini line 1..."},
        {"LockWarning=99999999999999999999",
         "Error 1044: Invalid LockWarning 99999999999999999999 in t.ini line 1..."},
        {"\nLockError=-0", "Error 1045: Invalid LockError -0 in t.ini line 2..."},
        {"SummaryChannels=Y", "Error 1046: Invalid SummaryChannels Y in t.ini line 1..."},
        {"Credentials=PrtgMac", "Error 1048: Invalid Credentials PrtgMac in t.ini line 1..."},
    };
    for (const Case& c : cases) {
        const Result<InstallationSettings> read = ParseInstallationSettings(c.text, "t.ini");
        ASSERT_FALSE(read.ok()) << c.text;
        EXPECT_EQ(read.fatal().message, c.message);
    }
}

TEST(InstallationSettingsTest, ReadsFilesWithAByteOrderMark) {
    const std::string text = "; x\r\nOutputMode=Kestrin\r\n";
    struct Case {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"UTF-8", testing::Utf8WithMark(text)},
        {"UTF-16 little endian", testing::Utf16WithMark(text)},
        {"UTF-16 big endian", testing::Utf16WithMark(text, true)},
    };
    for (const Case& c : cases) {
        const Result<InstallationSettings> read = ParseInstallationSettings(c.bytes, "t.ini");
        ASSERT_TRUE(read.ok()) << c.name << ": " << read.fatal().message;
        EXPECT_EQ(read.value().outputMode, OutputMode::Kestrin) << c.name;
    }
    const Result<InstallationSettings> wrong =
        ParseInstallationSettings(testing::Utf16WithMark(u"\nTimeout=\u0100"), "t.ini");
    ASSERT_FALSE(wrong.ok());
    EXPECT_EQ(wrong.fatal().message, "Error 1043: Invalid Timeout ? in t.ini line 2...");
}

TEST(InstallationSettingsTest, TimeoutInWholeSecondsUpToAnHour) {
    struct Case {
        const char* text;
        int seconds;
    } cases[] = {
        {"", 50}, {"Timeout=0", 0}, {"timeout = 1", 1}, {"Timeout=3600", 3600}, {"Timeout=007", 7}};
    for (const Case& c : cases) {
        const Result<InstallationSettings> read = ParseInstallationSettings(c.text, "t.ini");
        ASSERT_TRUE(read.ok()) << c.text;
        EXPECT_EQ(read.value().timeoutSeconds, c.seconds) << c.text;
    }
    for (const char* value : {"3601", "-1", "+5", "1.5", "5s", "", "10000", "99999999999"}) {
        const Result<InstallationSettings> read =
            ParseInstallationSettings(std::string("\nTimeout=") + value, "t.ini");
        ASSERT_FALSE(read.ok()) << value;
        EXPECT_EQ(read.fatal().message,
                  "Error 1043: Invalid Timeout " + std::string(value) + " in t.ini line 2...");
    }
}

TEST(InstallationSettingsTest, FileBesideTheExecutable) {
    EXPECT_EQ(SettingsPathFor("C:\\PRTG\\ExeXml\\trevalunda.exe"),
              "C:\\PRTG\\ExeXml\\trevalunda.ini");
    EXPECT_EQ(SettingsPathFor("/opt/x/trevalunda"), "/opt/x/trevalunda.ini");

    testing::FakeFileSystem files;
    EXPECT_TRUE(ReadInstallationSettings(files, "\\x\\trevalunda.ini").ok());
    files.AddUnreadable("\\x\\trevalunda.ini");
    const auto read = ReadInstallationSettings(files, "\\x\\trevalunda.ini");
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.fatal().message, "Error 1040: Settings file trevalunda.ini cannot be read...");
    // A folder in its place is no absent file: the settings it should hold would be lost.
    files.AddFolder("\\y\\trevalunda.ini");
    const auto folder = ReadInstallationSettings(files, "\\y\\trevalunda.ini");
    ASSERT_FALSE(folder.ok()) << "folder";
    EXPECT_EQ(folder.fatal().message, "Error 1040: Settings file trevalunda.ini cannot be read...")
        << "folder";
}

}  // namespace
}  // namespace trevalunda

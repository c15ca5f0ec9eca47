#include "config/installation_settings.h"

#include <gtest/gtest.h>

#include "support/fake_file_system.h"

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
    };
    for (const Case& c : cases) {
        const Result<InstallationSettings> read = ParseInstallationSettings(c.text, "t.ini");
        ASSERT_TRUE(read.ok()) << c.text << ": " << read.fatal().message;
        EXPECT_EQ(read.value().outputMode, c.mode) << c.text;
        EXPECT_EQ(read.value().rfcLibrary, c.library) << c.text;
    }
}

TEST(InstallationSettingsTest, RefusesWhatItDoesNotKnow) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"OutputMode=exexml", "Error 1042: Unknown OutputMode exexml in t.ini line 1..."},
        {"; x\nOutputMode=", "Error 1042: Unknown OutputMode  in t.ini line 2..."},
        {"\n\nMode=EXEXML", "Error 1041: Unknown setting Mode in t.ini line 3..."},
        {"OutputMode", "Error 1041: Unknown setting OutputMode in t.ini line 1..."},
    };
    for (const Case& c : cases) {
        const Result<InstallationSettings> read = ParseInstallationSettings(c.text, "t.ini");
        ASSERT_FALSE(read.ok()) << c.text;
        EXPECT_EQ(read.fatal().message, c.message);
    }
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

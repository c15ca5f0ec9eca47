// A zero byte ends a value in every file the sensor reads: profiles, listings, settings and the
// pointer file. The checks, the documents and the logon then see the same value.

#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "config/installation_settings.h"
#include "config/profile_location.h"
#include "config/sensor_listing.h"
#include "config/system_profile.h"

namespace trevalunda {
namespace {

using namespace std::string_literals;

const ProfileKey& Key() {
    static const ProfileKey key = MakeProfileKey();
    return key;
}

// A profile that passes every check, with one line given in its place.
std::string ProfileWith(const std::string& line) {
    const std::string stored = EncodeProfilePassword("secret", "qqqqqqqqqqqqqq", 3, Key());
    std::string text = line + "\r\n";
    for (const std::string& given :
         {"Extcompany.: ACME"s, "Destination: PRD"s, "Client.....: 100"s, "User.......: monitor"s,
          "Password...: " + stored, "Language...: E"s, "Mode.......: R/3"s, "Hostname...: sapprd"s,
          "Sysnr......: 00"s, "Gwhost.....: gwprd"s, "Gwservice..: sapgw00"s}) {
        if (given.substr(0, kLabelLength) != line.substr(0, kLabelLength)) {
            text += given + "\r\n";
        }
    }
    return text;
}

TEST(ZeroBytesTest, ProfileValuesEndAtTheirFirstZeroByte) {
    struct Case {
        const char* name;
        std::string line;
        std::string SystemProfile::*field;
        std::string value;  // empty: the strict reading refuses the profile with this message
        std::string message;
    } cases[] = {
        {"destination", "Destination: PRD\0XY"s, &SystemProfile::Destination, "PRD", ""},
        {"destination too short once cut", "Destination: P\0D"s, &SystemProfile::Destination, "",
         "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
        {"user upper-cased up to the zero byte", "User.......: mon\0itor"s, &SystemProfile::User,
         "MON", ""},
        {"user empty once cut", "User.......: \0monitor"s, &SystemProfile::User, "",
         "Error 1006: Username in Profile PRD.P00 is missing..."},
        {"stored password cut to fewer than 24 characters",
         "Password...: " +
             EncodeProfilePassword("secret", "qqqqqqqqqqqqqq", 3, Key()).substr(0, 10) + "\0"s +
             std::string(13, 'x'),
         &SystemProfile::Password, "", "Error 1004: Invalid Password in Profile PRD.P00 found..."},
        {"zero byte as the separator", "Destination:\0PRD"s, &SystemProfile::Destination, "PRD",
         ""},
        {"zero byte beyond the 60 characters", "Extcompany.: " + std::string(61, 'a') + "\0b"s,
         &SystemProfile::Extcompany, std::string(60, 'a'), ""},
    };
    for (const Case& c : cases) {
        const Result<SystemProfile> strict =
            ReadSystemProfile(ProfileWith(c.line), "PRD.P00", ReadPolicy::Strict, Key());
        const SystemProfile lenient =
            ReadSystemProfile(ProfileWith(c.line), "PRD.P00", ReadPolicy::Lenient, Key()).value();
        if (c.message.empty()) {
            ASSERT_TRUE(strict.ok()) << c.name << ": " << strict.fatal().message;
            EXPECT_EQ(strict.value().*c.field, c.value) << c.name;
            EXPECT_EQ(lenient.*c.field, c.value) << c.name;
            EXPECT_TRUE(lenient.Valid) << c.name;
        } else {
            ASSERT_FALSE(strict.ok()) << c.name;
            EXPECT_EQ(strict.fatal().message, c.message) << c.name;
            EXPECT_FALSE(lenient.Valid) << c.name;
        }
    }
}

TEST(ZeroBytesTest, ProfileLinesTellWhereAZeroByteEndedTheValue) {
    const ProfileReading reading =
        ReadProfileFields("Destination: PRD\0XY\nClient.....: "s + std::string(60, '1') + "\0x\n"s,
                          ReadPolicy::Strict, Key());
    ASSERT_EQ(reading.lines.size(), 2U);
    EXPECT_EQ(reading.lines[0].value, "PRD");
    EXPECT_TRUE(reading.lines[0].endsAtZero) << "within the value";
    EXPECT_FALSE(reading.lines[0].cut);
    EXPECT_FALSE(reading.lines[1].endsAtZero) << "after the 60 characters the sensor reads";
    EXPECT_FALSE(reading.lines[1].cut) << "nothing beyond the zero byte counts";
}

TEST(ZeroBytesTest, ListingValuesEndAtTheirFirstZeroByte) {
    const std::string own = "Sensor=\"SAP Trevalunda\"";
    struct Case {
        const char* name;
        std::string text;
        std::string systems;
        std::string item;
        LabelKind labelKind;
        std::string parameters;
    } cases[] = {
        {"systems line",
         "# GSNG: LOCKS     : PRD.P00#\0QAS.P00#\n"
         "# GSNX: LOCKS     : Item=No_of_Locks,"s +
             own + "\n"s,
         "PRD.P00#", "No_of_Locks", LabelKind::Profile, " Item=No_of_Locks"},
        {"parameter line",
         "# GSNG: LOCKS     : PRD.P00#\n"
         "# GSNX: LOCKS     : Item=No_of_Locks CH=1," +
             own + "\0,Sid\n"s,
         "PRD.P00#", "No_of_Locks", LabelKind::Profile, " Item=No_of_Locks CH=1"},
        {"zero byte in the ignored columns",
         "# GSNG: LOCKS     \0 PRD.P00#\n# GSNX: LOCKS     : Item=No_of_Locks,"s + own + "\n"s,
         "PRD.P00#", "No_of_Locks", LabelKind::Profile, " Item=No_of_Locks"},
    };
    const ListingRequest request{ListingKind::Global, "SAP Vantorix.Gbl", "", "LOCKS", "LOCKS"};
    for (const Case& c : cases) {
        const Result<SensorListing> listing = ParseSensorListing(c.text, request);
        ASSERT_TRUE(listing.ok()) << c.name << ": " << listing.fatal().message;
        EXPECT_EQ(listing.value().SystemList, c.systems) << c.name;
        EXPECT_EQ(listing.value().ItemName, c.item) << c.name;
        EXPECT_EQ(listing.value().labelKind, c.labelKind) << c.name;
        EXPECT_EQ(listing.value().ParameterString, c.parameters) << c.name;
    }

    const ListingRequest itemRun{ListingKind::Item, "Vantorix.Prf", "No_of_Locks", "", ""};
    const Result<SensorListing> item =
        ParseSensorListing("# Gsng: " + std::string(12, 'x') + "PRD.P00#\0QAS.P00#\n"s, itemRun);
    ASSERT_TRUE(item.ok()) << item.fatal().message;
    EXPECT_EQ(item.value().SystemList, "PRD.P00#") << "item listing";

    const Result<SensorListing> foreign = ParseSensorListing(
        "# GSNG: LOCKS     : PRD.P00#\n# GSNX: LOCKS     : Item=No_of_Locks\0"s + own + "\n"s,
        request);
    ASSERT_FALSE(foreign.ok());
    EXPECT_EQ(foreign.fatal().message, "Error 1029: Invalid Sensor-Allocation...")
        << "the mark after the zero byte does not count";
}

TEST(ZeroBytesTest, SettingValuesEndAtTheirFirstZeroByte) {
    const Result<InstallationSettings> read = ParseInstallationSettings(
        "OutputMode=Kestrin\0junk\nRfcLibrary=librfcsim.so \0.bak\n"s, "t.ini");
    ASSERT_TRUE(read.ok()) << read.fatal().message;
    EXPECT_EQ(read.value().outputMode, OutputMode::Kestrin);
    EXPECT_EQ(read.value().rfcLibrary, "librfcsim.so");

    // A key is no value: a zero byte there (a file written in UTF-16) is an unknown key, and
    // the message shows it.
    const Result<InstallationSettings> utf16 =
        ParseInstallationSettings("O\0u\0t\0=\0K\0\r\0\n\0"s, "t.ini");
    ASSERT_FALSE(utf16.ok());
    EXPECT_EQ(utf16.fatal().message, "Error 1041: Unknown setting O\0u\0t\0 in t.ini line 1..."s);
}

TEST(ZeroBytesTest, PointerFileFolderEndsAtItsFirstZeroByte) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string folder;
    } cases[] = {
        {"folder", "D:\\PRTG\0\\ExeXml\\\r\n"s, "D:\\PRTG\\"},
        {"a line that names a folder only after the zero byte", "D:\\PRTG\r\n\0D:\\Other\r\n"s,
         "D:\\PRTG\\"},
        {"no zero byte", "x\r\nD:\\PRTG\\\r\n", "D:\\PRTG\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointerFileFolder(c.bytes), c.folder) << c.name;
    }
}

}  // namespace
}  // namespace trevalunda

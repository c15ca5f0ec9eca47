#include "config/system_profile.h"

#include <gtest/gtest.h>

namespace trevalunda {
namespace {

const ProfileKey& Key() {
    static const ProfileKey key = MakeProfileKey();
    return key;
}

std::string StoredPassword(const std::string& password) {
    return EncodeProfilePassword(password, std::string(20 - password.size(), 'q'), 3, Key());
}

// A profile that passes every check, with lines that a test may replace or drop.
std::string Profile(const std::string& replaced = "", const std::string& dropped = "") {
    const std::string lines[] = {
        "Extcompany.: ACME",
        "Destination: PRD",
        "Client.....: 100",
        "User.......: monitor",
        "Password...: " + StoredPassword("secret"),
        "Language...: E",
        "Mode.......: R/3",
        "Hostname...: sapprd",
        "Sysnr......: 00",
        "Gwhost.....: gwprd",
        "Gwservice..: sapgw00",
    };
    std::string text;
    for (const std::string& line : lines) {
        const std::string label = line.substr(0, 12);
        if (label == dropped) {
            continue;
        }
        if (!replaced.empty() && replaced.substr(0, 12) == label) {
            text += replaced + "\r\n";
        } else {
            text += line + "\r\n";
        }
    }
    return text;
}

TEST(SystemProfileTest, ReadsEveryField) {
    const Result<SystemProfile> read =
        ReadSystemProfile(Profile(), "PRD.P00", ReadPolicy::Strict, Key());
    ASSERT_TRUE(read.ok()) << read.fatal().message;
    const SystemProfile& p = read.value();
    EXPECT_EQ(p.Extcompany, "ACME");
    EXPECT_EQ(p.Destination, "PRD");
    EXPECT_EQ(p.Client, "100");
    EXPECT_EQ(p.User, "MONITOR");
    EXPECT_EQ(p.Password, "secret");
    EXPECT_EQ(p.Language, "E");
    EXPECT_EQ(p.Mode, "R/3");
    EXPECT_EQ(p.Hostname, "sapprd");
    EXPECT_EQ(p.Sysnr, "00");
    EXPECT_EQ(p.Gwhost, "gwprd");
    EXPECT_EQ(p.Gwservice, "sapgw00");
    EXPECT_TRUE(p.Valid);
}

TEST(SystemProfileTest, ValuesAreTakenAsWritten) {
    struct Case {
        const char* name;
        std::string content;
        std::string SystemProfile::*field;
        std::string value;
    } cases[] = {
        {"trailing blanks stay", Profile("Sysnr......: 00  "), &SystemProfile::Sysnr, "00  "},
        {"13th character skipped", Profile("Client.....:X100"), &SystemProfile::Client, "100"},
        {"later line wins", Profile() + "Destination: QAS\n", &SystemProfile::Destination, "QAS"},
        {"value cut at 60", Profile("Extcompany.: " + std::string(70, 'e')),
         &SystemProfile::Extcompany, std::string(60, 'e')},
        {"blanks inside stay", Profile("Extcompany.:  A  B "), &SystemProfile::Extcompany,
         " A  B "},
        {"label in other case ignored", Profile() + "destination: QAS\n",
         &SystemProfile::Destination, "PRD"},
        {"only ASCII letters upper-cased", Profile("User.......: m\xE4x-1"), &SystemProfile::User,
         "M\xE4X-1"},
        {"comment lines ignored", "; note\n" + Profile(), &SystemProfile::Client, "100"},
    };
    for (const Case& c : cases) {
        const ProfileReading reading = ReadProfileFields(c.content, ReadPolicy::Lenient, Key());
        EXPECT_EQ(reading.profile.*c.field, c.value) << c.name;
    }
}

TEST(SystemProfileTest, StrictReadingReportsTheFirstFault) {
    const std::string wrongCheck = [] {
        std::string stored = StoredPassword("secret");
        stored[0] = static_cast<char>(stored[0] ^ 1);  // another check digit
        return stored;
    }();
    struct Case {
        const char* name;
        std::string content;
        std::string message;
    } cases[] = {
        {"empty file", "", "Error 1006: Username in Profile PRD.P00 is missing..."},
        {"no user", Profile("", "User.......:"),
         "Error 1006: Username in Profile PRD.P00 is missing..."},
        {"user in lower-case label", Profile("", "User.......:") + "user.......: x\n",
         "Error 1006: Username in Profile PRD.P00 is missing..."},
        {"no password", Profile("", "Password...:"),
         "Error 1007: Password in Profile PRD.P00 is missing..."},
        {"decoded length 0",
         Profile("Password...: " + EncodeProfilePassword("", std::string(20, 'q'), 1, Key())),
         "Error 1007: Password in Profile PRD.P00 is missing..."},
        {"decoded length 1", Profile("Password...: " + StoredPassword("s")),
         "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
        {"23 characters", Profile("Password...: " + StoredPassword("secret").substr(1)),
         "Error 1004: Invalid Password in Profile PRD.P00 found..."},
        {"25 characters before other faults",
         Profile("Password...: " + StoredPassword("secret") + "x", "User.......:"),
         "Error 1004: Invalid Password in Profile PRD.P00 found..."},
        {"check digit", Profile("Password...: " + wrongCheck),
         "Error 1005: Wrong Password in Profile PRD.P00 found..."},
        {"client without blank", Profile("Client.....:100"),
         "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
        {"mode of two characters", Profile("Mode.......: R3"),
         "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
        {"destination longer than 11", Profile("Destination: ABCDEFGHIJKL"),
         "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
        {"missing gateway service", Profile("", "Gwservice..:"),
         "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
    };
    for (const Case& c : cases) {
        const Result<SystemProfile> read =
            ReadSystemProfile(c.content, "PRD.P00", ReadPolicy::Strict, Key());
        ASSERT_FALSE(read.ok()) << c.name;
        EXPECT_EQ(read.fatal().message, c.message) << c.name;
    }
}

// With the credentials from elsewhere the profile's user and password lines are neither needed
// nor checked nor kept; every other field is checked as before.
TEST(SystemProfileTest, CredentialsFromElsewhere) {
    const std::string noCredentials = [] {
        std::string text = Profile("", "User.......:");
        return text.erase(text.find("Password...:"), 13 + 24 + 2);
    }();
    struct Case {
        const char* name;
        std::string content;
        std::string message;  // empty: accepted
    } cases[] = {
        {"neither line", noCredentials, ""},
        {"both lines", Profile(), ""},
        {"empty user", Profile("User.......: "), ""},
        {"one-character user", Profile("User.......: m"), ""},
        {"stored password of 23 characters",
         Profile("Password...: " + StoredPassword("secret").substr(1)), ""},
        {"decoded length 0",
         Profile("Password...: " + EncodeProfilePassword("", std::string(20, 'q'), 1, Key())), ""},
        {"other fields still checked", noCredentials + "Client.....: 1\n",
         "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
        {"empty file", "", "Error 1003: Invalid Parameter(s) at PRD.P00 found..."},
    };
    for (const Case& c : cases) {
        const Result<SystemProfile> read = ReadSystemProfile(
            c.content, "PRD.P00", ReadPolicy::Strict, Key(), ProfileCredentials::FromElsewhere);
        if (!c.message.empty()) {
            ASSERT_FALSE(read.ok()) << c.name;
            EXPECT_EQ(read.fatal().message, c.message) << c.name;
            continue;
        }
        ASSERT_TRUE(read.ok()) << c.name << ": " << read.fatal().message;
        EXPECT_EQ(read.value().User, "") << c.name;
        EXPECT_EQ(read.value().Password, "") << c.name;
        EXPECT_TRUE(read.value().Valid) << c.name;
    }
}

TEST(SystemProfileTest, OneCharacterLanguagePasses) {
    EXPECT_TRUE(ReadSystemProfile(Profile("Language...: D"), "P", ReadPolicy::Strict, Key()).ok());
}

TEST(SystemProfileTest, LenientReadingClearsValidAndGoesOn) {
    const std::string badHeader = "Password...: " + std::string(24, 'x');
    const Result<SystemProfile> read = ReadSystemProfile(Profile(badHeader) + "Client.....: 200\n",
                                                         "QAS.P00", ReadPolicy::Lenient, Key());
    ASSERT_TRUE(read.ok());
    EXPECT_FALSE(read.value().Valid);
    EXPECT_EQ(read.value().Password, "");
    EXPECT_EQ(read.value().Client, "200");
}

TEST(SystemProfileTest, ReadSizeDependsOnThePolicy) {
    // A line of 170 characters: the strict read of 159 ends the first piece inside it, so the
    // rest is read as a line of its own; here that rest is a label line.
    const std::string filler(159 - 1, 'z');
    const std::string content = Profile() + "#" + filler + "Destination: QAS\n";
    EXPECT_EQ(ReadProfileFields(content, ReadPolicy::Strict, Key()).profile.Destination, "QAS");
    EXPECT_EQ(ReadProfileFields(content, ReadPolicy::Lenient, Key()).profile.Destination, "PRD");
}

TEST(SystemProfileTest, FaultsNameTheLineThatGaveTheField) {
    // Profile() writes its lines in table order: Client is line 3, Password line 5.
    struct Case {
        const char* name;
        std::string content;
        ProfileFaultKind kind;
        std::string_view label;
        int lineNumber;
    } cases[] = {
        {"short value", Profile("Client.....: 1"), ProfileFaultKind::TooShort, "Client.....:", 3},
        {"long value", Profile("Destination: ABCDEFGHIJKL"), ProfileFaultKind::TooLong,
         "Destination:", 2},
        {"missing field", Profile("", "Sysnr......:"), ProfileFaultKind::TooShort,
         "Sysnr......:", 0},
        {"later line counts", Profile() + "\nMode.......: R3\n", ProfileFaultKind::TooShort,
         "Mode.......:", 13},
        {"empty user", Profile("User.......: "), ProfileFaultKind::MissingUser, "User.......:", 4},
        {"password header", Profile("Password...: " + std::string(24, 'x')),
         ProfileFaultKind::InvalidPassword, "Password...:", 5},
        {"over-long line counts once", "#" + std::string(200, 'z') + "\nClient.....: 1\n",
         ProfileFaultKind::TooShort, "Client.....:", 2},
    };
    for (const Case& c : cases) {
        const ProfileReading reading = ReadProfileFields(c.content, ReadPolicy::Strict, Key());
        bool found = false;
        for (const ProfileFault& fault : reading.faults) {
            if (fault.kind == c.kind && fault.label == c.label) {
                found = true;
                EXPECT_EQ(fault.lineNumber, c.lineNumber) << c.name;
            }
        }
        EXPECT_TRUE(found) << c.name;
    }
}

TEST(SystemProfileTest, RecordsTheLinesThatGaveFields) {
    const std::string content =
        "; note\nClient.....: 100\nextra\nGwhost.....: " + std::string(61, 'g') +
        "\nClient.....:X200\n";
    const ProfileReading reading = ReadProfileFields(content, ReadPolicy::Strict, Key());
    ASSERT_EQ(reading.lines.size(), 3U);
    EXPECT_EQ(reading.lines[0].label, "Client.....:");
    EXPECT_EQ(reading.lines[0].lineNumber, 2);
    EXPECT_EQ(reading.lines[0].separator, ' ');
    EXPECT_EQ(reading.lines[0].value, "100");
    EXPECT_FALSE(reading.lines[0].cut);
    EXPECT_EQ(reading.lines[1].label, "Gwhost.....:");
    EXPECT_EQ(reading.lines[1].lineNumber, 4);
    EXPECT_EQ(reading.lines[1].value, std::string(60, 'g'));
    EXPECT_TRUE(reading.lines[1].cut);
    EXPECT_EQ(reading.lines[2].lineNumber, 5);
    EXPECT_EQ(reading.lines[2].separator, 'X');
    EXPECT_EQ(reading.lines[2].value, "200");
}

}  // namespace
}  // namespace trevalunda

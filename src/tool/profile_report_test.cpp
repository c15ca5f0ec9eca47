#include "tool/profile_report.h"

#include <gtest/gtest.h>

#include "config/system_profile.h"
#include "support/profiles.h"
#include "tool/wording.h"

namespace trevalunda::tool {
namespace {

using testing::ProfileText;
using testing::ProfileValues;
using testing::StoredPassword;

const ProfileKey& Key() {
    static const ProfileKey key = MakeProfileKey();
    return key;
}

ProfileReport Report(const std::string& content, bool readableByOthers = false) {
    return ReportProfile("in/PRD.P00", {platform::ReadStatus::Ok, content}, readableByOthers,
                         Key());
}

// ProfileText writes a comment line and then the fields in table order: Extcompany is on
// line 2, Destination on 3, Client on 4, User on 5, Password on 6 and so on.
std::string WithPasswordLine(const std::string& line) {
    std::string text = ProfileText();
    const std::size_t at = text.find("Password...:");
    return text.replace(at, text.find('\r', at) - at, line);
}

TEST(ProfileReportTest, AcceptedProfile) {
    const ProfileReport report = Report(ProfileText());
    EXPECT_TRUE(report.accepted);
    EXPECT_EQ(report.text,
              "in/PRD.P00: the sensor accepts this profile\n"
              "in/PRD.P00: password: well formed, check digit right, length right\n");
}

TEST(ProfileReportTest, NamesEveryFaultyFieldWithItsLineAndRule) {
    const ProfileReport report =
        Report(ProfileText({.client = "1", .hostname = std::string(48, 'h'), .gwservice = ""}));
    EXPECT_FALSE(report.accepted);
    EXPECT_EQ(report.text,
              "in/PRD.P00: the sensor refuses this profile: Error 1003: Invalid Parameter(s) at "
              "PRD.P00 found...\n"
              "in/PRD.P00:4: Client.....: has 1 character; the sensor needs at least 3 "
              "characters (Error 1003)\n"
              "in/PRD.P00:9: Hostname...: has 48 characters; the sensor takes at most 47 (Error "
              "1003)\n"
              "in/PRD.P00:12: Gwservice..: is empty; the sensor needs at least 2 characters "
              "(Error 1003)\n"
              "in/PRD.P00: password: well formed, check digit right, length right\n");
}

TEST(ProfileReportTest, EveryFieldTooShortAndTooLong) {
    for (const ProfileField& field : ProfileFields()) {
        if (field.member == &SystemProfile::Password) {
            continue;  // its length is the decoded password's, see PasswordAndUserFaults
        }
        const std::string label(field.label);
        const std::size_t shorter = field.minimum - 1;
        const std::string rule = "; the sensor needs at least " + Characters(field.minimum);
        std::vector<std::pair<std::string, std::string>> cases{
            {label + " " + std::string(shorter, 'v'),
             label + (shorter == 0 ? " is empty" : " has " + Characters(shorter)) + rule},
        };
        // A field that holds as much as a line gives cannot be too long; the line is cut.
        if (field.capacity < kValueLimit) {
            cases.emplace_back(label + " " + std::string(field.capacity + 1, 'v'),
                               label + " has " + Characters(field.capacity + 1) +
                                   "; the sensor takes at most " + std::to_string(field.capacity));
        }
        for (const auto& [line, finding] : cases) {
            const ProfileReport report = Report(ProfileText() + line + "\r\n");
            EXPECT_FALSE(report.accepted) << line;
            EXPECT_NE(report.text.find("\nin/PRD.P00:13: " + finding + " (Error 1003)\n"),
                      std::string::npos)
                << line << "\n"
                << report.text;
        }
    }
}

TEST(ProfileReportTest, PasswordAndUserFaults) {
    std::string wrongCheckDigit = StoredPassword("secret");
    wrongCheckDigit[0] = static_cast<char>(wrongCheckDigit[0] ^ 1);
    struct Case {
        const char* name;
        std::string content;
        std::string finding;  // the fault's line of the report
        std::string verdict;  // the password's line of the report
    } cases[] = {
        {"1004 length", WithPasswordLine("Password...: " + StoredPassword("secret").substr(1)),
         "in/PRD.P00:6: Password...: has a stored value of 23 characters, not 24 (Error 1004)",
         "not well formed (23 characters, not 24)"},
        {"1004 header", WithPasswordLine("Password...: " + std::string(24, 'x')),
         "in/PRD.P00:6: Password...: has a stored value whose header is not four scrambled "
         "digits: it was not written by trevalunda-profile, or it was changed (Error 1004)",
         "not well formed (the header is not four digits)"},
        {"1005", WithPasswordLine("Password...: " + wrongCheckDigit),
         "in/PRD.P00:6: Password...: has a stored value whose check digit does not match: it "
         "was changed (Error 1005)",
         "well formed, check digit wrong"},
        {"1006 empty", ProfileText({.user = ""}),
         "in/PRD.P00:5: User.......: is empty; a profile needs a user (Error 1006)",
         "well formed, check digit right, length right"},
        {"1006 label in other case",
         [] {
             std::string text = ProfileText();
             return text.replace(text.find("User"), 4, "user");
         }(),
         "in/PRD.P00: User.......: is missing; a profile needs a user (Error 1006)",
         "well formed, check digit right, length right"},
        {"1007 no line", WithPasswordLine("; no password"),
         "in/PRD.P00: Password...: is missing; a profile needs a password (Error 1007)",
         "none given"},
        {"1007 empty", WithPasswordLine("Password...: "),
         "in/PRD.P00:6: Password...: is empty; a profile needs a password (Error 1007)", "empty"},
        {"1007 length 0",
         WithPasswordLine("Password...: " +
                          EncodeProfilePassword("", std::string(20, 'q'), 2, Key())),
         "in/PRD.P00:6: Password...: holds a password of length 0; a profile needs a password "
         "(Error 1007)",
         "well formed, check digit right, too short (0 characters, at least 2 needed)"},
        {"1003 one character", WithPasswordLine("Password...: " + StoredPassword("s")),
         "in/PRD.P00:6: Password...: holds a password of 1 character; the sensor needs at "
         "least 2 characters (Error 1003)",
         "well formed, check digit right, too short (1 character, at least 2 needed)"},
    };
    for (const Case& c : cases) {
        const ProfileReport report = Report(c.content);
        EXPECT_FALSE(report.accepted) << c.name;
        EXPECT_NE(report.text.find("\n" + c.finding + "\n"), std::string::npos) << c.name << "\n"
                                                                                << report.text;
        EXPECT_NE(report.text.find("\nin/PRD.P00: password: " + c.verdict + "\n"),
                  std::string::npos)
            << c.name << "\n"
            << report.text;
        EXPECT_EQ(report.text.find("secret"), std::string::npos) << c.name;
    }
}

TEST(ProfileReportTest, OneFaultPerFieldAndTheSensorsFirstOnTop) {
    // The sensor stops at the password line with Error 1004. The missing password and the
    // user's minimum length follow from faults already named and are left out.
    const ProfileReport report = Report(WithPasswordLine("Password...: x") + "User.......: \r\n");
    EXPECT_EQ(report.text,
              "in/PRD.P00: the sensor refuses this profile: Error 1004: Invalid Password in "
              "Profile PRD.P00 found...\n"
              "in/PRD.P00:6: Password...: has a stored value of 1 character, not 24 (Error "
              "1004)\n"
              "in/PRD.P00:13: User.......: is empty; a profile needs a user (Error 1006)\n"
              "in/PRD.P00: password: not well formed (1 character, not 24)\n"
              "in/PRD.P00:13: warning: User.......: is given again; this line replaces line 5\n");
}

TEST(ProfileReportTest, WarnsOfWhatTheSensorTakesOtherwiseThanMeant) {
    const std::string content =
        ProfileText() + "Gwhost.....: " + std::string(61, 'g') + "\r\nSysnr......:001\r\n";
    const ProfileReport report = Report(content, true);
    EXPECT_TRUE(report.accepted) << report.text;
    EXPECT_EQ(report.text,
              "in/PRD.P00: the sensor accepts this profile\n"
              "in/PRD.P00: password: well formed, check digit right, length right\n"
              "in/PRD.P00:13: warning: Gwhost.....: gives more than 60 characters; the sensor "
              "reads only the first 60\n"
              "in/PRD.P00:13: warning: Gwhost.....: is given again; this line replaces line 11\n"
              "in/PRD.P00:14: warning: the character after Sysnr......: is not a blank; the "
              "sensor skips it all the same, so the value begins one character later\n"
              "in/PRD.P00:14: warning: Sysnr......: is given again; this line replaces line 10\n"
              "in/PRD.P00: warning: users other than its owner may read this file, and the "
              "password in it is only scrambled, not encrypted\n");
}

// The report judges the values the sensor reads, which end at a zero byte.
TEST(ProfileReportTest, ValuesEndAtAZeroByte) {
    using namespace std::string_literals;
    struct Case {
        const char* name;
        ProfileValues values;
        bool accepted;
        std::string text;
    } cases[] = {
        {"destination too short once cut",
         {.destination = "P\0D"s},
         false,
         "in/PRD.P00: the sensor refuses this profile: Error 1003: Invalid Parameter(s) at "
         "PRD.P00 found...\n"
         "in/PRD.P00:3: Destination: has 1 character; the sensor needs at least 3 characters "
         "(Error 1003)\n"
         "in/PRD.P00: password: well formed, check digit right, length right\n"
         "in/PRD.P00:3: warning: Destination: holds a zero byte after 1 character; the sensor "
         "reads the value only up to it\n"},
        {"user cut",
         {.user = "mon\0itor"s},
         true,
         "in/PRD.P00: the sensor accepts this profile\n"
         "in/PRD.P00: password: well formed, check digit right, length right\n"
         "in/PRD.P00:5: warning: User.......: holds a zero byte after 3 characters; the sensor "
         "reads the value only up to it\n"},
    };
    for (const Case& c : cases) {
        const ProfileReport report = Report(ProfileText(c.values));
        EXPECT_EQ(report.accepted, c.accepted) << c.name;
        EXPECT_EQ(report.text, c.text) << c.name;
    }
}

TEST(ProfileReportTest, FileThatCannotBeRead) {
    struct Case {
        platform::ReadStatus status;
        std::string text;
    } cases[] = {
        {platform::ReadStatus::Missing,
         "in/PRD.P00: no such file; the sensor would stop with Error 1002: Profile PRD.P00 is "
         "missing...\n"},
        {platform::ReadStatus::Unreadable,
         "in/PRD.P00: cannot be read; the sensor would stop with Error 1002: Profile PRD.P00 is "
         "missing...\n"},
    };
    for (const Case& c : cases) {
        const ProfileReport report = ReportProfile("in/PRD.P00", {c.status, ""}, false, Key());
        EXPECT_FALSE(report.accepted) << c.text;
        EXPECT_EQ(report.text, c.text);
    }
}

}  // namespace
}  // namespace trevalunda::tool

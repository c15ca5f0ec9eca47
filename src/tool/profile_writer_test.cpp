#include "tool/profile_writer.h"

#include <gtest/gtest.h>

namespace trevalunda::tool {
namespace {

SystemProfile Values() {
    SystemProfile values;
    values.Extcompany = "ACME Corp";
    values.Destination = "PRD";
    values.Client = "100";
    values.User = "monitor";
    values.Language = "E";
    values.Mode = "R/3";
    values.Hostname = "sapprd";
    values.Sysnr = "00";
    values.Gwhost = "gwprd";
    values.Gwservice = "sapgw00";
    return values;
}

TEST(ProfileWriterTest, WritesEveryFieldInLabelFormatWithCrLf) {
    EXPECT_EQ(ProfileText(Values(), "<24 stored characters..>"),
              "Extcompany.: ACME Corp\r\n"
              "Destination: PRD\r\n"
              "Client.....: 100\r\n"
              "User.......: monitor\r\n"
              "Password...: <24 stored characters..>\r\n"
              "Language...: E\r\n"
              "Mode.......: R/3\r\n"
              "Hostname...: sapprd\r\n"
              "Sysnr......: 00\r\n"
              "Gwhost.....: gwprd\r\n"
              "Gwservice..: sapgw00\r\n");
}

TEST(ProfileWriterTest, TheSensorReadsBackWhatWasWritten) {
    const ProfileKey key = MakeProfileKey();
    const std::string stored = EncodeProfilePassword("secret", "0123456789abcd", 4, key);
    SystemProfile values = Values();
    values.Extcompany = " blanks  inside and around ";
    const Result<SystemProfile> read =
        ReadSystemProfile(ProfileText(values, stored), "PRD.P00", ReadPolicy::Strict, key);
    ASSERT_TRUE(read.ok()) << read.fatal().message;
    for (const ProfileField& field : ProfileFields()) {
        const std::string expected = field.member == &SystemProfile::Password ? "secret"
                                     : field.member == &SystemProfile::User   ? "MONITOR"
                                                                            : values.*field.member;
        EXPECT_EQ(read.value().*field.member, expected) << field.label;
    }
}

}  // namespace
}  // namespace trevalunda::tool

#include "run/rfc_access.h"

#include <gtest/gtest.h>

#include "config/system_profile.h"
#include "run/parameter_text.h"

namespace trevalunda {
namespace {

TEST(LogonDataTest, ParameterTextOverridesHostAndSystemNumber) {
    SystemProfile profile;
    profile.Destination = "C11";
    profile.User = "ABC";
    profile.Hostname = "sapc11";
    profile.Sysnr = "07";
    struct Case {
        const char* parameters;
        std::string host;
        std::string systemNumber;
        bool progressLines = false;
    } cases[] = {
        {"", "sapc11", "07"},
        {",host=OtherHost ,NO=42", "OtherHost", "42"},
        {"x,HOST=h1,NO=3,y", "h1", "3"},
        {",HOST= ,NO=", "sapc11", "07"},
        {"#", "sapc11", "07", true},
        {",HOST=h2 @", "h2", "07", true},
    };
    for (const Case& c : cases) {
        const LogonData system = LogonDataFor(profile, ParameterText(c.parameters));
        EXPECT_EQ(system.host, c.host) << c.parameters;
        EXPECT_EQ(system.systemNumber, c.systemNumber) << c.parameters;
        EXPECT_EQ(system.destination, "C11") << c.parameters;
        EXPECT_EQ(system.user, "ABC") << c.parameters;
        EXPECT_EQ(system.progressLines, c.progressLines) << c.parameters;
    }
}

}  // namespace
}  // namespace trevalunda

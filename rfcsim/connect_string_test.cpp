#include "rfcsim/connect_string.h"

#include <gtest/gtest.h>

namespace trevalunda::rfcsim {
namespace {

TEST(ConnectStringTest, SplitsItsParts) {
    struct Case {
        const char* text;
        ConnectString parts;
    } cases[] = {
        {"CLIENT=100 USER=MONITOR PASSWD=secret LANG=D DEST=C11",
         {"100", "MONITOR", "secret", "D", "C11"}},
        {"CLIENT=100 USER=MONITOR PASSWD=se cr et LANG=D DEST=C11",
         {"100", "MONITOR", "se cr et", "D", "C11"}},
        {"CLIENT=100 USER=MONITOR PASSWD=a LANG=x DEST=y LANG=D DEST=C11",
         {"100", "MONITOR", "a LANG=x DEST=y", "D", "C11"}},
        {"CLIENT=100 USER=MONITOR PASSWD= LANG=D DEST=C11", {"100", "MONITOR", "", "D", "C11"}},
        {"CLIENT= USER= PASSWD= LANG= DEST=", {"", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        const std::optional<ConnectString> parts = ParseConnectString(c.text);
        ASSERT_TRUE(parts.has_value()) << c.text;
        EXPECT_EQ(parts->client, c.parts.client) << c.text;
        EXPECT_EQ(parts->user, c.parts.user) << c.text;
        EXPECT_EQ(parts->password, c.parts.password) << c.text;
        EXPECT_EQ(parts->language, c.parts.language) << c.text;
        EXPECT_EQ(parts->destination, c.parts.destination) << c.text;
    }
}

TEST(ConnectStringTest, RefusesOtherForms) {
    for (const char* text : {
             "",
             "DEST=C11",
             "client=100 USER=MONITOR PASSWD=secret LANG=D DEST=C11",
             "CLIENT=100 PASSWD=secret LANG=D DEST=C11",
             "CLIENT=100 USER=MONITOR LANG=D DEST=C11",
             "CLIENT=100 USER=MONITOR PASSWD=secret DEST=C11",
             "CLIENT=100 USER=MONITOR PASSWD=secret LANG=D",
             "CLIENT=100 USER=MONITOR PASSWD=secret DEST=C11 LANG=D",
         }) {
        EXPECT_FALSE(ParseConnectString(text).has_value()) << text;
    }
}

TEST(ConnectStringTest, MaskingHidesOnlyThePassword) {
    const ConnectString parts{"100", "MONITOR", "se cret", "D", "C11"};
    EXPECT_EQ(MaskedConnectString(parts), "CLIENT=100 USER=MONITOR PASSWD=** **** LANG=D DEST=C11");
}

}  // namespace
}  // namespace trevalunda::rfcsim

#include "base/unicode.h"

#include <gtest/gtest.h>

namespace trevalunda {
namespace {

TEST(UnicodeTest, CharactersOfTheSensorsText) {
    struct Case {
        std::string text;
        std::u16string utf16;
    } cases[] = {
        {"PRD", u"PRD"},
        {"f\xC3\xBCr", u"f\u00FCr"},              // UTF-8
        {"f\xFCr", u"f\u00FCr"},                  // Latin-1 byte
        {"\x80\x9F\x81", u"\u20AC\u0178\u0081"},  // Windows-1252 bytes
        {"\xE2\x82\xAC", u"\u20AC"},              // UTF-8 euro sign
        {"\xF0\x9F\x98\x80", u"\U0001F600"},      // beyond the first plane
        {"\xC3", u"\u00C3"},                      // a sequence cut off
        {"\xC0\xAF", u"\u00C0\u00AF"},            // overlong
        {"\xED\xA0\x80", u"\u00ED\u00A0\u20AC"},  // a surrogate in UTF-8
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf16FromText(c.text), c.utf16) << c.text;
    }
}

TEST(UnicodeTest, Utf16BecomesUtf8) {
    EXPECT_EQ(TextFromUtf16(u"Name or password is incorrect"), "Name or password is incorrect");
    EXPECT_EQ(TextFromUtf16(u"f\u00FCr \u20AC \U0001F600"),
              "f\xC3\xBCr \xE2\x82\xAC \xF0\x9F\x98\x80");
    EXPECT_EQ(TextFromUtf16(std::u16string(1, u'\xD800') + u"x"), "?x");
    EXPECT_EQ(TextFromUtf16(Utf16FromText("f\xC3\xBCr")), "f\xC3\xBCr");
}

}  // namespace
}  // namespace trevalunda

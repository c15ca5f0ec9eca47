#include "base/unicode.h"

#include <gtest/gtest.h>

#include "support/windows_text.h"

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

TEST(UnicodeTest, FilesWithAByteOrderMarkBecomeEightBitText) {
    struct Case {
        const char* name;
        std::u16string utf16;
        std::string text;
    } cases[] = {
        {"plain lines", u"OutputMode=Kestrin\r\nx", "OutputMode=Kestrin\r\nx"},
        {"Latin-1 letters", u"f\u00FCr \u00E9t\u00E9 \u00FF", "f\xFCr \xE9t\xE9 \xFF"},
        {"Windows-1252 letters", u"\u20AC \u0160 \u0178 \u2122", "\x80 \x8A \x9F \x99"},
        {"undefined Windows-1252 bytes", u"\u0081\u008D\u008F\u0090\u009D", "\x81\x8D\x8F\x90\x9D"},
        {"no 8-bit form", u"a\u0100b\u0080c\u4E2D", "a?b?c?"},
        {"beyond the first plane", u"a\U0001F600b", "a?b"},
        {"lone surrogates", std::u16string(u"a") + u'\xD800' + u"b" + u'\xDC00', "a?b?"},
        {"zero character", std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
        {"nothing after the mark", u"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextOfFile(testing::Utf16WithMark(c.utf16)), c.text) << c.name << " (LE)";
        EXPECT_EQ(TextOfFile(testing::Utf16WithMark(c.utf16, true)), c.text) << c.name << " (BE)";
    }
}

TEST(UnicodeTest, OtherFilesKeepTheirBytes) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
    } cases[] = {
        {"UTF-8 mark dropped", "\xEF\xBB\xBFPRD\r\nf\xC3\xBCr", "PRD\r\nf\xC3\xBCr"},
        {"UTF-8 mark alone", "\xEF\xBB\xBF", ""},
        {"only the first mark", "\xEF\xBB\xBF\xEF\xBB\xBFx", "\xEF\xBB\xBFx"},
        {"odd byte of UTF-16 little endian",
         std::string("\xFF\xFE"
                     "a\0b",
                     5),
         "a?"},
        {"odd byte of UTF-16 big endian", std::string("\xFE\xFF\0a\0", 5), "a?"},
        {"UTF-16 mark alone", "\xFF\xFE", ""},
        {"no mark", "PRD\r\n\xFF\xFE", "PRD\r\n\xFF\xFE"},
        {"UTF-16 without a mark", std::string("O\0K\0", 4), std::string("O\0K\0", 4)},
        {"part of a mark", "\xEF\xBBx", "\xEF\xBBx"},
        {"one byte", "\xFF", "\xFF"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextOfFile(c.bytes), c.text) << c.name;
    }
}

}  // namespace
}  // namespace trevalunda

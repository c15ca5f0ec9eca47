#include "rfcsim/utf16.h"

#include <gtest/gtest.h>

namespace trevalunda::rfcsim {
namespace {

TEST(Utf16Test, ConvertsEveryLengthOfSequenceBothWays) {
    struct Case {
        const char* name;
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"empty", "", u""},
        {"ASCII", "RFC_SYSTEM_INFO", u"RFC_SYSTEM_INFO"},
        {"two bytes", "K\xC3\xA4se", u"K\u00E4se"},
        {"three bytes", "\xE2\x82\xAC 5", u"\u20AC 5"},
        {"four bytes, a surrogate pair", "\xF0\x9F\x98\x80!", u"\U0001F600!"},
        {"last code point", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf16FromUtf8(c.utf8), c.utf16) << c.name;
        EXPECT_EQ(Utf8FromUtf16(c.utf16), c.utf8) << c.name;
    }
}

TEST(Utf16Test, BytesThatAreNotUtf8BecomeReplacementCharacters) {
    struct Case {
        const char* name;
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"Latin-1 byte", "caf\xE9", u"caf\uFFFD"},
        {"cut sequence at the end", "a\xE2\x82", u"a\uFFFD\uFFFD"},
        {"lead byte without continuation", "\xC3x", u"\uFFFDx"},
        {"overlong form", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"beyond the last code point", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"stray continuation byte", "\x80", u"\uFFFD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf16FromUtf8(c.utf8), c.utf16) << c.name;
    }
}

TEST(Utf16Test, SurrogatesWithoutTheirPartnerAreNotUtf16) {
    const std::u16string cases[] = {
        u"a\xD800",
        u"\xD800x",
        u"\xDC00",
        u"\xDC00\xD800",
    };
    for (const std::u16string& text : cases) {
        EXPECT_FALSE(Utf8FromUtf16(text).has_value()) << text.size() << " units";
    }
}

}  // namespace
}  // namespace trevalunda::rfcsim

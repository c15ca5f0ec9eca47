#include "platform/text_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace trevalunda::platform {
namespace {

std::vector<std::string> ReadAll(std::string_view bytes, std::size_t maxChars) {
    TextReader reader(bytes);
    std::vector<std::string> pieces;
    while (auto piece = reader.Read(maxChars)) {
        pieces.push_back(*piece);
    }
    return pieces;
}

TEST(TextReaderTest, ReadsLikeWindowsTextMode) {
    struct Case {
        const char* name;
        std::string bytes;
        std::size_t maxChars;
        std::vector<std::string> pieces;
    } cases[] = {
        {"crlf reads as lf", "ab\r\ncd\r\n", 99, {"ab\n", "cd\n"}},
        {"lone cr stays", "a\rb\n", 99, {"a\rb\n"}},
        {"last line without end", "ab\ncd", 99, {"ab\n", "cd"}},
        {"long line goes on in next read", "abcdefg\nh", 3, {"abc", "def", "g\n", "h"}},
        {"line feed counts in the limit", "abc\n", 3, {"abc", "\n"}},
        {"empty file", "", 99, {}},
        {"blank lines", "\n\r\n", 99, {"\n", "\n"}},
        {"UTF-8 mark dropped",
         "\xEF\xBB\xBF"
         "ab\r\ncd",
         99,
         {"ab\n", "cd"}},
        {"UTF-16 decoded, then crlf",
         std::string("\xFF\xFE"
                     "a\0\r\0\n\0\xE9\0",
                     10),
         99,
         {"a\n", "\xE9"}},
        {"limit counts decoded characters",
         std::string("\xFE\xFF\0a\0b\0c\0\n", 10),
         2,
         {"ab", "c\n"}},
        {"nothing after the mark", "\xFF\xFE", 99, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadAll(c.bytes, c.maxChars), c.pieces) << c.name;
    }
}

TEST(TextReaderTest, RestOfALongLineKeepsItsLineNumber) {
    TextReader reader("abcdefg\nh\n\ni");
    std::vector<int> lines;
    while (reader.Read(3)) {
        lines.push_back(reader.LineNumber());
    }
    EXPECT_EQ(lines, (std::vector<int>{1, 1, 1, 2, 3, 4}));
}

TEST(TextReaderTest, StripLineEndRemovesCarriageReturnThenLineFeed) {
    struct Case {
        std::string line;
        std::string stripped;
    } cases[] = {{"ab\n", "ab"}, {"ab\r", "ab"}, {"ab\n\r", "ab"}, {"ab\r\n", "ab\r"}, {"", ""}};
    for (Case c : cases) {
        std::string line = c.line;
        StripLineEnd(line);
        EXPECT_EQ(line, c.stripped) << "line: " << c.line;
    }
}

}  // namespace
}  // namespace trevalunda::platform

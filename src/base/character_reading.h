#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace trevalunda {

// One character of a text whose encoding the sensor cannot know (file contents, arguments,
// texts of the RFC library): a valid UTF-8 sequence gives its code point, any other byte its
// Windows-1252 character. The five bytes that Windows-1252 leaves undefined give the code point
// of the same number, as Windows reads them.
struct TextCharacter {
    char32_t codePoint = 0;
    std::size_t length = 1;  // the bytes it takes, at least 1
};

// The character that begins at the position (which must lie inside the text).
TextCharacter ReadCharacterAt(std::string_view text, std::size_t position);

// The Windows-1252 byte of a code point, the reverse of the reading above for one byte
// (the five undefined bytes included); nothing for a character that has no such byte.
std::optional<char> Windows1252ByteOf(char32_t codePoint);

}  // namespace trevalunda

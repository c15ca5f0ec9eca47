#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trevalunda {

// The sensor's texts are 8-bit: what its files and command line hold. Where a text has to be
// read as characters (for a library with a UTF-16 interface, or for a document that names
// characters by their code points), a valid UTF-8 sequence is its code point and any other
// byte is the character of the Windows-1252 code page that the byte stands for there.

// The code point of the character that begins at `position`, and the number of bytes it takes.
struct DecodedCharacter {
    char32_t codePoint = 0;
    std::size_t length = 1;
};
DecodedCharacter DecodeCharacter(std::string_view text, std::size_t position);

// The text in UTF-16, character by character as above.
std::u16string Utf16FromText(std::string_view text);

// A UTF-16 text as the sensor's text: UTF-8; a surrogate without its partner becomes "?".
std::string TextFromUtf16(std::u16string_view text);

}  // namespace trevalunda

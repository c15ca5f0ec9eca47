#pragma once

#include <string>
#include <string_view>

namespace trevalunda {

// The sensor's texts are 8-bit: what its files and command line hold. For a library with a
// UTF-16 interface they are read character by character as ReadCharacterAt reads them.

// The text in UTF-16.
std::u16string Utf16FromText(std::string_view text);

// A UTF-16 text as the sensor's text: UTF-8; a surrogate without its partner becomes "?".
std::string TextFromUtf16(std::u16string_view text);

// The text of a file as the sensor reads it. A file that begins with a byte-order mark, as
// Windows programs write them, is decoded first: UTF-8 loses its mark, UTF-16 (little or big
// endian) becomes the Windows-1252 text that the same file saved as ANSI would hold, with "?"
// for each character that has no such byte, for a surrogate without its partner and for a last
// odd byte. Any other file is its bytes unchanged.
std::string TextOfFile(std::string_view bytes);

}  // namespace trevalunda

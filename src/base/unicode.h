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

}  // namespace trevalunda

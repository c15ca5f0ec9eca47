#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trevalunda::rfcsim {

// The texts of the NetWeaver interface are UTF-16; the simulator works in UTF-8, the encoding
// of its files. The conversion happens where a text crosses the interface.

// nullopt when the text is not UTF-16: a surrogate without its partner.
std::optional<std::string> Utf8FromUtf16(std::u16string_view text);

// A byte that begins no valid UTF-8 sequence becomes U+FFFD, the replacement character.
std::u16string Utf16FromUtf8(std::string_view text);

}  // namespace trevalunda::rfcsim

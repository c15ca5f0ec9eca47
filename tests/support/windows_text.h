#pragma once

#include <string>
#include <string_view>

namespace trevalunda::testing {

// A text file as Windows programs save it with a byte-order mark: Notepad's "UTF-8 with BOM",
// and UTF-16 as PowerShell 5 writes with ">" (little endian) or an editor's "UTF-16 BE".

inline std::string Utf8WithMark(std::string_view text) {
    return "\xEF\xBB\xBF" + std::string(text);
}

// Each code unit of the text in two bytes after the mark.
inline std::string Utf16WithMark(std::u16string_view text, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const auto high = static_cast<char>(unit >> 8U);
        const auto low = static_cast<char>(unit & 0xFFU);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// An 8-bit text read as Latin-1 (each byte the character of its number) in UTF-16.
inline std::string Utf16WithMark(std::string_view latin1, bool bigEndian = false) {
    std::u16string text;
    for (const char c : latin1) {
        text += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    return Utf16WithMark(std::u16string_view(text), bigEndian);
}

}  // namespace trevalunda::testing

#include "base/unicode.h"

#include <array>

namespace trevalunda {
namespace {

// The characters of the bytes 0x80 to 0x9F in Windows-1252; the five bytes the code page
// leaves free stand for the code point of the same number, as Windows reads them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t Windows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kWindows1252High[byte - 0x80];
    }
    return byte;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

DecodedCharacter DecodeCharacter(std::string_view text, std::size_t position) {
    const auto lead = static_cast<unsigned char>(text[position]);
    std::size_t length = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, smallest = 0x10000;
    } else {
        return {Windows1252(lead), 1};
    }
    if (position + length > text.size()) {
        return {Windows1252(lead), 1};
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[position + i]);
        if (!IsContinuation(next)) {
            return {Windows1252(lead), 1};
        }
        c = (c << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are no valid sequence.
    if (c < smallest || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        return {Windows1252(lead), 1};
    }
    return {c, length};
}

std::u16string Utf16FromText(std::string_view text) {
    std::u16string utf16;
    for (std::size_t i = 0; i < text.size();) {
        const DecodedCharacter decoded = DecodeCharacter(text, i);
        i += decoded.length;
        if (decoded.codePoint < 0x10000) {
            utf16 += static_cast<char16_t>(decoded.codePoint);
        } else {
            const char32_t c = decoded.codePoint - 0x10000;
            utf16 += static_cast<char16_t>(0xD800 + (c >> 10));
            utf16 += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        }
    }
    return utf16;
}

std::string TextFromUtf16(std::u16string_view text) {
    std::string utf8;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            AppendUtf8(utf8, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                                 (static_cast<char32_t>(text[i + 1]) - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            utf8 += '?';
        } else {
            AppendUtf8(utf8, unit);
        }
    }
    return utf8;
}

}  // namespace trevalunda

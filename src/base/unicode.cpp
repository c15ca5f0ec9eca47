#include "base/unicode.h"

#include "base/character_reading.h"

namespace trevalunda {
namespace {

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

std::u16string Utf16FromText(std::string_view text) {
    std::u16string utf16;
    for (std::size_t i = 0; i < text.size();) {
        const TextCharacter decoded = ReadCharacterAt(text, i);
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

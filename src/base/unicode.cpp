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

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The UTF-16 code units of the bytes, two bytes each; a last odd byte is left out.
std::u16string Utf16Units(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? (first << 8U) | second : (second << 8U) | first);
    }
    return units;
}

// UTF-16 bytes (after their mark) as Windows-1252 text.
std::string EightBitFromUtf16(std::string_view bytes, bool bigEndian) {
    const std::u16string units = Utf16Units(bytes, bigEndian);
    std::string text;
    text.reserve(units.size() + 1);
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t unit = units[i];
        if (IsHighSurrogate(unit) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
            ++i;  // a character beyond the first plane: never a Windows-1252 byte
            text += '?';
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            text += '?';
        } else {
            text += Windows1252ByteOf(unit).value_or('?');
        }
    }
    if (bytes.size() % 2 != 0) {
        text += '?';
    }
    return text;
}

}  // namespace

std::string TextOfFile(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark)) {
        return std::string(bytes.substr(kUtf8Mark.size()));
    }
    if (bytes.starts_with(kUtf16LittleEndianMark)) {
        return EightBitFromUtf16(bytes.substr(kUtf16LittleEndianMark.size()), false);
    }
    if (bytes.starts_with(kUtf16BigEndianMark)) {
        return EightBitFromUtf16(bytes.substr(kUtf16BigEndianMark.size()), true);
    }
    return std::string(bytes);
}

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

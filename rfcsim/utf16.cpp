#include "rfcsim/utf16.h"

#include <utility>

namespace trevalunda::rfcsim {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf8(std::string& text, char32_t code) {
    const auto byte = [&text](char32_t value) { text += static_cast<char>(value); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

void AppendUtf16(std::u16string& text, char32_t code) {
    if (code < 0x10000) {
        text += static_cast<char16_t>(code);
    } else {
        const char32_t offset = code - 0x10000;
        text += static_cast<char16_t>(0xD800 + (offset >> 10));
        text += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
    }
}

// What the first byte of a UTF-8 sequence says: the sequence's length (0 for a byte that
// begins none), the bits of the code point it holds and the least code point of that length.
struct SequenceStart {
    std::size_t length;
    char32_t bits;
    char32_t least;
};

SequenceStart StartOf(unsigned char lead) {
    const auto bits = static_cast<char32_t>(lead);
    if (lead < 0x80) {
        return {1, bits, 0};
    }
    if ((lead & 0xE0) == 0xC0) {
        return {2, bits & 0x1F, 0x80};
    }
    if ((lead & 0xF0) == 0xE0) {
        return {3, bits & 0x0F, 0x800};
    }
    if ((lead & 0xF8) == 0xF0) {
        return {4, bits & 0x07, 0x10000};
    }
    return {0, 0, 0};
}

// The code point of the UTF-8 sequence at the start of the text and its length in bytes;
// length 0 when no valid sequence begins there (overlong forms and surrogates included).
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text) {
    const SequenceStart start = StartOf(static_cast<unsigned char>(text[0]));
    if (start.length == 0 || text.size() < start.length) {
        return {0, 0};
    }
    char32_t code = start.bits;
    for (std::size_t i = 1; i < start.length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return {0, 0};
        }
        code = (code << 6) | (static_cast<char32_t>(next) & 0x3F);
    }
    if (code < start.least || code > 0x10FFFF || IsHighSurrogate(code) || IsLowSurrogate(code)) {
        return {0, 0};
    }
    return {code, start.length};
}

}  // namespace

std::optional<std::string> Utf8FromUtf16(std::u16string_view text) {
    std::string converted;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (IsHighSurrogate(code) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            code =
                0x10000 + ((code - 0xD800) << 10) + (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(code) || IsLowSurrogate(code)) {
            return std::nullopt;
        }
        AppendUtf8(converted, code);
    }
    return converted;
}

std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string converted;
    while (!text.empty()) {
        const auto [code, length] = DecodeUtf8(text);
        AppendUtf16(converted, length == 0 ? kReplacement : code);
        text.remove_prefix(length == 0 ? 1 : length);
    }
    return converted;
}

}  // namespace trevalunda::rfcsim

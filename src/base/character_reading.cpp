#include "base/character_reading.h"

#include <array>

namespace trevalunda {
namespace {

// Windows-1252 from 0x80 to 0x9F; 0 marks the five bytes it leaves undefined.
constexpr std::array<char32_t, 32> kWindows1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char32_t Windows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t mapped = kWindows1252High[byte - 0x80U];
        return mapped != 0 ? mapped : byte;
    }
    return byte;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

// The length and the bits of the first byte of a UTF-8 sequence; length 0 for a byte that
// cannot begin one.
struct SequenceStart {
    std::size_t length;
    char32_t bits;
    char32_t smallest;  // the least code point of this length: anything less is overlong
};

SequenceStart StartOf(unsigned char byte) {
    if (byte >= 0xC2 && byte <= 0xDF) {
        return {2, byte & 0x1FU, 0x80};
    }
    if (byte >= 0xE0 && byte <= 0xEF) {
        return {3, byte & 0x0FU, 0x800};
    }
    if (byte >= 0xF0 && byte <= 0xF4) {
        return {4, byte & 0x07U, 0x10000};
    }
    return {0, 0, 0};
}

}  // namespace

std::optional<char> Windows1252ByteOf(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<char>(codePoint);
    }
    for (unsigned byte = 0x80; byte <= 0x9F; ++byte) {
        if (Windows1252(static_cast<unsigned char>(byte)) == codePoint) {
            return static_cast<char>(byte);
        }
    }
    return std::nullopt;
}

TextCharacter ReadCharacterAt(std::string_view text, std::size_t position) {
    const auto first = static_cast<unsigned char>(text[position]);
    const SequenceStart start = StartOf(first);
    if (start.length == 0 || position + start.length > text.size()) {
        return {Windows1252(first), 1};
    }
    char32_t codePoint = start.bits;
    for (std::size_t i = 1; i < start.length; ++i) {
        const auto next = static_cast<unsigned char>(text[position + i]);
        if (!IsContinuation(next)) {
            return {Windows1252(first), 1};
        }
        codePoint = (codePoint << 6U) | (next & 0x3FU);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < start.smallest || surrogate || codePoint > 0x10FFFF) {
        return {Windows1252(first), 1};
    }
    return {codePoint, start.length};
}

}  // namespace trevalunda

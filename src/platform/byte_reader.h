#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trevalunda::platform {

// Little-endian numbers and zero-terminated texts at byte offsets of a file's bytes; a number
// that lies beyond the end reads as 0, a text there as empty.
class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    std::uint64_t Size() const { return bytes_.size(); }

    // True when the range [offset, offset + length) lies inside the file.
    bool Holds(std::uint64_t offset, std::uint64_t length) const {
        return offset <= Size() && length <= Size() - offset;
    }

    std::optional<std::uint64_t> Number(std::uint64_t offset, std::uint64_t width) const {
        if (!Holds(offset, width)) {
            return std::nullopt;
        }
        std::uint64_t value = 0;
        for (std::uint64_t i = width; i > 0; --i) {
            value = (value << 8) | static_cast<unsigned char>(bytes_[offset + i - 1]);
        }
        return value;
    }
    std::uint64_t U16(std::uint64_t offset) const { return Number(offset, 2).value_or(0); }
    std::uint64_t U32(std::uint64_t offset) const { return Number(offset, 4).value_or(0); }
    std::uint64_t U64(std::uint64_t offset) const { return Number(offset, 8).value_or(0); }

    // The zero-terminated text at an offset, at most maxLength characters.
    std::string Text(std::uint64_t offset, std::size_t maxLength) const {
        std::string text;
        while (offset < Size() && bytes_[offset] != '\0' && text.size() < maxLength) {
            text += bytes_[offset++];
        }
        return text;
    }

  private:
    std::string_view bytes_;
};

}  // namespace trevalunda::platform

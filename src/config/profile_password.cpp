#include "config/profile_password.h"

namespace trevalunda {
namespace {

// The key is kept as two tables that only together give it: each byte is the XOR of a
// scrambled value and a mask drawn from a small generator, so no readable copy of the key
// stands in the program.
constexpr std::array<std::uint8_t, 32> kScrambledKey{
    0x05, 0x78, 0x65, 0x67, 0x88, 0x6C, 0xB1, 0x32, 0x18, 0x9F, 0x60, 0xB4, 0x8A, 0xBC, 0xD0, 0x1D,
    0xC0, 0x8D, 0x1D, 0xC6, 0xA7, 0xEC, 0xB5, 0x4C, 0x74, 0xBB, 0xE1, 0x29, 0x86, 0xB6, 0x6F, 0x0B,
};
constexpr std::uint32_t kMaskSeed = 0x2F6E2B1U;

std::uint8_t NextMask(std::uint32_t& state) {
    state = state * 1103515245U + 12345U;
    return static_cast<std::uint8_t>(state >> 16);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

ProfileKey MakeProfileKey() {
    ProfileKey key{};
    std::uint32_t state = kMaskSeed;
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<std::uint8_t>(kScrambledKey[i] ^ NextMask(state));
    }
    return key;
}

int PasswordCheckDigit(std::string_view body) {
    unsigned sum = 0;
    for (char c : body) {
        if (ChecksumAlphabet.find(c) != std::string_view::npos) {
            sum += static_cast<unsigned char>(c);
        }
    }
    return static_cast<int>(sum % 10);
}

DecodedPassword DecodeProfilePassword(std::string_view stored, const ProfileKey& key) {
    DecodedPassword decoded;
    if (stored.size() != kStoredPasswordLength) {
        return decoded;
    }
    std::array<char, 4> header{};
    for (std::size_t i = 0; i < header.size(); ++i) {
        header[i] = static_cast<char>(stored[i] ^ key[i]);
        if (!IsDigit(header[i])) {
            return decoded;
        }
    }
    decoded.headerWellFormed = true;
    const std::size_t offset = static_cast<std::size_t>(header[1] - '0');
    const std::size_t length = static_cast<std::size_t>((header[2] - '0') * 10 + (header[3] - '0'));

    std::array<char, kPasswordBodyLength> body{};
    for (std::size_t i = 0; i < body.size(); ++i) {
        body[i] = static_cast<char>(stored[4 + i] ^ key[offset + i]);
    }
    // Zig-zag order: B[0], B[19], B[1], B[18], ... B[9], B[10]; zero bytes are dropped.
    std::string ordered;
    for (std::size_t i = 0; i < body.size() / 2; ++i) {
        for (char c : {body[i], body[body.size() - 1 - i]}) {
            if (c != '\0') {
                ordered += c;
            }
        }
    }
    decoded.checkDigitCorrect = PasswordCheckDigit(ordered) == header[0] - '0';
    if (decoded.checkDigitCorrect) {
        decoded.password = ordered.substr(0, length);
    }
    return decoded;
}

std::string EncodeProfilePassword(std::string_view password, std::string_view filler,
                                  std::size_t keyOffset, const ProfileKey& key) {
    const std::string ordered = std::string(password) + std::string(filler);
    const std::size_t length = password.size();
    if (ordered.size() != kPasswordBodyLength || keyOffset > kLargestKeyOffset) {
        return {};
    }
    const std::array<char, 4> header{
        static_cast<char>('0' + PasswordCheckDigit(ordered)),
        static_cast<char>('0' + keyOffset),
        static_cast<char>('0' + length / 10),
        static_cast<char>('0' + length % 10),
    };
    std::string stored(kStoredPasswordLength, '\0');
    for (std::size_t i = 0; i < header.size(); ++i) {
        stored[i] = static_cast<char>(header[i] ^ key[i]);
    }
    // Undo the zig-zag order: ordered[2i] is body[i], ordered[2i+1] is body[19-i].
    for (std::size_t i = 0; i < kPasswordBodyLength / 2; ++i) {
        const std::size_t last = kPasswordBodyLength - 1 - i;
        stored[4 + i] = static_cast<char>(ordered[2 * i] ^ key[keyOffset + i]);
        stored[4 + last] = static_cast<char>(ordered[2 * i + 1] ^ key[keyOffset + last]);
    }
    return stored;
}

}  // namespace trevalunda

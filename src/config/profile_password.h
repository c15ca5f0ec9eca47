#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace trevalunda {

// The key that scrambles stored profile passwords; the same for every profile and run.
using ProfileKey = std::array<std::uint8_t, 32>;

// Builds the key from the constants held in the program (called once at start-up).
ProfileKey MakeProfileKey();

// Characters that count in a stored password's check digit (the digit 0 is in it twice).
inline constexpr std::string_view ChecksumAlphabet =
    "01234567890abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

inline constexpr std::size_t kStoredPasswordLength = 24;
inline constexpr std::size_t kPasswordBodyLength = 20;
inline constexpr std::size_t kLargestKeyOffset = 9;

struct DecodedPassword {
    bool headerWellFormed = false;  // 24 characters, a header of four digits
    bool checkDigitCorrect = false;
    std::string password;  // set only when both verdicts hold
};

// Decodes a stored password value: a four-digit header (check digit, key offset, length) and
// a twenty-character body in zig-zag order, both scrambled with the key.
DecodedPassword DecodeProfilePassword(std::string_view stored, const ProfileKey& key);

// The stored value for a password: the exact inverse of DecodeProfilePassword. The key offset
// (0 to 9) and the filler that follows the password in the body are the writer's choice; the
// password and filler together must give 20 characters, none of them a zero byte (otherwise
// nothing is returned).
std::string EncodeProfilePassword(std::string_view password, std::string_view filler,
                                  std::size_t keyOffset, const ProfileKey& key);

// The check digit of a decoded body: the sum of the codes of its characters that occur in
// ChecksumAlphabet, modulo 10.
int PasswordCheckDigit(std::string_view body);

}  // namespace trevalunda

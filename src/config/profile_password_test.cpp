#include "config/profile_password.h"

#include <gtest/gtest.h>

namespace trevalunda {
namespace {

const ProfileKey& Key() {
    static const ProfileKey key = MakeProfileKey();
    return key;
}

TEST(ProfilePasswordTest, KeyIsBuiltFromItsConstants) {
    const ProfileKey expected{0x13, 0x07, 0x1C, 0x02, 0x19, 0x0B, 0x15, 0x04, 0x1E, 0x0D, 0x11,
                              0x06, 0x1A, 0x03, 0x17, 0x09, 0x1D, 0x0E, 0x12, 0x05, 0x1B, 0x08,
                              0x16, 0x01, 0x1F, 0x0C, 0x14, 0x0A, 0x18, 0x0F, 0x10, 0x1C};
    EXPECT_EQ(MakeProfileKey(), expected);
}

TEST(ProfilePasswordTest, ChecksumAlphabetCountsLettersAndDigitsOnly) {
    EXPECT_EQ(PasswordCheckDigit("a"), 97 % 10);
    EXPECT_EQ(PasswordCheckDigit("aB1"), (97 + 66 + 49) % 10);
    EXPECT_EQ(PasswordCheckDigit(" -!_"), 0);
}

TEST(ProfilePasswordTest, DecodesWhatTheEncoderStores) {
    struct Case {
        const char* password;
        const char* filler;
        std::size_t offset;
    } cases[] = {
        {"secret", "xxxxxxxxxxxxxx", 0},
        {"Pa55 word!", "abcdefghij", 9},
        {"12345678901234567890", "", 4},
        {"a", "ZYXWVUTSRQPONMLKJIH", 7},
    };
    for (const Case& c : cases) {
        const std::string stored = EncodeProfilePassword(c.password, c.filler, c.offset, Key());
        ASSERT_EQ(stored.size(), kStoredPasswordLength) << c.password;
        const DecodedPassword decoded = DecodeProfilePassword(stored, Key());
        EXPECT_TRUE(decoded.headerWellFormed) << c.password;
        EXPECT_TRUE(decoded.checkDigitCorrect) << c.password;
        EXPECT_EQ(decoded.password, c.password);
    }
}

// Builds a stored value from a plain header and body (the body in zig-zag order as stored).
std::string Scramble(const std::string& header, const std::string& body, std::size_t offset) {
    std::string stored = header + body;
    for (std::size_t i = 0; i < header.size() && i < stored.size(); ++i) {
        stored[i] = static_cast<char>(stored[i] ^ Key()[i]);
    }
    for (std::size_t i = 0; i < body.size(); ++i) {
        stored[4 + i] = static_cast<char>(stored[4 + i] ^ Key()[offset + i]);
    }
    return stored;
}

TEST(ProfilePasswordTest, Verdicts) {
    // Stored body order: B[0] = a and B[19] = b, so the decoded order reads "ab" and blanks.
    const std::string body = "a                  b";  // ordered: a, b, then blanks
    const int check = PasswordCheckDigit("ab");
    struct Case {
        const char* name;
        std::string stored;
        bool wellFormed;
        bool checkDigit;
        std::string password;
    } cases[] = {
        {"length 2", Scramble(std::to_string(check) + "002", body, 0), true, true, "ab"},
        {"length 0", Scramble(std::to_string(check) + "000", body, 0), true, true, ""},
        {"length above 20 takes the whole body", Scramble(std::to_string(check) + "099", body, 0),
         true, true, "ab" + std::string(18, ' ')},
        {"wrong check digit", Scramble(std::to_string((check + 1) % 10) + "002", body, 0), true,
         false, ""},
        {"header not digits", Scramble("x002", body, 0), false, false, ""},
        {"23 characters", Scramble(std::to_string(check) + "002", body.substr(1), 0), false, false,
         ""},
        {"25 characters", Scramble(std::to_string(check) + "002", body + " ", 0), false, false, ""},
        {"empty", "", false, false, ""},
    };
    for (const Case& c : cases) {
        const DecodedPassword decoded = DecodeProfilePassword(c.stored, Key());
        EXPECT_EQ(decoded.headerWellFormed, c.wellFormed) << c.name;
        EXPECT_EQ(decoded.checkDigitCorrect, c.checkDigit) << c.name;
        EXPECT_EQ(decoded.password, c.password) << c.name;
    }
}

TEST(ProfilePasswordTest, ZeroBytesOfTheBodyAreDropped) {
    // A body character equal to its key byte decodes to a zero byte and is not taken.
    std::string body = "a                  b";
    std::string stored = Scramble(std::to_string(PasswordCheckDigit("ab")) + "003", body, 0);
    stored[4 + 1] = static_cast<char>(Key()[1]);  // body[1] becomes a zero byte
    const DecodedPassword decoded = DecodeProfilePassword(stored, Key());
    ASSERT_TRUE(decoded.checkDigitCorrect);
    EXPECT_EQ(decoded.password, "ab ");
}

}  // namespace
}  // namespace trevalunda

#include "tool/stored_password.h"

#include <gtest/gtest.h>

#include <set>

namespace trevalunda::tool {
namespace {

const ProfileKey& Key() {
    static const ProfileKey key = MakeProfileKey();
    return key;
}

// Printable and not a blank, but for a blank at the start where only that can be stored.
bool FitsATextFile(const std::string& stored) {
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const bool allowedBlank = i == 0 && stored[i] == ' ';
        if (!allowedBlank && (stored[i] < '!' || stored[i] > '~')) {
            return false;
        }
    }
    return true;
}

std::string RandomPassword(std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> lengths(2, kPasswordBodyLength);
    std::uniform_int_distribution<int> characters(' ', '~');
    std::string password(lengths(random), ' ');
    for (char& c : password) {
        c = static_cast<char>(characters(random));
    }
    return password;
}

TEST(StoredPasswordTest, PasswordProblems) {
    struct Case {
        std::string password;
        std::optional<std::string> problem;
    } cases[] = {
        {"", "the password is empty"},
        {"x", "the password has 1 character; the sensor needs at least 2"},
        {std::string(21, 'x'), "the password has 21 characters; a profile holds at most 20"},
        {"ab\tc",
         "character 3 of the password is not printable ASCII (a profile holds blank to ~ "
         "only)"},
        {"abc\x7F",
         "character 4 of the password is not printable ASCII (a profile holds blank to "
         "~ only)"},
        {"\xC3\xA4pfel",
         "character 1 of the password is not printable ASCII (a profile holds "
         "blank to ~ only)"},
        {"ab", std::nullopt},
        {" a b ~", std::nullopt},
        {std::string(20, '~'), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PasswordProblem(c.password), c.problem) << "password: " << c.password;
    }
}

TEST(StoredPasswordTest, ThousandRandomPasswordsDecodeToThemselves) {
    std::mt19937 random(7);
    for (int i = 0; i < 1000; ++i) {
        const std::string password = RandomPassword(random);
        ASSERT_FALSE(PasswordProblem(password)) << "password: " << password;
        const std::optional<std::string> stored = StorePassword(password, Key(), random);
        ASSERT_TRUE(stored) << "password: " << password;
        EXPECT_EQ(stored->size(), kStoredPasswordLength) << "password: " << password;
        EXPECT_TRUE(FitsATextFile(*stored)) << "password: " << password << ", stored: " << *stored;
        const DecodedPassword decoded = DecodeProfilePassword(*stored, Key());
        EXPECT_TRUE(decoded.headerWellFormed) << "password: " << password;
        EXPECT_TRUE(decoded.checkDigitCorrect) << "password: " << password;
        EXPECT_EQ(decoded.password, password);
    }
}

TEST(StoredPasswordTest, KeyOffsetAndFillerVaryFromDrawToDraw) {
    std::mt19937 random(11);
    std::set<std::string> values;
    std::set<char> offsets;
    for (int i = 0; i < 50; ++i) {
        const std::string stored = StorePassword("secret", Key(), random).value();
        values.insert(stored);
        offsets.insert(static_cast<char>(stored[1] ^ Key()[1]));
        EXPECT_NE(stored[0], ' ') << "a password shorter than the body never needs a blank";
    }
    EXPECT_EQ(values.size(), 50U);
    EXPECT_GT(offsets.size(), 5U);
}

TEST(StoredPasswordTest, FullLengthPasswordWithCheckDigitThreeStartsWithABlank) {
    // The check digit 3 scrambles to a blank with this key, and a password that fills the
    // whole body leaves no filler to change the check digit.
    std::string password(kPasswordBodyLength - 1, 'a');
    password += 'a';
    while (PasswordCheckDigit(password) != 3) {
        ++password.back();
    }
    std::mt19937 random(3);
    const std::optional<std::string> stored = StorePassword(password, Key(), random);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->front(), ' ');
    EXPECT_TRUE(FitsATextFile(*stored)) << *stored;
    EXPECT_EQ(DecodeProfilePassword(*stored, Key()).password, password);
}

TEST(StoredPasswordTest, PasswordThatNoKeyOffsetCarriesIsRefused) {
    // Character 2k of the password lands on body position k and is scrambled with key byte
    // k + offset; for the offset k it becomes the control character DEL.
    std::string password;
    for (std::size_t k = 0; k <= kLargestKeyOffset; ++k) {
        if (k > 0) {
            password += 'A';
        }
        password += static_cast<char>(0x7F ^ Key()[2 * k]);
    }
    ASSERT_FALSE(PasswordProblem(password)) << password;
    std::mt19937 random(5);
    EXPECT_FALSE(StorePassword(password, Key(), random)) << password;
}

TEST(StoredPasswordTest, FreshGeneratorsDiffer) {
    EXPECT_NE(FreshRandom()(), FreshRandom()());
}

}  // namespace
}  // namespace trevalunda::tool

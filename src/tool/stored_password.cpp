#include "tool/stored_password.h"

#include <chrono>

#include "config/system_profile.h"
#include "tool/wording.h"

namespace trevalunda::tool {
namespace {

// Draws enough for any password that can be stored at all: a random draw fits in about
// every second try, and a password that only one key offset can carry in one of twenty.
constexpr int kDraws = 1000;

constexpr char kFirstVisible = '!';
constexpr char kLastVisible = '~';

std::size_t ShortestPassword() {
    for (const ProfileField& field : ProfileFields()) {
        if (field.member == &SystemProfile::Password) {
            return field.minimum;
        }
    }
    return 1;
}

bool IsPrintableAscii(char c) {
    return c >= ' ' && c <= kLastVisible;
}

bool FitsATextFile(std::string_view stored, bool mayStartWithBlank) {
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        const bool allowedBlank = i == 0 && mayStartWithBlank && c == ' ';
        if (!allowedBlank && (c < kFirstVisible || c > kLastVisible)) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::string> PasswordProblem(std::string_view password) {
    const std::size_t shortest = ShortestPassword();
    if (password.empty()) {
        return "the password is empty";
    }
    if (password.size() < shortest) {
        return "the password has " + Characters(password.size()) + "; the sensor needs at least " +
               std::to_string(shortest);
    }
    if (password.size() > kPasswordBodyLength) {
        return "the password has " + Characters(password.size()) + "; a profile holds at most " +
               std::to_string(kPasswordBodyLength);
    }
    for (std::size_t i = 0; i < password.size(); ++i) {
        if (!IsPrintableAscii(password[i])) {
            return "character " + std::to_string(i + 1) +
                   " of the password is not printable ASCII (a profile holds blank to ~ only)";
        }
    }
    return std::nullopt;
}

std::optional<std::string> StorePassword(std::string_view password, const ProfileKey& key,
                                         std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> offsets(0, kLargestKeyOffset);
    std::uniform_int_distribution<int> fillers(kFirstVisible, kLastVisible);
    const bool fullLength = password.size() == kPasswordBodyLength;
    for (int draw = 0; draw < kDraws; ++draw) {
        std::string filler(kPasswordBodyLength - password.size(), ' ');
        for (char& c : filler) {
            c = static_cast<char>(fillers(random));
        }
        const std::string stored = EncodeProfilePassword(password, filler, offsets(random), key);
        const DecodedPassword decoded = DecodeProfilePassword(stored, key);
        if (FitsATextFile(stored, fullLength) && decoded.checkDigitCorrect &&
            decoded.password == password) {
            return stored;
        }
    }
    return std::nullopt;
}

std::mt19937 FreshRandom() {
    std::random_device device;
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{device(),
                       device(),
                       device(),
                       device(),
                       static_cast<unsigned>(now),
                       static_cast<unsigned>(now >> 32)};
    return std::mt19937(seed);
}

}  // namespace trevalunda::tool

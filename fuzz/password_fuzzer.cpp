// The stored password that the profile tool writes decodes to the password it was made from,
// for any key offset, password length and filler.

#include "config/profile_password.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trevalunda;
    if (size < 2 + kPasswordBodyLength) {
        return 0;
    }
    const std::size_t offset = data[0] % (kLargestKeyOffset + 1);
    const std::size_t length = data[1] % (kPasswordBodyLength + 1);
    const std::string body(fuzz::AsText(data + 2, kPasswordBodyLength));
    if (body.find('\0') != std::string::npos) {
        return 0;  // the writer refuses zero bytes, which the decoding drops
    }
    static const ProfileKey key = MakeProfileKey();
    const std::string password = body.substr(0, length);
    const std::string stored = EncodeProfilePassword(password, body.substr(length), offset, key);
    fuzz::Require(stored.size() == kStoredPasswordLength, "24 stored characters", stored);
    const DecodedPassword decoded = DecodeProfilePassword(stored, key);
    fuzz::Require(decoded.headerWellFormed, "the header is four digits", stored);
    fuzz::Require(decoded.checkDigitCorrect, "the check digit matches", stored);
    fuzz::Require(decoded.password == password, "the password comes back", password);
    return 0;
}

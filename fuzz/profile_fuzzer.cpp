// A system profile read with both policies: the record holds only what the checks passed, and a
// refused profile's message gives an error document that parses.

#include "config/system_profile.h"
#include "fuzz_support.h"

namespace trevalunda::fuzz {
namespace {

const ProfileKey& Key() {
    static const ProfileKey key = MakeProfileKey();
    return key;
}

void CheckReading(std::string_view content, ReadPolicy policy) {
    const ProfileReading reading = ReadProfileFields(content, policy, Key());
    for (const ProfileLine& line : reading.lines) {
        Require(line.value.size() <= kValueLimit, "a value holds at most 60 characters",
                line.value);
        Require(line.value.find('\0') == std::string::npos, "a value ends at a zero byte",
                line.value);
        Require(line.value.find('\n') == std::string::npos, "a value lies on one line", line.value);
    }
    Require(reading.profile.Valid == reading.faults.empty(), "valid means no fault");
    for (const ProfileField& field : ProfileFields()) {
        const std::string& value = reading.profile.*field.member;
        Require(value.find('\0') == std::string::npos, "a field holds no zero byte", value);
        if (reading.profile.Valid) {
            Require(value.size() >= field.minimum && value.size() <= field.capacity,
                    "a valid record's fields have their lengths", field.label);
        }
    }
    for (char c : reading.profile.User) {
        Require(!(c >= 'a' && c <= 'z'), "the user is upper-cased", reading.profile.User);
    }

    const Result<SystemProfile> read = ReadSystemProfile(content, "PRD.P00", policy, Key());
    if (policy == ReadPolicy::Strict) {
        Require(read.ok() == reading.faults.empty(), "strict reading refuses any fault");
        if (!read.ok()) {
            RequireErrorDocumentParses(read.fatal().message);
        }
    } else {
        Require(read.ok(), "lenient reading never fails");
    }
}

}  // namespace
}  // namespace trevalunda::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trevalunda;
    const std::string_view content = fuzz::AsText(data, size);
    fuzz::CheckReading(content, ReadPolicy::Strict);
    fuzz::CheckReading(content, ReadPolicy::Lenient);

    // The whole input as a stored password value.
    const DecodedPassword decoded = DecodeProfilePassword(content, fuzz::Key());
    fuzz::Require(
        decoded.password.empty() || (decoded.headerWellFormed && decoded.checkDigitCorrect),
        "a password only from a sound stored value");
    fuzz::Require(decoded.password.size() <= kPasswordBodyLength, "at most 20 characters");
    fuzz::Require(decoded.password.find('\0') == std::string::npos, "no zero byte in a password");
    fuzz::Require(!decoded.headerWellFormed || size == kStoredPasswordLength,
                  "a well-formed stored value has 24 characters");
    return 0;
}

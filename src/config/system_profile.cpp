#include "config/system_profile.h"

#include <algorithm>

#include "base/text.h"
#include "platform/text_reader.h"

namespace trevalunda {
namespace {

constexpr std::size_t kStrictLineRead = 159;
constexpr std::size_t kLenientLineRead = 199;

void StorePassword(std::string_view stored, const ProfileKey& key, int lineNumber,
                   ProfileReading& reading) {
    if (stored.empty()) {
        reading.profile.Password.clear();
        return;
    }
    const DecodedPassword decoded = DecodeProfilePassword(stored, key);
    if (!decoded.headerWellFormed) {
        reading.faults.push_back({ProfileFaultKind::InvalidPassword, "Password...:", lineNumber});
    } else if (!decoded.checkDigitCorrect) {
        reading.faults.push_back({ProfileFaultKind::WrongPassword, "Password...:", lineNumber});
    } else {
        reading.profile.Password = decoded.password;
    }
}

int LastLineOf(const ProfileReading& reading, std::string_view label) {
    int lineNumber = 0;
    for (const ProfileLine& line : reading.lines) {
        if (line.label == label) {
            lineNumber = line.lineNumber;
        }
    }
    return lineNumber;
}

void AddFinalFault(ProfileReading& reading, ProfileFaultKind kind, std::string_view label) {
    reading.faults.push_back({kind, label, LastLineOf(reading, label)});
}

bool IsCredential(const ProfileField& field) {
    return field.member == &SystemProfile::User || field.member == &SystemProfile::Password;
}

void CheckFields(ProfileReading& reading, ProfileCredentials credentials) {
    const SystemProfile& profile = reading.profile;
    const bool inProfile = credentials == ProfileCredentials::InProfile;
    if (inProfile && profile.User.empty()) {
        AddFinalFault(reading, ProfileFaultKind::MissingUser, "User.......:");
    }
    if (inProfile && profile.Password.empty()) {
        AddFinalFault(reading, ProfileFaultKind::MissingPassword, "Password...:");
    }
    for (const ProfileField& field : ProfileFields()) {
        if (!inProfile && IsCredential(field)) {
            continue;
        }
        const std::size_t length = (profile.*field.member).size();
        if (length < field.minimum) {
            AddFinalFault(reading, ProfileFaultKind::TooShort, field.label);
        } else if (length > field.capacity) {
            AddFinalFault(reading, ProfileFaultKind::TooLong, field.label);
        }
    }
}

}  // namespace

const std::vector<ProfileField>& ProfileFields() {
    // Capacities are the characters each field holds; values longer than that are refused
    // rather than cut, so that a cut destination or user never logs on somewhere else.
    static const std::vector<ProfileField> kFields{
        {"Extcompany.:", &SystemProfile::Extcompany, 63, 2},
        {"Destination:", &SystemProfile::Destination, 11, 3},
        {"Client.....:", &SystemProfile::Client, 11, 3},
        {"User.......:", &SystemProfile::User, 47, 2},
        {"Password...:", &SystemProfile::Password, 31, 2},
        {"Language...:", &SystemProfile::Language, 31, 1},
        {"Mode.......:", &SystemProfile::Mode, 31, 3},
        {"Hostname...:", &SystemProfile::Hostname, 47, 2},
        {"Sysnr......:", &SystemProfile::Sysnr, 31, 2},
        {"Gwhost.....:", &SystemProfile::Gwhost, 61, 2},
        {"Gwservice..:", &SystemProfile::Gwservice, 31, 2},
    };
    return kFields;
}

const ProfileField* FindProfileField(std::string_view label) {
    for (const ProfileField& field : ProfileFields()) {
        if (field.label == label) {
            return &field;
        }
    }
    return nullptr;
}

ProfileReading ReadProfileFields(std::string_view content, ReadPolicy policy, const ProfileKey& key,
                                 ProfileCredentials credentials) {
    ProfileReading reading;
    platform::TextReader reader(content);
    const std::size_t readSize = policy == ReadPolicy::Strict ? kStrictLineRead : kLenientLineRead;
    while (auto line = reader.Read(readSize)) {
        const int lineNumber = reader.LineNumber();
        platform::StripLineEnd(*line);
        if (line->size() < kLabelLength) {
            continue;
        }
        const ProfileField* field =
            FindProfileField(std::string_view(*line).substr(0, kLabelLength));
        if (field == nullptr) {
            continue;
        }
        // The 13th character separates label and value and is skipped, whatever it is.
        const std::string_view given = line->size() > kLabelLength + 1
                                           ? std::string_view(*line).substr(kLabelLength + 1)
                                           : std::string_view();
        const std::string_view beforeZero = UpToZeroByte(given);
        const std::string value(beforeZero.substr(0, kValueLimit));
        const char separator = line->size() > kLabelLength ? (*line)[kLabelLength] : '\0';
        const bool cut = beforeZero.size() > kValueLimit;
        const bool endsAtZero = beforeZero.size() < std::min(given.size(), kValueLimit);
        reading.lines.push_back({field->label, lineNumber, separator, value, cut, endsAtZero});
        if (credentials == ProfileCredentials::FromElsewhere && IsCredential(*field)) {
            continue;
        }
        if (field->member == &SystemProfile::Password) {
            StorePassword(value, key, lineNumber, reading);
        } else if (field->member == &SystemProfile::User) {
            reading.profile.User = UpperAscii(value);
        } else {
            reading.profile.*field->member = value;
        }
    }
    CheckFields(reading, credentials);
    reading.profile.Valid = reading.faults.empty();
    return reading;
}

std::string ProfileFaultMessage(const ProfileFault& fault, std::string_view profileName) {
    const std::string name(profileName);
    switch (fault.kind) {
        case ProfileFaultKind::InvalidPassword:
            return "Error 1004: Invalid Password in Profile " + name + " found...";
        case ProfileFaultKind::WrongPassword:
            return "Error 1005: Wrong Password in Profile " + name + " found...";
        case ProfileFaultKind::MissingUser:
            return "Error 1006: Username in Profile " + name + " is missing...";
        case ProfileFaultKind::MissingPassword:
            return "Error 1007: Password in Profile " + name + " is missing...";
        case ProfileFaultKind::TooShort:
        case ProfileFaultKind::TooLong:
            break;
    }
    return "Error 1003: Invalid Parameter(s) at " + name + " found...";
}

Result<SystemProfile> ReadSystemProfile(std::string_view content, std::string_view profileName,
                                        ReadPolicy policy, const ProfileKey& key,
                                        ProfileCredentials credentials) {
    ProfileReading reading = ReadProfileFields(content, policy, key, credentials);
    if (policy == ReadPolicy::Strict && !reading.faults.empty()) {
        return Fatal{ProfileFaultMessage(reading.faults.front(), profileName)};
    }
    return std::move(reading.profile);
}

}  // namespace trevalunda

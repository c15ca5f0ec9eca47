#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "config/profile_password.h"

namespace trevalunda {

// The logon data of one SAP system, as its profile file gives it.
struct SystemProfile {
    std::string Extcompany;
    std::string Destination;
    std::string Client;
    std::string User;      // upper-cased
    std::string Password;  // decoded
    std::string Language;
    std::string Mode;
    std::string Hostname;
    std::string Sysnr;
    std::string Gwhost;
    std::string Gwservice;
    bool Valid = true;
};

// Strict: the first fault ends the run with its message. Lenient: a fault only clears Valid.
enum class ReadPolicy { Strict, Lenient };

// Whether the profile gives the logon user and password. When they come from elsewhere (from
// PRTG), the profile may leave out its "User.......:" and "Password...:" lines; lines that are
// there are kept among the read lines but neither decoded nor checked, and the record's User
// and Password stay empty.
enum class ProfileCredentials { InProfile, FromElsewhere };

// One field of the profile format: its label, its capacity and the least it must hold.
struct ProfileField {
    std::string_view label;
    std::string SystemProfile::*member;
    std::size_t capacity;
    std::size_t minimum;
};

// The eleven fields in the order in which their lengths are checked.
const std::vector<ProfileField>& ProfileFields();

// The field with this label, compared exactly; null for none.
const ProfileField* FindProfileField(std::string_view label);

inline constexpr std::size_t kLabelLength = 12;
inline constexpr std::size_t kValueLimit = 60;

enum class ProfileFaultKind {
    InvalidPassword,  // stored value not 24 characters or header not four digits (1004)
    WrongPassword,    // check digit does not match (1005)
    MissingUser,      // 1006
    MissingPassword,  // 1007
    TooShort,         // a field below its minimum (1003)
    TooLong,          // a field beyond its capacity (1003)
};

struct ProfileFault {
    ProfileFaultKind kind;
    std::string_view label;  // the field's label; empty for none
    // The line of a password fault; for a fault found at the end, the last line that gave the
    // field; 0 when no line gave it.
    int lineNumber = 0;
};

// A line that gave a field, as the reading took it. Line numbers count the lines of the file,
// from 1; the rest of an over-long line that is read as a line of its own keeps its number.
struct ProfileLine {
    std::string_view label;
    int lineNumber = 0;
    char separator = '\0';  // the 13th character; zero when the line ends after the label
    std::string value;      // cut at kValueLimit; a password still in its stored form
    bool cut = false;       // the line gave more than kValueLimit characters
    bool endsAtZero = false;  // a zero byte ended the value before kValueLimit characters
};

// Everything a reading found: the record, its faults in the order they were noticed, and the
// lines that gave fields, in file order.
struct ProfileReading {
    SystemProfile profile;
    std::vector<ProfileFault> faults;
    std::vector<ProfileLine> lines;
};

ProfileReading ReadProfileFields(std::string_view content, ReadPolicy policy, const ProfileKey& key,
                                 ProfileCredentials credentials = ProfileCredentials::InProfile);

// The message of a fault, quoting the profile name.
std::string ProfileFaultMessage(const ProfileFault& fault, std::string_view profileName);

// Reads a profile. With Strict a faulty profile yields the message of its first fault; with
// Lenient it yields the record with Valid cleared.
Result<SystemProfile> ReadSystemProfile(
    std::string_view content, std::string_view profileName, ReadPolicy policy,
    const ProfileKey& key, ProfileCredentials credentials = ProfileCredentials::InProfile);

}  // namespace trevalunda

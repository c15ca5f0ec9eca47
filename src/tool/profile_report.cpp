#include "tool/profile_report.h"

#include <set>

#include "config/profile_location.h"
#include "config/prtg_credentials.h"
#include "config/system_profile.h"
#include "tool/report_lines.h"
#include "tool/wording.h"

namespace trevalunda::tool {
namespace {

constexpr std::string_view kPasswordLabel = "Password...:";

const ProfileLine* LineAt(const ProfileReading& reading, std::string_view label, int number) {
    for (const ProfileLine& line : reading.lines) {
        if (line.label == label && line.lineNumber == number) {
            return &line;
        }
    }
    return nullptr;
}

const ProfileLine* LastLine(const ProfileReading& reading, std::string_view label) {
    const ProfileLine* last = nullptr;
    for (const ProfileLine& line : reading.lines) {
        if (line.label == label) {
            last = &line;
        }
    }
    return last;
}

// "Error 1003" of a message of the sensor.
std::string ErrorNumberOf(const ProfileFault& fault) {
    const std::string message = ProfileFaultMessage(fault, "");
    return message.substr(0, message.find(':'));
}

std::string StoredPasswordProblem(std::string_view stored) {
    if (stored.size() != kStoredPasswordLength) {
        return "has a stored value of " + Characters(stored.size()) + ", not " +
               std::to_string(kStoredPasswordLength);
    }
    return "has a stored value whose header is not four scrambled digits: it was not written "
           "by trevalunda-profile, or it was changed";
}

std::string LengthProblem(const ProfileFault& fault, const ProfileReading& reading) {
    const ProfileField& field = *FindProfileField(fault.label);
    const std::size_t length = (reading.profile.*field.member).size();
    if (fault.kind == ProfileFaultKind::TooLong) {
        return "has " + Characters(length) + "; the sensor takes at most " +
               std::to_string(field.capacity);
    }
    const std::string rule = "the sensor needs at least " + Characters(field.minimum);
    if (fault.lineNumber == 0) {
        return "is missing; " + rule;
    }
    if (field.member == &SystemProfile::Password) {
        return "holds a password of " + Characters(length) + "; " + rule;
    }
    if (length == 0) {
        return "is empty; " + rule;
    }
    return "has " + Characters(length) + "; " + rule;
}

std::string MissingProblem(const ProfileFault& fault, const ProfileReading& reading,
                           std::string_view what) {
    const ProfileLine* line = LineAt(reading, fault.label, fault.lineNumber);
    const std::string rule = "; a profile needs " + std::string(what);
    if (line == nullptr) {
        return "is missing" + rule;
    }
    if (line->value.empty()) {
        return "is empty" + rule;
    }
    return "holds a password of length 0" + rule;
}

std::string FaultText(const ProfileFault& fault, const ProfileReading& reading) {
    const ProfileLine* line = LineAt(reading, fault.label, fault.lineNumber);
    switch (fault.kind) {
        case ProfileFaultKind::InvalidPassword:
            return StoredPasswordProblem(line != nullptr ? line->value : "");
        case ProfileFaultKind::WrongPassword:
            return "has a stored value whose check digit does not match: it was changed";
        case ProfileFaultKind::MissingUser:
            return MissingProblem(fault, reading, "a user");
        case ProfileFaultKind::MissingPassword:
            return MissingProblem(fault, reading, "a password");
        case ProfileFaultKind::TooShort:
        case ProfileFaultKind::TooLong:
            break;
    }
    return LengthProblem(fault, reading);
}

// Every fault, but only the first one noticed for each field: the later ones follow from it.
void ReportFaults(const ProfileReading& reading, ReportLines& report) {
    std::set<std::string_view> reported;
    for (const ProfileFault& fault : reading.faults) {
        if (!reported.insert(fault.label).second) {
            continue;
        }
        report.Add(fault.lineNumber, std::string(fault.label) + " " + FaultText(fault, reading) +
                                         " (" + ErrorNumberOf(fault) + ")");
    }
}

std::string PasswordVerdict(const ProfileReading& reading, const ProfileKey& key) {
    const ProfileLine* line = LastLine(reading, kPasswordLabel);
    if (line == nullptr) {
        return "none given";
    }
    if (line->value.empty()) {
        return "empty";
    }
    const DecodedPassword decoded = DecodeProfilePassword(line->value, key);
    if (!decoded.headerWellFormed) {
        return line->value.size() != kStoredPasswordLength
                   ? "not well formed (" + Characters(line->value.size()) + ", not " +
                         std::to_string(kStoredPasswordLength) + ")"
                   : "not well formed (the header is not four digits)";
    }
    if (!decoded.checkDigitCorrect) {
        return "well formed, check digit wrong";
    }
    const std::size_t shortest = FindProfileField(kPasswordLabel)->minimum;
    if (decoded.password.size() < shortest) {
        return "well formed, check digit right, too short (" + Characters(decoded.password.size()) +
               ", at least " + std::to_string(shortest) + " needed)";
    }
    return "well formed, check digit right, length right";
}

void ReportWarnings(const ProfileReading& reading, bool readableByOthers, ReportLines& report) {
    for (std::size_t i = 0; i < reading.lines.size(); ++i) {
        const ProfileLine& line = reading.lines[i];
        const std::string label(line.label);
        if (line.separator != ' ' && line.separator != '\0') {
            report.Add(line.lineNumber, "warning: the character after " + label +
                                            " is not a blank; the sensor skips it all the same, "
                                            "so the value begins one character later");
        }
        if (line.cut) {
            report.Add(line.lineNumber,
                       "warning: " + label + " gives more than " + Characters(kValueLimit) +
                           "; the sensor reads only the first " + std::to_string(kValueLimit));
        }
        if (line.endsAtZero) {
            report.Add(line.lineNumber, "warning: " + label + " holds a zero byte after " +
                                            Characters(line.value.size()) +
                                            "; the sensor reads the value only up to it");
        }
        for (std::size_t j = i; j > 0; --j) {
            if (reading.lines[j - 1].label == line.label) {
                report.Add(line.lineNumber, "warning: " + label +
                                                " is given again; this line replaces line " +
                                                std::to_string(reading.lines[j - 1].lineNumber));
                break;
            }
        }
    }
    // A profile without a password line (its password comes from PRTG) holds no secret.
    if (readableByOthers && LastLine(reading, kPasswordLabel) != nullptr) {
        report.Add(
            "warning: users other than its owner may read this file, and the password in it is "
            "only scrambled, not encrypted");
    }
}

bool IsCredentialLabel(std::string_view label) {
    return label == "User.......:" || label == kPasswordLabel;
}

// Where a single-system run takes user and password from when the settings name PRTG, and
// what a multi-system run, which always reads them from the profile, makes of this one.
void ReportPrtgCredentials(const std::string& content, const ProfileKey& key,
                           const ProfileSettings& settings, ReportLines& report) {
    const PrtgVariables variables = PrtgVariablesFor(settings.credentials);
    report.Add("user and password: from PRTG's " + std::string(variables.user) + " and " +
               std::string(variables.password) + " in a single-system run, as Credentials=" +
               std::string(CredentialSourceWord(settings.credentials)) + " in " +
               settings.fileName + " selects; a multi-system run takes the profile's");
    const ProfileReading own = ReadProfileFields(content, ReadPolicy::Lenient, key);
    for (const ProfileFault& fault : own.faults) {
        if (IsCredentialLabel(fault.label)) {
            report.Add(
                "warning: this profile gives no usable user and password of its own: a "
                "multi-system run would count its system as failed");
            return;
        }
    }
}

}  // namespace

ProfileReport ReportProfile(std::string_view path, const platform::FileContent& file,
                            bool readableByOthers, const ProfileKey& key,
                            const ProfileSettings& settings) {
    ReportLines report(path);
    const std::string name(platform::FileNameOf(path));
    if (file.status != platform::ReadStatus::Ok) {
        const char* why =
            file.status == platform::ReadStatus::Missing ? "no such file" : "cannot be read";
        report.Add(std::string(why) + "; the sensor would stop with " +
                   MissingProfile(name).message);
        return {false, report.Take()};
    }
    const bool fromPrtg =
        settings.failure.empty() && settings.credentials != CredentialSource::Profile;
    const ProfileCredentials credentials =
        fromPrtg ? ProfileCredentials::FromElsewhere : ProfileCredentials::InProfile;
    const Result<SystemProfile> sensorReading =
        ReadSystemProfile(file.bytes, name, ReadPolicy::Strict, key, credentials);
    const ProfileReading reading =
        ReadProfileFields(file.bytes, ReadPolicy::Strict, key, credentials);
    const bool accepted = settings.failure.empty() && sensorReading.ok();
    if (!settings.failure.empty()) {
        report.Add("the sensor stops before it reads this profile: " + settings.failure);
    } else {
        report.Add(accepted ? "the sensor accepts this profile"
                            : "the sensor refuses this profile: " + sensorReading.fatal().message);
    }
    if (fromPrtg) {
        ReportPrtgCredentials(file.bytes, key, settings, report);
    }
    ReportFaults(reading, report);
    if (!fromPrtg || LastLine(reading, kPasswordLabel) != nullptr) {
        report.Add("password: " + PasswordVerdict(reading, key));
    }
    ReportWarnings(reading, readableByOthers, report);
    return {accepted, report.Take()};
}

}  // namespace trevalunda::tool

#include "config/installation_settings.h"

#include <limits>
#include <string>

#include "base/text.h"
#include "platform/file_system.h"
#include "platform/text_reader.h"

namespace trevalunda {
namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// A value written in double quotes stands for the text inside them; a lone or unbalanced
// quote is part of the value.
std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string Where(std::string_view fileName, int lineNumber) {
    return " in " + std::string(fileName) + " line " + std::to_string(lineNumber) + "...";
}

// Where a setting stands, for its messages.
struct SettingLine {
    std::string_view fileName;
    int lineNumber = 0;
};

Status SetOutputMode(std::string_view value, const SettingLine& where,
                     InstallationSettings& settings) {
    const auto mode = OutputModeFromWord(value);
    if (!mode) {
        return Fatal{"Error 1042: Unknown OutputMode " + std::string(value) + " in " +
                     std::string(where.fileName) + " line " + std::to_string(where.lineNumber) +
                     " (valid: " + OutputModeWordList() + ")..."};
    }
    settings.outputMode = *mode;
    return std::nullopt;
}

Status SetRfcLibrary(std::string_view value, const SettingLine&, InstallationSettings& settings) {
    settings.rfcLibrary = value;
    return std::nullopt;
}

// Whole seconds from 0 (no deadline) to an hour.
Status SetTimeout(std::string_view value, const SettingLine& where,
                  InstallationSettings& settings) {
    constexpr int kLongest = 3600;
    int seconds = 0;
    bool valid = !value.empty() && value.size() <= 4;
    for (std::size_t i = 0; valid && i < value.size(); ++i) {
        valid = value[i] >= '0' && value[i] <= '9';
        seconds = seconds * 10 + (value[i] - '0');
    }
    if (!valid || seconds > kLongest) {
        return Fatal{"Error 1043: Invalid Timeout " + std::string(value) +
                     Where(where.fileName, where.lineNumber)};
    }
    settings.timeoutSeconds = seconds;
    return std::nullopt;
}

// A whole number of 0 or more in decimal digits alone, within the range of the lock count.
std::optional<std::uint32_t> WholeNumber(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        number = number * 10 + static_cast<std::uint64_t>(c - '0');
        if (number > std::numeric_limits<std::uint32_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(number);
}

Status SetLimit(std::string_view value, const SettingLine& where, std::string_view prefix,
                std::optional<std::uint32_t>& limit) {
    limit = WholeNumber(value);
    if (!limit) {
        return Fatal{std::string(prefix) + std::string(value) +
                     Where(where.fileName, where.lineNumber)};
    }
    return std::nullopt;
}

Status SetLockWarning(std::string_view value, const SettingLine& where,
                      InstallationSettings& settings) {
    return SetLimit(value, where, "Error 1044: Invalid LockWarning ", settings.lockWarning);
}

Status SetLockError(std::string_view value, const SettingLine& where,
                    InstallationSettings& settings) {
    return SetLimit(value, where, "Error 1045: Invalid LockError ", settings.lockError);
}

Status SetSummaryChannels(std::string_view value, const SettingLine& where,
                          InstallationSettings& settings) {
    if (EqualsIgnoringCase(value, "Yes")) {
        settings.summaryChannels = true;
    } else if (EqualsIgnoringCase(value, "No")) {
        settings.summaryChannels = false;
    } else {
        return Fatal{"Error 1046: Invalid SummaryChannels " + std::string(value) +
                     Where(where.fileName, where.lineNumber)};
    }
    return std::nullopt;
}

constexpr CredentialSource kCredentialSources[] = {
    CredentialSource::Profile,
    CredentialSource::PrtgLinux,
    CredentialSource::PrtgWindows,
};

Status SetCredentials(std::string_view value, const SettingLine& where,
                      InstallationSettings& settings) {
    for (const CredentialSource source : kCredentialSources) {
        if (EqualsIgnoringCase(value, CredentialSourceWord(source))) {
            settings.credentials = source;
            return std::nullopt;
        }
    }
    return Fatal{"Error 1048: Invalid Credentials " + std::string(value) +
                 Where(where.fileName, where.lineNumber)};
}

// The settings an installation may make, by key (compared in any letter case).
struct SettingRule {
    std::string_view key;
    Status (*set)(std::string_view value, const SettingLine& where, InstallationSettings& settings);
};

constexpr SettingRule kSettingRules[] = {
    {"OutputMode", SetOutputMode},            // the front-end that reads the result
    {"RfcLibrary", SetRfcLibrary},            // the RFC library to load
    {"Timeout", SetTimeout},                  // seconds until the sensor answers in any case
    {"LockWarning", SetLockWarning},          // warning limit of the lock channels
    {"LockError", SetLockError},              // error limit of the lock channels
    {"SummaryChannels", SetSummaryChannels},  // a multi-system run's counts as channels
    {"Credentials", SetCredentials},          // where a single system's user and password are
};

const SettingRule* FindSettingRule(std::string_view key) {
    for (const SettingRule& rule : kSettingRules) {
        if (EqualsIgnoringCase(key, rule.key)) {
            return &rule;
        }
    }
    return nullptr;
}

}  // namespace

std::string_view CredentialSourceWord(CredentialSource source) {
    switch (source) {
        case CredentialSource::PrtgLinux:
            return "PrtgLinux";
        case CredentialSource::PrtgWindows:
            return "PrtgWindows";
        case CredentialSource::Profile:
            break;
    }
    return "Profile";
}

std::string SettingsPathFor(std::string_view executablePath) {
    const std::string_view folder = platform::FolderOf(executablePath);
    std::string_view name = platform::FileNameOf(executablePath);
    if (const auto dot = name.rfind('.'); dot != std::string_view::npos && dot > 0) {
        name = name.substr(0, dot);
    }
    return std::string(folder) + std::string(name) + ".ini";
}

Result<InstallationSettings> ParseInstallationSettings(std::string_view text,
                                                       std::string_view fileName) {
    InstallationSettings settings;
    platform::TextReader reader(text);
    while (auto piece = reader.Read(text.size())) {
        const int lineNumber = reader.LineNumber();
        platform::StripLineEnd(*piece);
        const std::string_view line = Trim(*piece);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        const auto equals = line.find('=');
        const std::string_view key = Trim(line.substr(0, equals));
        const SettingRule* rule = equals == std::string_view::npos ? nullptr : FindSettingRule(key);
        if (rule == nullptr) {
            return Fatal{"Error 1041: Unknown setting " + std::string(key) +
                         Where(fileName, lineNumber)};
        }
        const SettingLine where{fileName, lineNumber};
        const std::string_view value = Unquoted(Trim(UpToZeroByte(line.substr(equals + 1))));
        if (Status failed = rule->set(value, where, settings)) {
            return *failed;
        }
    }
    return settings;
}

Result<InstallationSettings> ReadInstallationSettings(const platform::FileSystem& files,
                                                      const std::string& path) {
    const platform::FileContent file = files.Read(path);
    const std::string_view fileName = platform::FileNameOf(path);
    switch (file.status) {
        case platform::ReadStatus::Missing:
            return InstallationSettings{};
        case platform::ReadStatus::Unreadable:
        case platform::ReadStatus::NotAFile:  // a folder in its place is no settings to ignore
            return Fatal{"Error 1040: Settings file " + std::string(fileName) +
                         " cannot be read..."};
        case platform::ReadStatus::Ok:
            break;
    }
    return ParseInstallationSettings(file.bytes, fileName);
}

}  // namespace trevalunda

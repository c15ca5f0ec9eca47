#include "config/installation_settings.h"

#include <string>

#include "base/text.h"
#include "platform/file_system.h"
#include "platform/text_reader.h"

namespace trevalunda {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
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
        return Fatal{"Error 1042: Unknown OutputMode " + std::string(value) +
                     Where(where.fileName, where.lineNumber)};
    }
    settings.outputMode = *mode;
    return std::nullopt;
}

Status SetRfcLibrary(std::string_view value, const SettingLine&, InstallationSettings& settings) {
    settings.rfcLibrary = value;
    return std::nullopt;
}

// The settings an installation may make, by key (compared in any letter case).
struct SettingRule {
    std::string_view key;
    Status (*set)(std::string_view value, const SettingLine& where, InstallationSettings& settings);
};

constexpr SettingRule kSettingRules[] = {
    {"OutputMode", SetOutputMode},
    {"RfcLibrary", SetRfcLibrary},
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
    if (text.starts_with(kUtf8ByteOrderMark)) {
        text.remove_prefix(kUtf8ByteOrderMark.size());
    }
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
        const std::string_view value = Trim(UpToZeroByte(line.substr(equals + 1)));
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
            return Fatal{"Error 1040: Settings file " + std::string(fileName) +
                         " cannot be read..."};
        case platform::ReadStatus::Ok:
            break;
    }
    return ParseInstallationSettings(file.bytes, fileName);
}

}  // namespace trevalunda

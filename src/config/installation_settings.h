#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/output_mode.h"
#include "base/result.h"

namespace trevalunda {

namespace platform {
class FileSystem;
}

// Where a single-system run takes the logon user and password from: the profile, or the
// environment variables that PRTG fills from the device's credentials for Linux or Windows
// systems.
enum class CredentialSource { Profile, PrtgLinux, PrtgWindows };

// The word of the setting "Credentials" for the source ("Profile", "PrtgLinux", "PrtgWindows").
std::string_view CredentialSourceWord(CredentialSource source);

// What an installation sets in the optional settings file beside the executable.
struct InstallationSettings {
    OutputMode outputMode = OutputMode::Exexml;
    std::string rfcLibrary;  // empty: the platform's usual name of the RFC library
    // Seconds from the start of the run until the sensor answers in any case; 0: no deadline.
    // Below PRTG's own timeout of 60 seconds, so that the sensor's message reaches PRTG.
    int timeoutSeconds = 50;
    // The limits that the lock-count channels of the XML form carry; nothing: none written.
    std::optional<std::uint32_t> lockWarning;
    std::optional<std::uint32_t> lockError;
    // A multi-system run of the lock item writes its counts as channels too.
    bool summaryChannels = false;
    CredentialSource credentials = CredentialSource::Profile;
};

// The settings file of an executable: its base name with ".ini", in the same folder.
std::string SettingsPathFor(std::string_view executablePath);

// Parses "Key=Value" lines; blank lines and lines beginning with ";" or "#" are comments.
// Keys match in any letter case, mode words exactly, the words of the other settings in any
// letter case. A value may be written in double quotes (Key="Value"). Messages name the file
// and the line.
Result<InstallationSettings> ParseInstallationSettings(std::string_view text,
                                                       std::string_view fileName);

// Reads the settings file at the path; a missing file means the defaults.
Result<InstallationSettings> ReadInstallationSettings(const platform::FileSystem& files,
                                                      const std::string& path);

}  // namespace trevalunda

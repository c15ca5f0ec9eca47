#pragma once

#include <string>
#include <string_view>

#include "base/output_mode.h"
#include "base/result.h"

namespace trevalunda {

namespace platform {
class FileSystem;
}

// What an installation sets in the optional settings file beside the executable.
struct InstallationSettings {
    OutputMode outputMode = OutputMode::Exexml;
    std::string rfcLibrary;  // empty: the platform's usual name of the RFC library
    // Seconds from the start of the run until the sensor answers in any case; 0: no deadline.
    // Below PRTG's own timeout of 60 seconds, so that the sensor's message reaches PRTG.
    int timeoutSeconds = 50;
};

// The settings file of an executable: its base name with ".ini", in the same folder.
std::string SettingsPathFor(std::string_view executablePath);

// Parses "Key=Value" lines; blank lines and lines beginning with ";" or "#" are comments.
// Keys match in any letter case, mode words exactly. Messages name the file and the line.
Result<InstallationSettings> ParseInstallationSettings(std::string_view text,
                                                       std::string_view fileName);

// Reads the settings file at the path; a missing file means the defaults.
Result<InstallationSettings> ReadInstallationSettings(const platform::FileSystem& files,
                                                      const std::string& path);

}  // namespace trevalunda

#include "tool/check_command.h"

#include "config/installation_settings.h"
#include "platform/file_system.h"
#include "tool/help_text.h"
#include "tool/profile_report.h"

namespace trevalunda::tool {
namespace {

// The settings file in the profile's folder, read as the sensor reads the one beside it: PRTG's
// custom-sensor folder holds the sensor, its settings and the profiles.
ProfileSettings SettingsBeside(const std::string& path, const platform::FileSystem& files) {
    ProfileSettings settings;
    const Result<InstallationSettings> read =
        ReadInstallationSettings(files, std::string(platform::FolderOf(path)) + settings.fileName);
    if (read.ok()) {
        settings.credentials = read.value().credentials;
    } else {
        settings.failure = read.fatal().message;
    }
    return settings;
}

}  // namespace

ToolExit RunCheck(const std::vector<std::string>& arguments, ToolServices& services) {
    if (arguments.empty()) {
        WriteMessage(services,
                     "check needs at least one FILE (see trevalunda-profile check --help)");
        return ToolExit::Failure;
    }
    for (const std::string& argument : arguments) {
        if (argument == "--help") {
            services.out << CheckHelp();
            return ToolExit::Success;
        }
        if (argument.rfind("--", 0) == 0) {
            WriteMessage(services, "check has no option " + argument);
            return ToolExit::Failure;
        }
    }
    bool allAccepted = true;
    for (const std::string& path : arguments) {
        const ProfileReport report =
            ReportProfile(path, services.files.Read(path), services.files.IsReadableByOthers(path),
                          services.key, SettingsBeside(path, services.files));
        services.out << report.text;
        allAccepted = allAccepted && report.accepted;
    }
    return allAccepted ? ToolExit::Success : ToolExit::Refused;
}

}  // namespace trevalunda::tool

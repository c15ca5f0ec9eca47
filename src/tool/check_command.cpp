#include "tool/check_command.h"

#include "platform/file_system.h"
#include "tool/help_text.h"
#include "tool/profile_report.h"

namespace trevalunda::tool {

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
        const ProfileReport report = ReportProfile(
            path, services.files.Read(path), services.files.IsReadableByOthers(path), services.key);
        services.out << report.text;
        allAccepted = allAccepted && report.accepted;
    }
    return allAccepted ? ToolExit::Success : ToolExit::Refused;
}

}  // namespace trevalunda::tool

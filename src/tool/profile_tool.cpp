#include "tool/profile_tool.h"

#include "output/version_line.h"
#include "tool/check_command.h"
#include "tool/diagnose_command.h"
#include "tool/encode_command.h"
#include "tool/help_text.h"
#include "tool/listing_command.h"
#include "tool/new_command.h"

namespace trevalunda::tool {

ToolExit RunProfileTool(const std::vector<std::string>& arguments, ToolServices& services) {
    if (arguments.empty()) {
        services.err << ToolHelp();
        return ToolExit::Failure;
    }
    const std::string& command = arguments.front();
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (command == "--help" || command == "-h" || command == "help" || command == "/?") {
        services.out << ToolHelp();
        return ToolExit::Success;
    }
    if (command == "--version") {
        services.out << VersionLine("trevalunda-profile");
        return ToolExit::Success;
    }
    if (command == "encode") {
        return RunEncode(rest, services);
    }
    if (command == "new") {
        return RunNew(rest, services);
    }
    if (command == "check") {
        return RunCheck(rest, services);
    }
    if (command == "listing") {
        return RunListing(rest, services);
    }
    if (command == "diagnose") {
        return RunDiagnose(rest, services);
    }
    WriteMessage(services, "unknown command " + command + " (see trevalunda-profile --help)");
    return ToolExit::Failure;
}

}  // namespace trevalunda::tool

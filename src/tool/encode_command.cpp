#include "tool/encode_command.h"

#include "tool/help_text.h"
#include "tool/password_input.h"

namespace trevalunda::tool {

ToolExit RunEncode(const std::vector<std::string>& arguments, ToolServices& services) {
    if (arguments.size() == 1 && arguments.front() == "--help") {
        services.out << EncodeHelp();
        return ToolExit::Success;
    }
    if (!arguments.empty()) {
        WriteMessage(services,
                     "encode takes no arguments: the password is read from standard input, "
                     "never from the command line");
        return ToolExit::Failure;
    }
    const Result<std::string> stored = ReadStoredPassword(services);
    if (!stored.ok()) {
        WriteMessage(services, stored.fatal().message);
        return ToolExit::Failure;
    }
    if (stored.value().front() == ' ') {
        WriteMessage(services, "note: the stored value begins with a blank, which belongs to it");
    }
    services.out << stored.value() << '\n';
    return ToolExit::Success;
}

}  // namespace trevalunda::tool

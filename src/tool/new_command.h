#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "tool/tool_services.h"

namespace trevalunda::tool {

// What the command line of the new command asks for.
struct NewRequest {
    std::string file;
    std::map<std::string_view, std::string> values;  // by option name, as typed
    bool replace = false;
    bool noCredentials = false;  // without user and password, which PRTG then gives
    bool help = false;
};

// Reads the arguments after "new". Options take their value as the next argument or after
// "=". Values are not checked here.
Result<NewRequest> ParseNewArguments(const std::vector<std::string>& arguments);

// trevalunda-profile new: writes a profile from the options and the password on standard
// input, refusing every value that the sensor would refuse or cut. With --no-credentials the
// profile has neither user nor password, and no password is read.
ToolExit RunNew(const std::vector<std::string>& arguments, ToolServices& services);

}  // namespace trevalunda::tool

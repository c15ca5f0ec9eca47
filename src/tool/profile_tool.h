#pragma once

#include <string>
#include <vector>

#include "tool/tool_services.h"

namespace trevalunda::tool {

// trevalunda-profile: runs the command that the arguments (without the program's name) name.
ToolExit RunProfileTool(const std::vector<std::string>& arguments, ToolServices& services);

}  // namespace trevalunda::tool

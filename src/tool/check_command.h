#pragma once

#include <string>
#include <vector>

#include "tool/tool_services.h"

namespace trevalunda::tool {

// trevalunda-profile check: reports for each profile file whether the sensor would accept it
// and every problem in it.
ToolExit RunCheck(const std::vector<std::string>& arguments, ToolServices& services);

}  // namespace trevalunda::tool

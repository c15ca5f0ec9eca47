#pragma once

#include <string>
#include <vector>

#include "tool/tool_services.h"

namespace trevalunda::tool {

// trevalunda-profile encode: prints the stored value of the password on standard input.
ToolExit RunEncode(const std::vector<std::string>& arguments, ToolServices& services);

}  // namespace trevalunda::tool

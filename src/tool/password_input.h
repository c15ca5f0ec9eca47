#pragma once

#include <string>

#include "base/result.h"
#include "tool/tool_services.h"

namespace trevalunda::tool {

// Reads the password from standard input and returns its stored value. A person at a
// terminal is asked twice, without the typed characters being shown; a pipe or a file gives
// its first line. A password that cannot be stored fails with the reason.
Result<std::string> ReadStoredPassword(ToolServices& services);

}  // namespace trevalunda::tool

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trevalunda::platform {

// The value of one of the process's environment variables, as the sensor's 8-bit text (on
// Windows in the ANSI code page, a character without an 8-bit form as "?"); nothing when the
// variable is not set.
std::optional<std::string> EnvironmentVariable(std::string_view name);

}  // namespace trevalunda::platform

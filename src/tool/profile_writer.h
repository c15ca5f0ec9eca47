#pragma once

#include <string>
#include <string_view>

#include "config/system_profile.h"

namespace trevalunda::tool {

// The text of a profile in the sensor's label format: one line per field in the order of
// ProfileFields, the label, a blank and the value, the password in its stored form. Lines end
// with CR LF on every platform: profiles are read on Windows, and the sensor reads CR LF the
// same everywhere, so a profile written anywhere can be copied anywhere.
std::string ProfileText(const SystemProfile& values, std::string_view storedPassword);

// The same text without the "User.......:" and "Password...:" lines, for an installation that
// takes the user and password from PRTG.
std::string ProfileTextWithoutCredentials(const SystemProfile& values);

}  // namespace trevalunda::tool

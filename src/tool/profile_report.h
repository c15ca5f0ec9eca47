#pragma once

#include <string>
#include <string_view>

#include "config/profile_password.h"
#include "platform/file_system.h"

namespace trevalunda::tool {

// What check found in one profile file.
struct ProfileReport {
    bool accepted = false;  // the sensor's single-system run would take the profile
    std::string text;       // lines that begin with the file's path
};

// Reads a profile the way the sensor's single-system run reads it and reports the sensor's
// verdict, then every fault with its line and the rule it breaks (one per field, the first
// noticed), the verdict on the stored password without the password, and warnings about
// what the sensor takes silently in another way than it was probably meant.
ProfileReport ReportProfile(std::string_view path, const platform::FileContent& file,
                            bool readableByOthers, const ProfileKey& key);

}  // namespace trevalunda::tool

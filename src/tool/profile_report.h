#pragma once

#include <string>
#include <string_view>

#include "config/installation_settings.h"
#include "config/profile_password.h"
#include "platform/file_system.h"

namespace trevalunda::tool {

// What the installation's settings file beside a profile tells about the profile's reading.
struct ProfileSettings {
    std::string fileName = "trevalunda.ini";
    CredentialSource credentials = CredentialSource::Profile;
    std::string failure;  // the message with which the settings stop the sensor; empty: none
};

// What check found in one profile file.
struct ProfileReport {
    bool accepted = false;  // the sensor's single-system run would take the profile
    std::string text;       // lines that begin with the file's path
};

// Reads a profile the way the sensor's single-system run reads it and reports the sensor's
// verdict, then every fault with its line and the rule it breaks (one per field, the first
// noticed), the verdict on the stored password without the password, and warnings about
// what the sensor takes silently in another way than it was probably meant. When the settings
// take the credentials from PRTG, the profile's user and password are not needed, and the
// report says where they come from.
ProfileReport ReportProfile(std::string_view path, const platform::FileContent& file,
                            bool readableByOthers, const ProfileKey& key,
                            const ProfileSettings& settings = {});

}  // namespace trevalunda::tool

#pragma once

#include <string>
#include <string_view>

#include "config/installation_settings.h"
#include "config/profile_location.h"

namespace trevalunda::tool {

// What an administrator does about the first failure that the diagnose command finds, in
// one sentence each.

std::string SettingsRemedy();
std::string ProfileSearchRemedy(std::string_view message, std::string_view profileName,
                                LocatePolicy policy);
std::string ProfileReadRemedy(std::string_view message, std::string_view profilePath,
                              CredentialSource credentials);
// From the sensor's message about the library that cannot be opened.
std::string LibraryRemedy(std::string_view message);
// From the library's reason for a failed logon.
std::string LogonRemedy(std::string_view reason);
std::string DeadlineRemedy();
std::string LibraryErrorRemedy();
std::string HandlerReportRemedy();
std::string RemoteCallRemedy(std::string_view function);
std::string NotOracleRemedy();
// For a failure that the steps do not explain.
std::string UnexplainedRemedy();

}  // namespace trevalunda::tool

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "config/installation_settings.h"

namespace trevalunda {

// The two environment variables that PRTG fills from the device's credentials when the
// sensor's setting "Set placeholders as environment values" is on.
struct PrtgVariables {
    std::string_view user;
    std::string_view password;
};

// The pair of a PRTG source: prtg_linuxuser and prtg_linuxpassword, or prtg_windowsuser and
// prtg_windowspassword. Only for the two PRTG sources.
PrtgVariables PrtgVariablesFor(CredentialSource source);

// Looks up an environment variable of the run; nothing when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;

struct LogonCredentials {
    std::string user;  // upper-cased, as a profile's user is read
    std::string password;
};

// The user and password that PRTG passed in the source's pair of variables. A variable that is
// empty counts as not set; unless both are set the run cannot log on, and the result is
// Error 1008.
Result<LogonCredentials> ReadPrtgCredentials(CredentialSource source,
                                             const EnvironmentLookup& environment);

}  // namespace trevalunda

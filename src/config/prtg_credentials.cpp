#include "config/prtg_credentials.h"

#include "base/text.h"

namespace trevalunda {

PrtgVariables PrtgVariablesFor(CredentialSource source) {
    if (source == CredentialSource::PrtgLinux) {
        return {"prtg_linuxuser", "prtg_linuxpassword"};
    }
    return {"prtg_windowsuser", "prtg_windowspassword"};
}

Result<LogonCredentials> ReadPrtgCredentials(CredentialSource source,
                                             const EnvironmentLookup& environment) {
    const PrtgVariables variables = PrtgVariablesFor(source);
    const std::optional<std::string> user = environment(variables.user);
    std::optional<std::string> password = environment(variables.password);
    if (!user || user->empty() || !password || password->empty()) {
        return Fatal{
            "Error 1008: No credentials from PRTG: switch on 'Set placeholders as environment "
            "values' in the sensor's settings and fill the device's credentials..."};
    }
    return LogonCredentials{UpperAscii(*user), std::move(*password)};
}

}  // namespace trevalunda

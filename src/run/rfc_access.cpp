#include "run/rfc_access.h"

#include <utility>

#include "config/system_profile.h"
#include "run/parameter_keywords.h"
#include "run/sensor_run.h"

namespace trevalunda {

Status StartRfcClient(RunRecords& records, RunServices& services) {
    if (records.rfc) {
        return std::nullopt;
    }
    Result<std::unique_ptr<RfcClient>> opened =
        services.rfcClients(records.settings.rfcLibrary, records.log, services.out);
    if (!opened.ok()) {
        return opened.fatal();
    }
    records.rfc = std::move(opened.value());
    return std::nullopt;
}

LogonData LogonDataFor(const SystemProfile& profile, const ParameterText& parameters) {
    const ParameterKeywords asked = ReadParameterKeywords(parameters);
    LogonData system;
    system.destination = profile.Destination;
    system.client = profile.Client;
    system.user = profile.User;
    system.password = profile.Password;
    system.language = profile.Language;
    system.mode = profile.Mode;
    system.host = asked.host.empty() ? profile.Hostname : asked.host;
    system.systemNumber = asked.systemNumber.empty() ? profile.Sysnr : asked.systemNumber;
    system.gatewayHost = profile.Gwhost;
    system.gatewayService = profile.Gwservice;
    system.progressLines = asked.verboseConsole;
    return system;
}

}  // namespace trevalunda

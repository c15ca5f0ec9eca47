#include "run/rfc_session.h"

#include <utility>

#include "measure/system_identity.h"
#include "rfc/error_report.h"
#include "rfc/trace_scan.h"
#include "run/sensor_run.h"

namespace trevalunda {

RfcSession::RfcSession(std::unique_ptr<RfcLibrary> loaded, RunServices& services, RunLog& log)
    : library(std::move(loaded)),
      connector(library->Functions(), services.files, services.out, log),
      calls(library->Functions(), log) {}

Status StartRfcSession(RunRecords& records, RunServices& services) {
    if (records.rfc) {
        return std::nullopt;
    }
    Result<std::unique_ptr<RfcLibrary>> loaded =
        LoadRfcLibrary(records.settings.rfcLibrary, services.executablePath, services.files);
    if (!loaded.ok()) {
        return loaded.fatal();
    }
    records.rfc = std::make_unique<RfcSession>(std::move(loaded.value()), services, records.log);
    return std::nullopt;
}

void InstallRfcEnvironment(RunRecords& records, RunServices& services) {
    RfcSession& rfc = *records.rfc;
    rfc.environment = {InstallRfcErrorHandler(services.out, rfc.Functions()), nullptr};
    rfc.Functions().RfcEnvironment(&rfc.environment);
}

LogonOverrides OverridesFrom(const ParameterText& parameters) {
    return {parameters.ValueAfter(",HOST=", " ,").value_or(""),
            parameters.ValueAfter(",NO=", " ,").value_or("")};
}

Status IdentifyReachedSystem(RunRecords& records, RunServices& services) {
    RunContext& run = records.context;
    run.StatusWord = kStatusError;
    Result<SystemInfoOutcome> info = ReadSystemInfo(records.rfc->calls, run.connection);
    if (!info.ok()) {
        return info.fatal();
    }
    if (info.value().code != kRfcOk) {
        return Fatal{info.value().failureText + ScanRfcTrace(services.files)};
    }
    run.StatusWord = kStatusOk;
    records.shownHost = info.value().hostName;
    if (!RunsOnOracle(info.value().databaseSystem)) {
        return Fatal{"Error 1018: DataBase mismatch !"};
    }
    return std::nullopt;
}

void CloseConnection(RunRecords& records) {
    if (records.context.connection != 0) {
        records.rfc->Functions().RfcClose(records.context.connection);
        records.context.connection = 0;
    }
}

}  // namespace trevalunda

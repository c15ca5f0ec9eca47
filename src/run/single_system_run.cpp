#include "run/single_system_run.h"

#include "config/system_profile.h"
#include "measure/lock_waiters.h"
#include "output/console_lines.h"
#include "platform/file_system.h"
#include "rfc/trace_scan.h"

namespace trevalunda {
namespace {

void PrintProgress(RunServices& services, const std::string& line) {
    services.out.Write(line + "\n");
}

// The lines that show a person who started the sensor by hand what it is about to do.
void PrintStartLines(RunRecords& records, RunServices& services, const SystemProfile& profile) {
    const RunContext& run = records.context;
    PrintProgress(services, run.startLine);
    PrintProgress(services, SystemLine(services.timeOfDay(),
                                       {records.location.ProfileName, records.shownHost,
                                        profile.Destination, profile.Sysnr, profile.Client}) +
                                " State=Processing");
    PrintProgress(services,
                  SingleExecutingLine(services.timeOfDay(),
                                      SingleRunParameterText(run.ParameterString.Text())));
}

// Logon, identity check and measurement; the lock count, or the failure that ended the run.
Result<std::uint32_t> MeasureSystem(RunRecords& records, RunServices& services,
                                    const SystemProfile& profile) {
    RunContext& run = records.context;
    RfcSession& rfc = *records.rfc;
    run.connection = rfc.connector.OpenConnection(profile, OverridesFrom(run.ParameterString));
    if (run.connection == 0) {
        return Fatal{"Error 1011: RFC-Open for " + profile.Destination + " failed !"};
    }
    if (Status failed = IdentifyReachedSystem(records, services)) {
        return *failed;
    }
    run.StatusWord = kStatusError;
    Result<LockWaiterOutcome> locks =
        MeasureLockWaiters(rfc.Functions(), rfc.calls, run.connection);
    if (!locks.ok()) {
        return locks.fatal();
    }
    CloseConnection(records);
    if (locks.value().code != kRfcOk) {
        return Fatal{locks.value().failureText + ScanRfcTrace(services.files)};
    }
    run.StatusWord = kStatusOk;
    return locks.value().count;
}

}  // namespace

Result<ExitCode> SingleSystemRun(RunRecords& records, RunServices& services) {
    RunContext& run = records.context;
    Result<SystemProfile> read =
        ReadSystemProfile(records.location.content, records.location.ProfileName,
                          ReadPolicy::Strict, records.profileKey);
    if (!read.ok()) {
        return read.fatal();
    }
    const SystemProfile& profile = read.value();
    records.shownHost = profile.Hostname;
    records.log.WriteTraceLine(0, "program started", run.programPath);
    if (Status failed = StartRfcSession(records, services)) {
        return *failed;
    }
    InstallRfcEnvironment(records, services);
    records.log.WriteTraceLine(0, "RfcEnvironment called", "");
    records.document.ClearDocument();
    run.StatusWord = kStatusError;
    if (run.VerboseConsole) {
        PrintStartLines(records, services, profile);
    }

    Result<std::uint32_t> count = MeasureSystem(records, services, profile);
    if (!count.ok()) {
        // The library's error report reads the library's last error: nothing may come first.
        if (!count.fatal().libraryError) {
            CloseConnection(records);
        }
        return count.fatal();
    }
    WriteLockResult(records.document, profile.Destination, count.value());
    services.out.Write(records.document.Text());
    services.files.Remove(std::string(kRfcTraceFile));
    if (run.VerboseConsole) {
        PrintProgress(services, EndLine(services.timeOfDay()));
    }
    return ExitCode::Success;
}

}  // namespace trevalunda

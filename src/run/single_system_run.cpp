#include "run/single_system_run.h"

#include "config/system_profile.h"
#include "measure/lock_waiters.h"
#include "measure/measure_system.h"
#include "output/console_lines.h"
#include "platform/file_system.h"
#include "rfc/trace_scan.h"
#include "run/lock_channels.h"
#include "run/rfc_access.h"

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

// The lock count of the measured system, or the failure that ends the run.
Result<std::uint32_t> CountOf(RunRecords& records, const SystemProfile& profile,
                              const SystemMeasurement& measured) {
    switch (measured.ending) {
        case SystemEnding::LogonFailed: {
            std::string message = "Error 1011: RFC-Open for " + profile.Destination + " failed !";
            if (!measured.failureText.empty()) {
                message += " - " + measured.failureText;
            }
            return Fatal{message};
        }
        case SystemEnding::LockWaitersFailed:
            return Fatal{measured.failureText + records.rfc->FailureFinding()};
        case SystemEnding::Measured:
            break;
    }
    return measured.count;
}

}  // namespace

Result<SystemProfile> ReadProfileOfTheRun(const RunRecords& records, const RunServices& services) {
    const CredentialSource source = records.settings.credentials;
    const ProfileCredentials credentials = source == CredentialSource::Profile
                                               ? ProfileCredentials::InProfile
                                               : ProfileCredentials::FromElsewhere;
    Result<SystemProfile> read =
        ReadSystemProfile(records.location.content, records.location.ProfileName,
                          ReadPolicy::Strict, records.profileKey, credentials);
    if (!read.ok() || source == CredentialSource::Profile) {
        return read;
    }
    Result<LogonCredentials> prtg = ReadPrtgCredentials(source, services.environment);
    if (!prtg.ok()) {
        return prtg.fatal();
    }
    read.value().User = std::move(prtg.value().user);
    read.value().Password = std::move(prtg.value().password);
    return read;
}

Result<ExitCode> SingleSystemRun(RunRecords& records, RunServices& services) {
    RunContext& run = records.context;
    Result<SystemProfile> read = ReadProfileOfTheRun(records, services);
    if (!read.ok()) {
        return read.fatal();
    }
    const SystemProfile& profile = read.value();
    records.shownHost = profile.Hostname;
    records.log.WriteTraceLine(0, "program started", run.programPath);
    if (Status failed = StartRfcClient(records, services)) {
        return *failed;
    }
    records.log.WriteTraceLine(0, "RfcEnvironment called", "");
    records.document.ClearDocument();
    run.StatusWord = kStatusError;
    if (run.VerboseConsole) {
        PrintStartLines(records, services, profile);
    }

    Result<SystemMeasurement> measured =
        MeasureSystem(*records.rfc, LogonDataFor(profile, run.ParameterString), records.rfcStep);
    if (!measured.ok()) {
        return measured.fatal();
    }
    Result<std::uint32_t> count = CountOf(records, profile, measured.value());
    if (!count.ok()) {
        return count.fatal();
    }
    run.StatusWord = kStatusOk;
    WriteLockResult(records.document, profile.Destination, count.value(),
                    LockChannelLimits(records.settings));
    const platform::OutputHold answer = services.out.BeginAnswer();
    services.out.Write(records.document.Text());
    services.files.Remove(std::string(kRfcTraceFile));
    if (run.VerboseConsole) {
        PrintProgress(services, EndLine(services.timeOfDay()));
    }
    return ExitCode::Success;
}

}  // namespace trevalunda

#include "run/sensor_run.h"

#include <utility>

#include "output/console_lines.h"
#include "rfc/error_report.h"
#include "run/multi_system_run.h"
#include "run/single_system_run.h"

namespace trevalunda {

SensorRun::SensorRun(RunServices services, std::vector<std::string> arguments)
    : services_(std::move(services)), arguments_(std::move(arguments)) {}

ExitCode SensorRun::Execute() {
    Result<ExitCode> outcome = Run();
    const ExitCode code = outcome.ok() ? outcome.value() : Fail(outcome.fatal());
    services_.out.Flush();
    return services_.out.Failed() ? ExitCode::Fatal : code;
}

Result<ExitCode> SensorRun::Run() {
    if (Status failed = Prepare()) {
        return *failed;
    }
    if (records_.context.MultiSystemRun) {
        return MultiSystemRun(records_, services_);
    }
    return SingleSystemRun(records_, services_);
}

// Command line, installation settings and profile location: everything before the kind of
// run takes over.
Status SensorRun::Prepare() {
    records_.profileKey = MakeProfileKey();
    Result<RunContext> context = ReadCommandLine(arguments_, services_.timeOfDay());
    if (!context.ok()) {
        return context.fatal();
    }
    records_.context = std::move(context.value());
    RunContext& run = records_.context;

    const ProfileNaming naming = NameProfile(run.ProfileName, run.itemRun);
    run.MultiSystemRun = naming.MultiSystemRun;

    if (services_.executablePath.empty()) {
        return Fatal{"Error 1047: The path of trevalunda cannot be found..."};
    }
    Result<InstallationSettings> settings =
        ReadInstallationSettings(services_.files, SettingsPathFor(services_.executablePath));
    if (!settings.ok()) {
        return settings.fatal();
    }
    records_.settings = std::move(settings.value());
    records_.document.SetOutputMode(records_.settings.outputMode);
    records_.document.SelectChannel(run.ParameterString.SelectedChannel());
    if (run.ParameterString.Contains(",SYSLOG")) {
        records_.log = RunLog(services_.files, RunLogFileName(services_.executablePath));
    }

    const LocatePolicy policy =
        LocatePolicyFor(records_.settings.outputMode, run.ParameterString.ContainsAnyOf("@"));
    Result<ProfileLocation> location = LocateProfile(naming, policy, services_.files);
    if (!location.ok()) {
        return location.fatal();
    }
    records_.location = std::move(location.value());
    return std::nullopt;
}

// The one place where a failure becomes the error document and the exit code.
ExitCode SensorRun::Fail(const Fatal& fatal) {
    if (fatal.libraryError) {
        PrintRfcErrorReport(services_.out, records_.rfc->Functions(), fatal.message);
        return ExitCode::RfcError;
    }
    if (records_.openingWritten && records_.document.Form() == DocumentForm::Xml) {
        services_.out.Write(ErrorDocumentCompletion(fatal.message));
    } else {
        records_.document.MakeErrorDocument(fatal.message);
        services_.out.Write(records_.document.Text());
    }
    return ExitCode::Fatal;
}

}  // namespace trevalunda

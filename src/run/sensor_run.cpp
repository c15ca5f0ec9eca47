#include "run/sensor_run.h"

#include <utility>

#include "run/information_request.h"
#include "run/multi_system_run.h"
#include "run/parameter_keywords.h"
#include "run/single_system_run.h"

namespace trevalunda {

SensorRun::SensorRun(RunServices services, std::vector<std::string> arguments)
    : output_(services.out),
      services_{services.files,
                output_,
                std::move(services.timeOfDay),
                std::move(services.executablePath),
                std::move(services.rfcClients),
                std::move(services.endProcess),
                std::move(services.environment)},
      arguments_(std::move(arguments)) {}

ExitCode SensorRun::Execute() {
    Result<ExitCode> outcome = Run();
    const ExitCode code = outcome.ok() ? outcome.value() : Fail(outcome.fatal());
    deadline_.Stop();
    services_.out.Flush();
    return services_.out.Failed() ? ExitCode::Fatal : code;
}

Result<ExitCode> SensorRun::Run() {
    if (const auto answered = AnswerInformationRequest(arguments_, services_.out)) {
        return *answered;
    }
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
    const ParameterKeywords asked = ReadParameterKeywords(run.ParameterString);

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
    records_.document.SelectChannel(asked.selectedChannel);
    if (asked.callTrace) {
        records_.log = RunLog(services_.files, RunLogFileName(services_.executablePath));
    }

    const LocatePolicy policy = LocatePolicyFor(records_.settings.outputMode, asked.noSearch);
    Result<ProfileLocation> location = LocateProfile(naming, policy, services_.files);
    if (!location.ok()) {
        return location.fatal();
    }
    records_.location = std::move(location.value());
    StartDeadline();
    return std::nullopt;
}

void SensorRun::StartDeadline() {
    if (records_.settings.timeoutSeconds > 0) {
        deadline_.Start(start_ + std::chrono::seconds(records_.settings.timeoutSeconds),
                        [this] { AnswerAtDeadline(); });
    }
}

// The deadline passed while the run waits: the answer goes out in the run's place, naming
// the system and the step that did not answer, and the process ends, whatever the library
// call under way still does.
void SensorRun::AnswerAtDeadline() {
    bool runAnswers = false;
    const platform::OutputHold hold = output_.TakeOver(runAnswers);
    if (runAnswers) {
        return;
    }
    const std::string message =
        DeadlineMessage(records_.settings.timeoutSeconds, records_.rfcStep.Current());
    output_.Write(records_.document.FailurePiece(message));
    output_.Flush();
    records_.log.WriteTraceLine(0, message, "");
    services_.endProcess(static_cast<int>(ExitCode::Fatal));
}

// The one place where a failure becomes the error document and the exit code.
ExitCode SensorRun::Fail(const Fatal& fatal) {
    const platform::OutputHold answer = services_.out.BeginAnswer();
    if (fatal.libraryError) {
        records_.rfc->PrintErrorReport(services_.out, fatal.message);
        return ExitCode::RfcError;
    }
    services_.out.Write(records_.document.FailurePiece(fatal.message));
    return ExitCode::Fatal;
}

}  // namespace trevalunda

#include "tool/diagnose_command.h"

#include <thread>
#include <utility>

#include "config/installation_settings.h"
#include "config/profile_location.h"
#include "config/prtg_credentials.h"
#include "config/system_profile.h"
#include "measure/system_identity.h"
#include "output/form_writer.h"
#include "platform/file_system.h"
#include "platform/output_sink.h"
#include "rfc/trace_scan.h"
#include "run/parameter_keywords.h"
#include "run/rfc_access.h"
#include "run/sensor_run.h"
#include "run/single_system_run.h"
#include "tool/diagnose_remedy.h"
#include "tool/diagnose_watch.h"
#include "tool/help_text.h"

namespace trevalunda::tool {
namespace {

constexpr std::size_t kLabelWidth = 15;

// Writes the report's lines, "Label..........: text", and keeps the first remedy.
class DiagnoseReport {
  public:
    explicit DiagnoseReport(std::ostream& out) : out_(out) {}

    void Line(std::string_view label, std::string_view text) {
        std::string line(label);
        if (line.size() < kLabelWidth) {
            line.append(kLabelWidth - line.size(), '.');
        }
        // The texts quote names and lines from outside: a control character among them could
        // split the line or hide its start.
        out_ << line << ": " << WithoutControlCharacters(text) << '\n';
    }
    void Remedy(std::string remedy) {
        if (remedy_.empty()) {
            remedy_ = std::move(remedy);
        }
    }
    bool Failed() const { return !remedy_.empty(); }
    const std::string& RemedyText() const { return remedy_; }
    std::ostream& Out() { return out_; }

  private:
    std::ostream& out_;
    std::string remedy_;
};

// A fixed-width field of the system's answer without its padding blanks.
std::string WithoutPadding(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// A path as the report shows it: one without a folder lies in the working folder.
std::string Shown(const std::string& path) {
    return platform::FolderOf(path).empty() ? path + " in the working folder" : path;
}

std::optional<InstallationSettings> ReportSettings(DiagnoseReport& report,
                                                   const std::string& sensorPath,
                                                   const platform::FileSystem& files) {
    const std::string path = SettingsPathFor(sensorPath);
    Result<InstallationSettings> settings = ReadInstallationSettings(files, path);
    if (!settings.ok()) {
        report.Line("Settings", path + ": " + settings.fatal().message);
        report.Remedy(SettingsRemedy());
        return std::nullopt;
    }
    if (files.Read(path).status == platform::ReadStatus::Missing) {
        report.Line("Settings", "no " + path + ", so the defaults apply");
    } else {
        report.Line("Settings", path);
    }
    return std::move(settings.value());
}

std::optional<ProfileLocation> ReportSearch(DiagnoseReport& report, const RunContext& run,
                                            const ProfileNaming& naming,
                                            const InstallationSettings& settings,
                                            const platform::FileSystem& files) {
    const ParameterKeywords asked = ReadParameterKeywords(run.ParameterString);
    const LocatePolicy policy = LocatePolicyFor(settings.outputMode, asked.noSearch);
    SearchTrail trail;
    Result<ProfileLocation> location = LocateProfile(naming, policy, files, &trail);
    for (const SearchedPlace& place : trail) {
        report.Line("Profile search", Shown(place.path) + ": " + place.finding);
    }
    if (!location.ok()) {
        report.Line("Profile", location.fatal().message);
        report.Remedy(ProfileSearchRemedy(location.fatal().message, naming.ProfileName, policy));
        return std::nullopt;
    }
    report.Line("Profile", Shown(location.value().ProfilePath));
    return std::move(location.value());
}

// The profile's fields as the run reads them; the password only as set or not.
std::optional<SystemProfile> ReportProfile(DiagnoseReport& report, const RunRecords& records,
                                           const RunServices& services) {
    Result<SystemProfile> read = ReadProfileOfTheRun(records, services);
    if (!read.ok()) {
        report.Line("Profile fields", read.fatal().message);
        report.Remedy(ProfileReadRemedy(read.fatal().message, records.location.ProfilePath,
                                        records.settings.credentials));
        return std::nullopt;
    }
    const SystemProfile& profile = read.value();
    const CredentialSource source = records.settings.credentials;
    for (const ProfileField& field : ProfileFields()) {
        std::string label(field.label.substr(0, field.label.find_first_of(".:")));
        std::string value = profile.*field.member;
        if (field.member == &SystemProfile::Password) {
            value = value.empty() ? "not set" : "set";
        }
        if (source != CredentialSource::Profile &&
            (field.member == &SystemProfile::User || field.member == &SystemProfile::Password)) {
            const PrtgVariables variables = PrtgVariablesFor(source);
            value += " (from " +
                     std::string(field.member == &SystemProfile::User ? variables.user
                                                                      : variables.password) +
                     ")";
        }
        report.Line(label, value);
    }
    return std::move(read.value());
}

void ReportLogonData(DiagnoseReport& report, const SystemProfile& profile, const RunContext& run) {
    const LogonData system = LogonDataFor(profile, run.ParameterString);
    std::string text = system.destination + ", client " + system.client + ", ";
    if (system.mode == "R/2") {
        text += "gateway " + system.gatewayHost + " service " + system.gatewayService;
    } else {
        text += "host " + system.host + ", system number " + system.systemNumber;
    }
    report.Line("Logon data", text);
}

// What the run did with the library, step by step, as the watch saw it.
void ReportRfcSteps(DiagnoseReport& report, const RfcWatch& watch) {
    if (!watch.opening) {
        return;
    }
    if (watch.openingFailed) {
        report.Line("Library", *watch.openingFailed);
        report.Remedy(LibraryRemedy(*watch.openingFailed));
        return;
    }
    report.Line("Library", watch.libraryName + ", " + std::string(RfcLibraryKindWords(watch.kind)));
    if (watch.libraryReported) {
        report.Line("Library error",
                    "the library reported a failure to the sensor's error "
                    "handler during the step " +
                        watch.stepUnderWay);
        report.Remedy(HandlerReportRemedy());
        return;
    }
    if (!watch.stepUnderWay.empty()) {
        report.Line("Deadline", "the library had not finished the step " + watch.stepUnderWay);
        report.Remedy(DeadlineRemedy());
        return;
    }
    if (watch.libraryError) {
        report.Line("Library error", *watch.libraryError + " failed inside the library");
        report.Remedy(LibraryErrorRemedy());
        return;
    }
    if (!watch.logon) {
        return;
    }
    if (!watch.logon->opened) {
        report.Line("Logon", "failed: " + watch.failureDescription);
        report.Remedy(LogonRemedy(watch.logon->reason + " " + watch.failureDescription));
        return;
    }
    report.Line("Logon", "done");
    if (!watch.identity) {
        return;
    }
    if (watch.identity->code != kRfcOk) {
        report.Line("System info", watch.identity->failureText + ": " + watch.failureDescription);
        report.Remedy(RemoteCallRemedy("RFC_SYSTEM_INFO"));
        return;
    }
    const std::string database = WithoutPadding(watch.identity->databaseSystem) + " on host " +
                                 WithoutPadding(watch.identity->hostName);
    if (!RunsOnOracle(watch.identity->databaseSystem)) {
        report.Line("Database", database + ": not Oracle, which the sensor measures alone");
        report.Remedy(NotOracleRemedy());
        return;
    }
    report.Line("Database", database);
    if (!watch.locks) {
        return;
    }
    if (watch.locks->code != kRfcOk) {
        report.Line("Lock waiters", watch.locks->failureText + ": " + watch.failureDescription);
        report.Remedy(RemoteCallRemedy("S_DB_EXCLUSIVE_LOCK_WAITERS"));
        return;
    }
    report.Line("Lock waiters", std::to_string(watch.locks->count));
}

void ReportFiles(DiagnoseReport& report, const WatchedFileSystem& files) {
    std::string text;
    for (const FileChange& change : files.Changes()) {
        text.append(text.empty() ? "" : "; ").append(change.path).append(" ").append(change.how);
    }
    if (files.CanOpenForReading(std::string(kRfcTraceFile))) {
        text.append(text.empty() ? "" : "; ")
            .append(kRfcTraceFile)
            .append(" is there, the library's own trace file");
    }
    report.Line("Files", text.empty() ? "the sensor changed none" : text);
}

// The sensor's output, kept for the report. The classic library's error handler prints its
// report from inside a library call and ends the process at once: a flush from the run's own
// thread while a step is under way is that report, and the diagnosis is finished then.
class CapturedOutput final : public platform::OutputSink {
  public:
    explicit CapturedOutput(RfcWatch& watch) : watch_(watch) {}

    void Write(std::string_view text) override { text_ += text; }
    void Flush() override {
        if (!watch_.stepUnderWay.empty() && std::this_thread::get_id() == runThread_ &&
            onLibraryReport_) {
            watch_.libraryReported = true;
            const auto finish = std::move(onLibraryReport_);
            onLibraryReport_ = nullptr;
            finish(text_);
        }
    }
    const std::string& Text() const { return text_; }
    void OnLibraryReport(std::function<void(const std::string&)> finish) {
        onLibraryReport_ = std::move(finish);
    }

  private:
    RfcWatch& watch_;
    std::thread::id runThread_ = std::this_thread::get_id();
    std::function<void(const std::string&)> onLibraryReport_;
    std::string text_;
};

// The rest of the report once the sensor's run has ended: the library's steps, the files, the
// sensor's exact output with its exit code and what to do.
ToolExit FinishReport(DiagnoseReport& report, const RfcWatch& watch, const WatchedFileSystem& files,
                      const std::string& output, int exitCode) {
    ReportRfcSteps(report, watch);
    ReportFiles(report, files);
    report.Line("Exit code", std::to_string(exitCode));
    report.Line("Document", "what the sensor prints follows");
    report.Out() << output;
    if (!output.empty() && output.back() != '\n') {
        report.Out() << '\n';
    }
    if (exitCode != 0) {
        report.Remedy(UnexplainedRemedy());
    }
    if (!report.Failed()) {
        report.Line("Result", "the scan succeeds");
        report.Out().flush();
        return ToolExit::Success;
    }
    report.Line("What to do", report.RemedyText());
    report.Out().flush();
    return ToolExit::Refused;
}

}  // namespace

std::string SensorBesideTool(const std::string& toolPath) {
    const std::string_view name = platform::FileNameOf(toolPath);
    const std::size_t dot = name.rfind('.');
    const std::string_view extension =
        dot == std::string_view::npos || dot == 0 ? std::string_view() : name.substr(dot);
    return std::string(platform::FolderOf(toolPath)) + "trevalunda" + std::string(extension);
}

ToolExit RunDiagnose(const std::vector<std::string>& arguments, ToolServices& services) {
    if (arguments.empty()) {
        WriteMessage(services, "diagnose needs a PROFILE (see trevalunda-profile diagnose --help)");
        return ToolExit::Failure;
    }
    if (arguments.front() == "--help") {
        services.out << DiagnoseHelp();
        return ToolExit::Success;
    }
    if (!services.sensorServices) {
        WriteMessage(services, "diagnose cannot run the sensor here");
        return ToolExit::Failure;
    }
    WatchedFileSystem files(services.files);
    RfcWatch watch;
    CapturedOutput captured(watch);
    RunServices sensor = services.sensorServices(files, captured);
    const std::string sensorPath =
        sensor.executablePath.empty() ? "" : SensorBesideTool(sensor.executablePath);
    sensor.executablePath = sensorPath;
    std::vector<std::string> sensorArguments{sensorPath};
    sensorArguments.insert(sensorArguments.end(), arguments.begin(), arguments.end());

    DiagnoseReport report(services.out);
    RunRecords records;
    Result<RunContext> context = ReadCommandLine(sensorArguments, sensor.timeOfDay());
    if (context.ok()) {
        records.context = std::move(context.value());
        const ProfileNaming naming =
            NameProfile(records.context.ProfileName, records.context.itemRun);
        if (naming.MultiSystemRun) {
            WriteMessage(services, "diagnose serves one system; " + naming.ProfileName +
                                       " is a listing (trevalunda-profile listing explains it)");
            return ToolExit::Failure;
        }
        report.Line("Sensor", sensorPath.empty() ? "its path cannot be found" : sensorPath);
        if (sensorPath.empty()) {
            report.Remedy(UnexplainedRemedy());
        } else if (auto settings = ReportSettings(report, sensorPath, files)) {
            records.settings = std::move(*settings);
            if (auto location =
                    ReportSearch(report, records.context, naming, records.settings, files)) {
                records.location = std::move(*location);
                records.profileKey = MakeProfileKey();
                if (auto profile = ReportProfile(report, records, sensor)) {
                    ReportLogonData(report, *profile, records.context);
                }
            }
        }
    } else {
        report.Line("Command line", context.fatal().message);
        report.Remedy(UnexplainedRemedy());
    }

    sensor.rfcClients = WatchRfcClients(std::move(sensor.rfcClients), watch);
    // At the deadline the sensor answers in the run's place and ends the process: the report
    // is finished first.
    std::function<void(int)> endProcess = std::move(sensor.endProcess);
    sensor.endProcess = [&](int code) {
        FinishReport(report, watch, files, captured.Text(), code);
        endProcess(static_cast<int>(ToolExit::Refused));
    };
    captured.OnLibraryReport([&](const std::string& output) {
        FinishReport(report, watch, files, output, static_cast<int>(ExitCode::RfcError));
    });
    SensorRun run(std::move(sensor), sensorArguments);
    const ExitCode code = run.Execute();
    return FinishReport(report, watch, files, captured.Text(), static_cast<int>(code));
}

}  // namespace trevalunda::tool

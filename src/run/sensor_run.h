#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/installation_settings.h"
#include "config/profile_location.h"
#include "config/profile_password.h"
#include "config/prtg_credentials.h"
#include "config/sensor_listing.h"
#include "measure/rfc_step.h"
#include "output/result_document.h"
#include "output/run_log.h"
#include "platform/output_sink.h"
#include "rfc/rfc_client.h"
#include "run/exit_code.h"
#include "run/run_context.h"
#include "run/run_deadline.h"

namespace trevalunda {

namespace platform {
class FileSystem;
}

// Opens the RFC library that the installation names (empty: the default library) and gives
// the sensor's client for it; the client writes its call trace to the run log and the lines
// a library prints to the run's output.
using RfcClientFactory = std::function<Result<std::unique_ptr<RfcClient>>(
    const std::string& library, RunLog& log, platform::OutputSink& out)>;

// What a run needs of the world around it.
struct RunServices {
    platform::FileSystem& files;
    platform::OutputSink& out;
    std::function<std::string()> timeOfDay;
    std::string executablePath;
    RfcClientFactory rfcClients;
    // Ends the process at once with the exit code, from any thread.
    std::function<void(int)> endProcess;
    // The process's environment, where PRTG passes the device's credentials.
    EnvironmentLookup environment = [](std::string_view) { return std::optional<std::string>(); };
};

// The records of one run, owned by the run and handed to its steps.
struct RunRecords {
    RunContext context;
    InstallationSettings settings;
    ProfileLocation location;
    SensorListing listing;  // what a multi-system run serves
    ResultDocument document;
    RunLog log;
    ProfileKey profileKey{};
    std::unique_ptr<RfcClient> rfc;  // opened when the run first needs the RFC library
    RfcStepTracker rfcStep;          // the remote step under way
    // The host that the console lines show for a system: its profile's host name until the
    // system reports its own, which stays shown for later systems whose profile names none.
    std::string shownHost;
};

// One run of the sensor from the command line to its exit code.
class SensorRun {
  public:
    SensorRun(RunServices services, std::vector<std::string> arguments);
    ExitCode Execute();

  private:
    Result<ExitCode> Run();
    Status Prepare();
    void StartDeadline();
    void AnswerAtDeadline();
    ExitCode Fail(const Fatal& fatal);

    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    platform::SharedOutput output_;  // the run and its deadline write through it
    RunServices services_;
    std::vector<std::string> arguments_;
    RunRecords records_;
    RunDeadline deadline_;
};

}  // namespace trevalunda

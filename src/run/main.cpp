#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/output_sink.h"
#include "platform/process.h"
#include "run/sensor_run.h"

int main(int argc, char** argv) {
    trevalunda::platform::PrepareProcess();
    const auto files = trevalunda::platform::MakeNativeFileSystem();
    trevalunda::platform::StandardOutputSink out;
    trevalunda::RunServices services{*files, out, trevalunda::platform::LocalTimeOfDay,
                                     trevalunda::platform::ExecutablePath()};
    trevalunda::SensorRun run(services, std::vector<std::string>(argv, argv + argc));
    return static_cast<int>(run.Execute());
}

#include <string>
#include <vector>

#include "output/output_sink.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "run/sensor_run.h"

int main(int argc, char** argv) {
    trevalunda::platform::PrepareProcess();
    const auto files = trevalunda::platform::MakeNativeFileSystem();
    trevalunda::StandardOutputSink out;
    trevalunda::RunServices services{*files, out, trevalunda::platform::LocalTimeOfDay,
                                     trevalunda::platform::ExecutablePath()};
    trevalunda::SensorRun run(services, std::vector<std::string>(argv, argv + argc));
    return static_cast<int>(run.Execute());
}

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/output_sink.h"
#include "platform/process.h"
#include "run/native_services.h"

int main(int argc, char** argv) {
    trevalunda::platform::PrepareProcess();
    const auto files = trevalunda::platform::MakeNativeFileSystem();
    trevalunda::platform::StandardOutputSink out;
    trevalunda::SensorRun run(trevalunda::NativeRunServices(*files, out),
                              std::vector<std::string>(argv, argv + argc));
    return static_cast<int>(run.Execute());
}

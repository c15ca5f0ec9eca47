#include "e2e/installation.h"

#include <fstream>
#include <random>

#include "platform/process.h"

namespace trevalunda::testing {

namespace fs = std::filesystem;

fs::path BuildFolder() {
    return fs::path(platform::ExecutablePath()).parent_path();
}

std::string ErrorDocumentFor(std::string_view message) {
    return "<Prtg>\n<Error>1</Error>\n<Text>" + std::string(message) + "</Text>\n</Prtg>\n";
}

Installation::Installation() {
    std::random_device random;
    root_ = fs::temp_directory_path() / ("trevalunda-e2e-" + std::to_string(random()));
    drive_ = root_ / "drive";
    fs::create_directories(WorkingFolder());
    InstallSensor(CustomSensorFolder());
}

Installation::~Installation() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

fs::path Installation::CustomSensorFolder() const {
    return drive_ / "Program Files" / "PRTG Network Monitor" / "Custom Sensors" / "ExeXml";
}

fs::path Installation::Write(const fs::path& relative, std::string_view bytes) {
    const fs::path path = drive_ / relative;
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

fs::path Installation::WriteInSensorFolder(const std::string& name, std::string_view bytes) {
    return Write(fs::relative(CustomSensorFolder(), drive_) / name, bytes);
}

void Installation::InstallSensor(const fs::path& folder) {
    fs::create_directories(folder);
    const std::string name = std::string("trevalunda") + TREVALUNDA_EXECUTABLE_SUFFIX;
    sensor_ = folder / name;
    fs::copy_file(BuildFolder() / name, sensor_, fs::copy_options::overwrite_existing);
}

platform::ChildResult Installation::Run(const std::vector<std::string>& arguments) const {
    return RunIn(WorkingFolder(), arguments);
}

platform::ChildResult Installation::RunIn(const fs::path& workingFolder,
                                          const std::vector<std::string>& arguments) const {
    platform::ChildRun run;
    run.program = sensor_.string();
    run.arguments = arguments;
    run.workingFolder = workingFolder.string();
    run.environment = {{"TREVALUNDA_DRIVE_ROOT", drive_.string()}};
    return platform::RunChildProcess(run);
}

}  // namespace trevalunda::testing

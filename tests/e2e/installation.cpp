#include "e2e/installation.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <utility>

#include "platform/process.h"

namespace trevalunda::testing {

namespace fs = std::filesystem;

namespace {

// The folders of a real drive in which tests create things: the root, and the program folders
// that hold PRTG's default custom-sensor folders.
std::vector<fs::path> WatchedFolders(const fs::path& drive) {
    return {drive, drive / "Programme", drive / "Program Files", drive / "Program Files (x86)"};
}

}  // namespace

fs::path BuildFolder() {
    return fs::path(platform::ExecutablePath()).parent_path();
}

bool TestDriveAvailable() {
    if (!platform::DrivesAreReal()) {
        return true;
    }
    const char* disposable = std::getenv("TREVALUNDA_DISPOSABLE_PREFIX");
    return disposable != nullptr && std::string_view(disposable) == "1";
}

std::string AsStandardOutput(std::string_view text) {
    std::string bytes;
    for (char c : text) {
        if (c == '\n') {
            bytes += platform::StandardOutputLineEnd();
        } else {
            bytes += c;
        }
    }
    return bytes;
}

std::string ErrorDocumentText(std::string_view message) {
    return "<Prtg>\n<Error>1</Error>\n<Text>" + std::string(message) + "</Text>\n</Prtg>\n";
}

std::string ErrorDocumentFor(std::string_view message) {
    return AsStandardOutput(ErrorDocumentText(message));
}

Installation::Installation() : realDrive_(platform::DrivesAreReal() && TestDriveAvailable()) {
    if (realDrive_) {
        drive_ = "C:\\";
        driveBefore_ = ListDriveContents();
    } else {
        // A drive of the test's own below a temporary folder. On Windows outside a disposable
        // prefix, where the end-to-end tests are skipped, an installation made all the same
        // stays there too, though the sensor would look at the real drive.
        std::random_device random;
        root_ = fs::temp_directory_path() / ("trevalunda-e2e-" + std::to_string(random()));
        drive_ = root_ / "drive";
    }
    fs::create_directories(WorkingFolder());
    InstallSensor(CustomSensorFolder());
}

Installation::~Installation() {
    std::error_code ignored;
    if (!realDrive_) {
        fs::remove_all(root_, ignored);
        return;
    }
    for (const fs::path& entry : ListDriveContents()) {
        if (!std::binary_search(driveBefore_.begin(), driveBefore_.end(), entry)) {
            fs::remove_all(entry, ignored);
        }
    }
}

Installation::DriveContents Installation::ListDriveContents() const {
    DriveContents entries;
    std::error_code ignored;
    for (const fs::path& folder : WatchedFolders(drive_)) {
        for (const auto& entry : fs::directory_iterator(folder, ignored)) {
            entries.push_back(entry.path());
        }
    }
    std::sort(entries.begin(), entries.end());
    return entries;
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

platform::ChildResult Installation::Run(const std::vector<std::string>& arguments,
                                        const Environment& environment) const {
    return RunIn(WorkingFolder(), arguments, environment);
}

platform::ChildResult Installation::RunIn(const fs::path& workingFolder,
                                          const std::vector<std::string>& arguments,
                                          const Environment& environment) const {
    platform::ChildRun start;
    start.environment = environment;
    return Start(sensor_, workingFolder, arguments, "", std::move(start));
}

platform::ChildResult Installation::RunStarted(platform::ChildRun start,
                                               const std::vector<std::string>& arguments) const {
    return Start(sensor_, WorkingFolder(), arguments, "", std::move(start));
}

platform::ChildResult Installation::RunProfileTool(const std::vector<std::string>& arguments,
                                                   const std::string& input) const {
    const fs::path tool =
        BuildFolder() / (std::string("trevalunda-profile") + TREVALUNDA_EXECUTABLE_SUFFIX);
    return Start(tool, CustomSensorFolder(), arguments, input);
}

platform::ChildResult Installation::RunToolBesideSensor(const std::vector<std::string>& arguments,
                                                        const Environment& environment) const {
    const std::string name = std::string("trevalunda-profile") + TREVALUNDA_EXECUTABLE_SUFFIX;
    const fs::path tool = sensor_.parent_path() / name;
    fs::copy_file(BuildFolder() / name, tool, fs::copy_options::overwrite_existing);
    platform::ChildRun start;
    start.environment = environment;
    return Start(tool, WorkingFolder(), arguments, "", std::move(start));
}

platform::ChildResult Installation::Start(const fs::path& program, const fs::path& workingFolder,
                                          const std::vector<std::string>& arguments,
                                          const std::string& input, platform::ChildRun run) const {
    run.program = program.string();
    run.arguments = arguments;
    run.workingFolder = workingFolder.string();
    if (!realDrive_) {
        run.environment.emplace_back("TREVALUNDA_DRIVE_ROOT", drive_.string());
    }
    run.input = input;
    return platform::RunChildProcess(run);
}

}  // namespace trevalunda::testing

#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/child_process.h"

namespace trevalunda::testing {

// Variables added to the environment of a run, as PRTG sets them for a sensor.
using Environment = std::vector<std::pair<std::string, std::string>>;

// A temporary installation for one end-to-end test: a drive (the sensor resolves "C:\", "D:\"
// and "\..." on it), PRTG's custom-sensor folder on that drive with the built sensor copied
// into it, and nothing left behind when the test ends.
//
// On POSIX the drive is a temporary folder of the test's own, handed to the sensor through
// TREVALUNDA_DRIVE_ROOT. On Windows the sensor knows only the real drives, so the drive is the
// real C:\ (D:\ names the same drive in the Wine prefix): allowed only where the test run
// declares that drive disposable (TestDriveAvailable()), and the installation removes
// whatever appeared on it. Tests that share the real drive must not run at the same time.
class Installation {
  public:
    Installation();
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    const std::filesystem::path& Drive() const { return drive_; }
    // "\Program Files\PRTG Network Monitor\Custom Sensors\ExeXml\" on the drive.
    std::filesystem::path CustomSensorFolder() const;

    // Writes a file below the drive root, creating its folders.
    std::filesystem::path Write(const std::filesystem::path& relative, std::string_view bytes);
    std::filesystem::path WriteInSensorFolder(const std::string& name, std::string_view bytes);

    // Copies the built sensor into a folder below the drive (the custom-sensor folder unless
    // told otherwise); runs started afterwards use that copy.
    void InstallSensor(const std::filesystem::path& folder);

    // The working folder of runs, like PRTG's: not the custom-sensor folder (a profile found in
    // the working folder fails the folder check).
    std::filesystem::path WorkingFolder() const { return drive_ / "Work"; }

    // Runs the installed sensor with the arguments, in the working folder unless told
    // otherwise, with the variables added to its environment.
    platform::ChildResult Run(const std::vector<std::string>& arguments,
                              const Environment& environment = {}) const;
    platform::ChildResult RunIn(const std::filesystem::path& workingFolder,
                                const std::vector<std::string>& arguments,
                                const Environment& environment = {}) const;
    // Runs the installed sensor in the working folder, started the way the given run says
    // (where standard output goes, a removed working folder, without privileges, further
    // environment variables); program, arguments and folder are filled in.
    platform::ChildResult RunStarted(platform::ChildRun start,
                                     const std::vector<std::string>& arguments) const;

    // Runs the built profile tool in the custom-sensor folder, with the input on its standard
    // input.
    platform::ChildResult RunProfileTool(const std::vector<std::string>& arguments,
                                         const std::string& input = "") const;

    // Runs the profile tool installed beside the sensor (copied there first), in the working
    // folder, as an administrator runs it on the probe.
    platform::ChildResult RunToolBesideSensor(const std::vector<std::string>& arguments,
                                              const Environment& environment = {}) const;

  private:
    platform::ChildResult Start(const std::filesystem::path& program,
                                const std::filesystem::path& workingFolder,
                                const std::vector<std::string>& arguments, const std::string& input,
                                platform::ChildRun run = {}) const;

    // The entries of the folders where tests create things on a real drive, as they were
    // before the test: everything else is removed at the end.
    using DriveContents = std::vector<std::filesystem::path>;
    DriveContents ListDriveContents() const;

    bool realDrive_ = false;
    std::filesystem::path root_;  // the temporary folder holding the drive, unless it is real
    std::filesystem::path drive_;
    std::filesystem::path sensor_;
    DriveContents driveBefore_;
};

// True where end-to-end tests may use the drive that the sensor sees: always on POSIX; on
// Windows only when the test run declares the machine's drive disposable by setting
// TREVALUNDA_DISPOSABLE_PREFIX=1 (the Wine emulator of the cross build does). Elsewhere the
// end-to-end tests are skipped, since they would write to a real C:\.
bool TestDriveAvailable();

// The folder holding the test executable and the built programs.
std::filesystem::path BuildFolder();

// Text as it arrives through the sensor's standard output when the sensor prints it with "\n"
// line ends: on Windows every "\n" arrives as "\r\n". Expected outputs go through this, so that
// tests compare exact bytes on every platform.
std::string AsStandardOutput(std::string_view text);

// The error document for a message, with "\n" line ends.
std::string ErrorDocumentText(std::string_view message);

// The error document for a message, as the sensor's standard output carries it.
std::string ErrorDocumentFor(std::string_view message);

}  // namespace trevalunda::testing

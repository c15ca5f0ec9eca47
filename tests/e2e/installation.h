#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/child_process.h"

namespace trevalunda::testing {

// A temporary installation for one end-to-end test: a drive of its own (the sensor resolves
// "C:\" and "\..." below it), PRTG's custom-sensor folder on that drive with the built sensor
// copied into it, and nothing left behind when the test ends.
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
    // otherwise.
    platform::ChildResult Run(const std::vector<std::string>& arguments) const;
    platform::ChildResult RunIn(const std::filesystem::path& workingFolder,
                                const std::vector<std::string>& arguments) const;

  private:
    std::filesystem::path root_;
    std::filesystem::path drive_;
    std::filesystem::path sensor_;
};

// The folder holding the test executable and the built programs.
std::filesystem::path BuildFolder();

// The error document for a message, as the sensor prints it.
std::string ErrorDocumentFor(std::string_view message);

}  // namespace trevalunda::testing

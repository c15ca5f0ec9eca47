#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <random>
#include <string>

#include "config/profile_password.h"
#include "run/sensor_run.h"

namespace trevalunda {

namespace platform {
class FileSystem;
class OutputSink;
}  // namespace platform

namespace tool {

// How a command of the profile tool ended, as its exit code tells it.
enum class ToolExit : int {
    Success = 0,
    Refused = 1,  // check or listing found a file that the sensor refuses
    Failure = 2,  // the command could not do its work: usage, a refused value, a file
};

// What the profile tool needs of the world around it; the tests give their own.
struct ToolServices {
    platform::FileSystem& files;
    std::function<bool()> inputIsTerminal;
    std::function<std::optional<std::string>()> readSecretLine;
    std::mt19937& random;  // draws key offsets and fillers of stored passwords
    std::ostream& out;     // results
    std::ostream& err;     // messages and prompts
    ProfileKey key;
    // The services of a sensor run on this machine over the given files and output, for the
    // diagnose command; their executable path is the profile tool's own.
    std::function<RunServices(platform::FileSystem&, platform::OutputSink&)> sensorServices = {};
};

// Writes the message as one line to the message stream, after "trevalunda-profile: ".
void WriteMessage(ToolServices& services, const std::string& message);

}  // namespace tool
}  // namespace trevalunda

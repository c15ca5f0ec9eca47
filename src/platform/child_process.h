#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trevalunda::platform {

// Starting another program and collecting what it prints: what the end-to-end tests do with
// the built executables. Paths here are the operating system's own.

struct ChildRun {
    std::string program;  // path of the executable
    std::vector<std::string> arguments;
    std::string workingFolder;
    std::vector<std::pair<std::string, std::string>> environment;  // added to the inherited one
    std::string input;                                             // fed to standard input
};

struct ChildResult {
    int exitCode = -1;   // -1 when the program could not be started or did not exit normally
    std::string output;  // standard output, byte for byte
    std::string errors;  // standard error
    std::size_t peakMemoryKiB = 0;  // the most memory the program held at once
};

ChildResult RunChildProcess(const ChildRun& run);

// What a started program of this build sees of the machine, as far as tests need to know it.

// The line end with which a program's "\n" arrives through standard output: "\r\n" where the
// C runtime writes standard output as a text stream (Windows), "\n" elsewhere.
std::string_view StandardOutputLineEnd();

// True where a path with a drive letter or a leading separator names the machine's real drive
// (Windows); false where the sensor maps such paths below TREVALUNDA_DRIVE_ROOT (POSIX).
bool DrivesAreReal();

}  // namespace trevalunda::platform

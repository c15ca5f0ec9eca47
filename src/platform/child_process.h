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
};

ChildResult RunChildProcess(const ChildRun& run);

}  // namespace trevalunda::platform

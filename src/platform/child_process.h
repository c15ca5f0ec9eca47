#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trevalunda::platform {

// Starting another program and collecting what it prints: what the end-to-end tests do with
// the built executables. Paths here are the operating system's own.

// Where a started program's standard output goes.
enum class ChildOutput {
    Collected,   // a pipe read to its end into ChildResult::output
    ClosedPipe,  // a pipe whose reading end is closed before the program starts
    FullDevice,  // a device on which every write fails for want of space (POSIX: /dev/full)
};

struct ChildRun {
    std::string program;  // path of the executable
    std::vector<std::string> arguments;
    std::string workingFolder;
    std::vector<std::pair<std::string, std::string>> environment;  // added to the inherited one
    std::string input;                                             // fed to standard input
    ChildOutput output = ChildOutput::Collected;
    // POSIX only: the working folder is removed once the program has entered it, before the
    // program starts.
    bool workingFolderRemoved = false;
    // POSIX only: started by the superuser, the program runs as the unprivileged user
    // "nobody", so that file permissions bind it as they bind everybody else.
    bool unprivileged = false;
};

struct ChildResult {
    int exitCode = -1;   // -1 when the program could not be started or did not exit normally
    std::string output;  // standard output, byte for byte
    std::string errors;  // standard error
    std::size_t peakMemoryKiB = 0;  // the most memory the program held at once
};

// Starts the program with the signals in their default state and waits for its end. A run
// that asks for what the platform lacks (see HasPosixFileSystem) is not started.
ChildResult RunChildProcess(const ChildRun& run);

// What a started program of this build sees of the machine, as far as tests need to know it.

// The line end with which a program's "\n" arrives through standard output: "\r\n" where the
// C runtime writes standard output as a text stream (Windows), "\n" elsewhere.
std::string_view StandardOutputLineEnd();

// True where a path with a drive letter or a leading separator names the machine's real drive
// (Windows); false where the sensor maps such paths below TREVALUNDA_DRIVE_ROOT (POSIX).
bool DrivesAreReal();

// True where the file system has what POSIX offers and tests use: symbolic links, the full
// device /dev/full, a working folder that can be removed under a running program, and folder
// permissions that a program started unprivileged must obey.
bool HasPosixFileSystem();

}  // namespace trevalunda::platform

#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/library_image.h"

namespace trevalunda::platform {

// Start-up duties of the process: on Windows no error dialog may ever stop an unattended run,
// and standard output is a text stream (CR LF line ends there); on POSIX a closed pipe on
// standard output makes writes fail instead of ending the process by a signal.
void PrepareProcess();

// The running program's own executable file, as a path of the form that FileSystem takes,
// as the operating system knows it (never derived from the working folder); empty when it
// cannot be known.
std::string ExecutablePath();

// The local time of day as "HH:MM:SS" (24-hour clock).
std::string LocalTimeOfDay();

// Writes to standard output; nothing is buffered beyond the C runtime's own stream. False
// when the bytes could not be written (a full disk, a closed pipe).
bool WriteStandardOutput(std::string_view text);
bool FlushStandardOutput();

// Flushes standard output and ends the process at once with the given exit code, or with
// exit code 2 when anything written to standard output failed to arrive. Used only where
// control cannot return to the caller (a callback from a foreign library).
[[noreturn]] void EndProcess(int exitCode);

// A shared library loaded at run time.
class SharedLibrary {
  public:
    virtual ~SharedLibrary() = default;
    // The address of an exported function, or nullptr when the library lacks it.
    virtual void* Resolve(const std::string& name) const = 0;
};

struct LoadedLibrary {
    std::unique_ptr<SharedLibrary> library;  // null when loading failed
    LibraryFault fault = LibraryFault::None;
    // With MissingDependency the file name of the library missing (empty when unknown), with
    // Refused the operating system's message.
    std::string error;
};

// True where libraries are Windows DLLs (and carry Windows names), false for POSIX shared
// objects.
bool UsesWindowsLibraries();

// Why a library could not be loaded, in a few words: "not found", "a 32-bit library; the
// sensor needs a 64-bit one", "needs libsapucum.dll, which is missing", the operating
// system's message ...
std::string LoadFailureInWords(const LoadedLibrary& loaded);

// Loads a shared library by path, without ever showing a dialog. A name without a folder
// is looked up where the system keeps libraries (on Windows also in the program's folder),
// never in the working folder. The file is checked first (CheckLibraryImage) wherever it can
// be found, so that the system loader never sees a file that is no complete library of this
// machine. On Windows a library's own dependencies are looked up beside it and in the system
// folder, never in the working folder or along PATH.
LoadedLibrary LoadSharedLibrary(const std::string& path);

}  // namespace trevalunda::platform

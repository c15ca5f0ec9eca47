#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace trevalunda::platform {

// Start-up duties of the process: on Windows no error dialog may ever stop an unattended run,
// and standard output is a text stream (CR LF line ends there).
void PrepareProcess();

// The running program's own executable file, as a path of the form that FileSystem takes.
std::string ExecutablePath();

// The local time of day as "HH:MM:SS" (24-hour clock).
std::string LocalTimeOfDay();

// Writes to standard output; nothing is buffered beyond the C runtime's own stream.
void WriteStandardOutput(std::string_view text);
void FlushStandardOutput();

// Flushes standard output and ends the process at once with the given exit code. Used only
// where control cannot return to the caller (a callback from a foreign library).
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
    std::string error;                       // the operating system's reason when it failed
};

// True where libraries are Windows DLLs (and carry Windows names), false for POSIX shared
// objects.
bool UsesWindowsLibraries();

// Loads a shared library by path, without ever showing a dialog. A name without a folder
// is looked up where the system keeps libraries (on Windows also in the program's folder),
// never in the working folder.
LoadedLibrary LoadSharedLibrary(const std::string& path);

}  // namespace trevalunda::platform

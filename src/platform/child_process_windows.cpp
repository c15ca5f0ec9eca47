#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>
// The kernel32 form of the memory counters (no psapi.dll needed).
#define PSAPI_VERSION 2
#include <psapi.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/child_process.h"

namespace trevalunda::platform {
namespace {

// One argument as the C runtime's command-line parser reads it back: quoted when empty or
// when it holds a blank or a quote; inside quotes a quote is escaped with a backslash, and
// backslashes are doubled where a quote follows them.
void AppendQuoted(std::string& commandLine, const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string::npos) {
        commandLine += argument;
        return;
    }
    commandLine += '"';
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        const std::size_t copies = c == '"' ? 2 * backslashes + 1 : backslashes;
        commandLine.append(copies, '\\');
        commandLine += c;
        backslashes = 0;
    }
    commandLine.append(2 * backslashes, '\\');
    commandLine += '"';
}

std::string CommandLine(const ChildRun& run) {
    // The program name is read without backslash escapes: quotes alone are enough.
    std::string commandLine = '"' + run.program + '"';
    for (const std::string& argument : run.arguments) {
        commandLine += ' ';
        AppendQuoted(commandLine, argument);
    }
    return commandLine;
}

std::string UpperName(std::string_view entry) {
    std::string name(entry.substr(0, entry.find('=', 1)));
    for (char& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return name;
}

// The inherited environment with the run's variables added or replaced (names compare
// without regard to case, as Windows does), sorted by name as CreateProcess expects.
std::string EnvironmentBlock(const ChildRun& run) {
    std::vector<std::string> entries;
    if (char* inherited = ::GetEnvironmentStringsA()) {
        for (const char* entry = inherited; *entry != '\0'; entry += std::strlen(entry) + 1) {
            entries.emplace_back(entry);
        }
        ::FreeEnvironmentStringsA(inherited);
    }
    for (const auto& [name, value] : run.environment) {
        const std::string upper = UpperName(name);
        std::erase_if(entries, [&](const std::string& entry) { return UpperName(entry) == upper; });
        entries.push_back(name + '=' + value);
    }
    std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
        return UpperName(a) < UpperName(b);
    });
    std::string block;
    for (const std::string& entry : entries) {
        block += entry;
        block += '\0';
    }
    block += '\0';
    return block;
}

// Both ends of an anonymous pipe; only the child's end is inherited.
struct Pipe {
    HANDLE parentEnd = nullptr;
    HANDLE childEnd = nullptr;

    bool Open(bool childReads) {
        SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        HANDLE readEnd = nullptr;
        HANDLE writeEnd = nullptr;
        if (::CreatePipe(&readEnd, &writeEnd, &inheritable, 0) == 0) {
            return false;
        }
        parentEnd = childReads ? writeEnd : readEnd;
        childEnd = childReads ? readEnd : writeEnd;
        return ::SetHandleInformation(parentEnd, HANDLE_FLAG_INHERIT, 0) != 0;
    }
    void CloseChildEnd() { Close(childEnd); }
    void CloseParentEnd() { Close(parentEnd); }
    ~Pipe() {
        CloseChildEnd();
        CloseParentEnd();
    }

  private:
    static void Close(HANDLE& handle) {
        if (handle != nullptr) {
            ::CloseHandle(handle);
            handle = nullptr;
        }
    }
};

void ReadAll(HANDLE from, std::string& into) {
    std::array<char, 4096> buffer{};
    DWORD count = 0;
    while (::ReadFile(from, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr) !=
               0 &&
           count > 0) {
        into.append(buffer.data(), count);
    }
}

void WriteAll(HANDLE to, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD count = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 65536));
        if (::WriteFile(to, bytes.data(), chunk, &count, nullptr) == 0) {
            return;  // the child closed its standard input
        }
        bytes.remove_prefix(count);
    }
}

// Exit codes with both severity bits set are exception codes of a crashed process (access
// violation, stack overflow ...), which count as not exiting normally.
int ExitCodeOf(HANDLE process) {
    DWORD code = 0;
    if (::GetExitCodeProcess(process, &code) == 0 || (code & 0xC0000000U) == 0xC0000000U) {
        return -1;
    }
    return static_cast<int>(code);
}

}  // namespace

ChildResult RunChildProcess(const ChildRun& run) {
    ChildResult result;
    if (run.output == ChildOutput::FullDevice || run.workingFolderRemoved || run.unprivileged) {
        result.errors = "not available on Windows";
        return result;
    }
    Pipe in;
    Pipe out;
    Pipe err;
    if (!in.Open(true) || !out.Open(false) || !err.Open(false)) {
        return result;
    }
    if (run.output == ChildOutput::ClosedPipe) {
        out.CloseParentEnd();  // nobody reads: the program's writes fail
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.childEnd;
    startup.hStdOutput = out.childEnd;
    startup.hStdError = err.childEnd;
    std::string commandLine = CommandLine(run);
    std::string environment = EnvironmentBlock(run);
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessA(
        run.program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
        environment.data(), run.workingFolder.empty() ? nullptr : run.workingFolder.c_str(),
        &startup, &process);
    // The child holds its own copies now; the pipes end when the child's copies close.
    in.CloseChildEnd();
    out.CloseChildEnd();
    err.CloseChildEnd();
    if (started == 0) {
        return result;
    }
    ::CloseHandle(process.hThread);

    // Each stream has its own reader or writer, so that none waits for another to drain.
    std::thread feeder([&] {
        WriteAll(in.parentEnd, run.input);
        in.CloseParentEnd();
    });
    std::thread errorReader([&] { ReadAll(err.parentEnd, result.errors); });
    if (out.parentEnd != nullptr) {
        ReadAll(out.parentEnd, result.output);
    }
    errorReader.join();
    feeder.join();

    ::WaitForSingleObject(process.hProcess, INFINITE);
    result.exitCode = ExitCodeOf(process.hProcess);
    PROCESS_MEMORY_COUNTERS memory{};
    if (::GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory) != 0) {
        result.peakMemoryKiB = memory.PeakWorkingSetSize / 1024;
    }
    ::CloseHandle(process.hProcess);
    return result;
}

std::string_view StandardOutputLineEnd() {
    return "\r\n";
}

bool DrivesAreReal() {
    return true;
}

bool HasPosixFileSystem() {
    return false;
}

}  // namespace trevalunda::platform

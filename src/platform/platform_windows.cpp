// The Windows side of the platform layer. Paths go to the operating system unchanged.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/standard_input.h"

namespace trevalunda::platform {
namespace {

bool IsRegularFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Opens a file for reading the way the C runtime's fopen does: others may go on reading and
// writing it meanwhile.
HANDLE OpenForReading(const std::string& path) {
    return ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

class WindowsFileSystem final : public FileSystem {
  public:
    FileContent Read(const std::string& path) const override {
        if (!IsRegularFile(path)) {
            return {ReadStatus::Missing, {}};
        }
        const HANDLE file = OpenForReading(path);
        if (file == INVALID_HANDLE_VALUE) {
            return {ReadStatus::Unreadable, {}};
        }
        std::string bytes;
        std::array<char, 65536> buffer{};
        DWORD count = 0;
        BOOL read = FALSE;
        while ((read = ::ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &count,
                                  nullptr)) != 0 &&
               count > 0) {
            bytes.append(buffer.data(), count);
        }
        ::CloseHandle(file);
        if (read == 0) {
            return {ReadStatus::Unreadable, {}};
        }
        return {ReadStatus::Ok, std::move(bytes)};
    }

    bool CanOpenForReading(const std::string& path) const override {
        if (!IsRegularFile(path)) {
            return false;
        }
        const HANDLE file = OpenForReading(path);
        if (file == INVALID_HANDLE_VALUE) {
            return false;
        }
        ::CloseHandle(file);
        return true;
    }

    bool Replace(const std::string& path, std::string_view bytes) override {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        return !out.fail();
    }

    bool Copy(const std::string& from, const std::string& to) override {
        const FileContent source = Read(from);
        return source.status == ReadStatus::Ok && Replace(to, source.bytes);
    }

    bool Append(const std::string& path, std::string_view bytes) override {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        return !out.fail();
    }

    bool Remove(const std::string& path) override { return ::DeleteFileA(path.c_str()) != 0; }

    WriteStatus WritePrivate(const std::string& path, std::string_view bytes,
                             bool mayReplace) override {
        const HANDLE file =
            ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                          mayReplace ? CREATE_ALWAYS : CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = ::GetLastError();
            return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS
                       ? WriteStatus::Exists
                       : WriteStatus::Failed;
        }
        bool written = true;
        while (written && !bytes.empty()) {
            DWORD count = 0;
            const DWORD chunk = static_cast<DWORD>(bytes.size());
            written = ::WriteFile(file, bytes.data(), chunk, &count, nullptr) != 0 && count > 0;
            bytes.remove_prefix(written ? count : 0);
        }
        return ::CloseHandle(file) != 0 && written ? WriteStatus::Written : WriteStatus::Failed;
    }

    // Windows grants reading through access lists, which a profile inherits from its folder;
    // there is no mode to look at.
    bool IsReadableByOthers(const std::string& /*path*/) const override { return false; }
};

class WindowsSharedLibrary final : public SharedLibrary {
  public:
    explicit WindowsSharedLibrary(HMODULE module) : module_(module) {}
    ~WindowsSharedLibrary() override { ::FreeLibrary(module_); }
    WindowsSharedLibrary(const WindowsSharedLibrary&) = delete;
    WindowsSharedLibrary& operator=(const WindowsSharedLibrary&) = delete;

    void* Resolve(const std::string& name) const override {
        return reinterpret_cast<void*>(::GetProcAddress(module_, name.c_str()));
    }

  private:
    HMODULE module_;
};

std::string SystemMessage(DWORD error) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string message = length != 0 && text != nullptr ? std::string(text, length)
                                                         : "error " + std::to_string(error);
    ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

// The absolute form of a path, which loading a library from its own folder requires; the path
// unchanged when it cannot be formed.
std::string FullPath(const std::string& path) {
    std::string full(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            ::GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return path;
        }
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

}  // namespace

std::unique_ptr<FileSystem> MakeNativeFileSystem() {
    return std::make_unique<WindowsFileSystem>();
}

void PrepareProcess() {
    // A sensor started by the PRTG service has nobody to answer a dialog: a missing DLL, a
    // drive without media or a crash must fail, never wait.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    // Libraries are never looked for in the working folder, which anybody may fill (this covers
    // the libraries that Windows loads on the program's behalf; LoadSharedLibrary says so in
    // its own flags).
    ::SetDllDirectoryA("");
    _setmode(_fileno(stdout), _O_TEXT);
}

std::string ExecutablePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

bool IsTerminalInput() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

std::optional<std::string> ReadSecretLine() {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    DWORD shown = 0;
    const bool console = ::GetConsoleMode(input, &shown) != 0;
    if (console) {
        ::SetConsoleMode(input, shown & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    }
    std::optional<std::string> line = ReadInputLine();
    if (console) {
        ::SetConsoleMode(input, shown);
    }
    return line;
}

std::string LocalTimeOfDay() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", static_cast<unsigned>(now.wHour),
                  static_cast<unsigned>(now.wMinute), static_cast<unsigned>(now.wSecond));
    return text;
}

void WriteStandardOutput(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void FlushStandardOutput() {
    std::fflush(stdout);
}

void EndProcess(int exitCode) {
    std::fflush(stdout);
    std::_Exit(exitCode);
}

bool UsesWindowsLibraries() {
    return true;
}

LoadedLibrary LoadSharedLibrary(const std::string& path) {
    // Neither the working folder nor PATH is ever searched, by the library or its own
    // dependencies. A path with a folder part is loaded from there, its dependencies looked up
    // beside it, in the program's folder and in the system folder; a bare name is looked up in
    // the program's folder and in the system folder.
    std::string file = path;
    DWORD flags = LOAD_LIBRARY_SEARCH_DEFAULT_DIRS;
    if (!FolderOf(path).empty()) {
        file = FullPath(path);
        flags |= LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR;
    }
    HMODULE module = ::LoadLibraryExA(file.c_str(), nullptr, flags);
    if (module == nullptr) {
        return {nullptr, SystemMessage(::GetLastError())};
    }
    return {std::make_unique<WindowsSharedLibrary>(module), {}};
}

std::string NativePathOf(std::string_view path) {
    return std::string(path);
}

}  // namespace trevalunda::platform

// The Windows side of the platform layer. Paths go to the operating system unchanged.

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "platform/file_system.h"
#include "platform/library_image.h"
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

// Closes a handle when it goes out of scope.
class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE Get() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    // Closes the handle; false when the system reports a failure there.
    bool Close() {
        const bool closed = !IsOpen() || ::CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD count = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        if (::WriteFile(file, bytes.data(), chunk, &count, nullptr) == 0 || count == 0) {
            return false;
        }
        bytes.remove_prefix(count);
    }
    return true;
}

// The whole file; only a file on a disk is read (a device name such as "CON" would wait for
// input).
FileContent ReadWholeFile(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return {ReadStatus::Missing, {}};
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return {ReadStatus::NotAFile, {}};
    }
    const Handle file(OpenForReading(path));
    if (!file.IsOpen()) {
        return {ReadStatus::Unreadable, {}};
    }
    if (::GetFileType(file.Get()) != FILE_TYPE_DISK) {
        return {ReadStatus::NotAFile, {}};
    }
    std::string bytes;
    std::array<char, 65536> buffer{};
    DWORD count = 0;
    BOOL read = FALSE;
    while ((read = ::ReadFile(file.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &count,
                              nullptr)) != 0 &&
           count > 0) {
        bytes.append(buffer.data(), count);
    }
    if (read == 0) {
        return {ReadStatus::Unreadable, {}};
    }
    return {ReadStatus::Ok, std::move(bytes)};
}

// Removes whatever has the name (a file, a link: any reparse point), so that a file created
// afterwards where nothing may exist any more is never another file reached through a link.
bool RemoveWhateverHasTheName(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return true;
    }
    const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    return folder ? link && ::RemoveDirectoryA(path.c_str()) != 0
                  : ::DeleteFileA(path.c_str()) != 0;
}

bool ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    if (!RemoveWhateverHasTheName(path)) {
        return false;
    }
    Handle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    const bool written = file.IsOpen() && WriteAll(file.Get(), bytes);
    return file.Close() && written;
}

// True when an open file is a plain file on a disk with no other name: no link (reparse
// point), no folder, no device, no hard link.
bool IsPlainFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return ::GetFileType(file) == FILE_TYPE_DISK &&
           ::GetFileInformationByHandle(file, &info) != 0 &&
           (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) ==
               0 &&
           info.nNumberOfLinks == 1;
}

class WindowsFileSystem final : public FileSystem {
  public:
    FileContent Read(const std::string& path) const override { return ReadWholeFile(path); }

    bool CanOpenForReading(const std::string& path) const override {
        if (!IsRegularFile(path)) {
            return false;
        }
        const Handle file(OpenForReading(path));
        return file.IsOpen();
    }

    bool Replace(const std::string& path, std::string_view bytes) override {
        return ReplaceWholeFile(path, bytes);
    }

    bool Copy(const std::string& from, const std::string& to) override {
        const FileContent source = Read(from);
        return source.status == ReadStatus::Ok && Replace(to, source.bytes);
    }

    bool Append(const std::string& path, std::string_view bytes) override {
        // Opened as the link itself, not what it points at, and refused before anything is
        // written unless it is a plain file.
        Handle file(::CreateFileA(path.c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        const bool written =
            file.IsOpen() && IsPlainFile(file.Get()) && WriteAll(file.Get(), bytes);
        return file.Close() && written;
    }

    bool Remove(const std::string& path) override { return ::DeleteFileA(path.c_str()) != 0; }

    WriteStatus WritePrivate(const std::string& path, std::string_view bytes,
                             bool mayReplace) override {
        if (mayReplace && !RemoveWhateverHasTheName(path)) {
            return WriteStatus::Failed;
        }
        Handle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (!file.IsOpen()) {
            const DWORD error = ::GetLastError();
            return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS
                       ? WriteStatus::Exists
                       : WriteStatus::Failed;
        }
        const bool written = WriteAll(file.Get(), bytes);
        return file.Close() && written ? WriteStatus::Written : WriteStatus::Failed;
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

// A text in the ANSI code page; empty when a character has no form there.
std::string AnsiText(const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    // A UTF-8 code page holds every character, and takes neither flag nor default character.
    const bool utf8 = ::GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lost = FALSE;
    BOOL* lostCharacters = utf8 ? nullptr : &lost;
    const int wideLength = static_cast<int>(wide.size());
    const int length = ::WideCharToMultiByte(CP_ACP, flags, wide.data(), wideLength, nullptr, 0,
                                             nullptr, lostCharacters);
    if (length <= 0 || lost != FALSE) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, flags, wide.data(), wideLength, text.data(), length, nullptr,
                          lostCharacters);
    return lost != FALSE ? std::string() : text;
}

// The system folder, ending with a backslash.
std::string SystemFolder() {
    std::array<char, MAX_PATH + 1> folder{};
    const UINT length = ::GetSystemDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
    if (length == 0 || length >= folder.size()) {
        return {};
    }
    return std::string(folder.data(), length) + '\\';
}

// The file that Windows would load for a bare name: in the program's folder, else in the
// system folder; empty when neither holds it.
std::string FindLibraryFile(const std::string& name) {
    const std::string programFolder(FolderOf(ExecutablePath()));
    for (const std::string& folder : {programFolder, SystemFolder()}) {
        if (!folder.empty() && IsRegularFile(folder + name)) {
            return FullPath(folder + name);
        }
    }
    return {};
}

// The system's own names of its interfaces ("api-ms-win-crt-runtime-l1-1-0.dll"), which are
// no files.
bool IsApiSetName(const std::string& name) {
    std::string lower = name;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower.starts_with("api-ms-") || lower.starts_with("ext-ms-");
}

// The first library that a library imports and that is found neither beside it nor in the
// system folder, following the imports of those found beside it a few levels deep; empty
// when every one was found.
std::string MissingImport(const std::string& library, int levels) {
    const FileContent content = ReadWholeFile(library);
    if (content.status != ReadStatus::Ok) {
        return {};
    }
    const std::string folder(FolderOf(library));
    const std::string systemFolder = SystemFolder();
    for (const std::string& name : PeImportedLibraries(content.bytes)) {
        if (IsApiSetName(name)) {
            continue;
        }
        if (IsRegularFile(folder + name)) {
            if (std::string deeper = levels > 0 ? MissingImport(folder + name, levels - 1) : "";
                !deeper.empty()) {
                return deeper;
            }
            continue;
        }
        if (systemFolder.empty() || !IsRegularFile(systemFolder + name)) {
            return name;
        }
    }
    return {};
}

// The system's error in the sensor's words. Error 126 (a module not found) for a file that
// was found means that a library it needs is missing.
LoadedLibrary LoaderFailure(DWORD error, const std::string& file) {
    constexpr int kImportLevels = 4;
    switch (error) {
        case ERROR_MOD_NOT_FOUND:
            if (file.empty()) {
                return {nullptr, LibraryFault::NotFound, {}};
            }
            return {nullptr, LibraryFault::MissingDependency, MissingImport(file, kImportLevels)};
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return {nullptr, LibraryFault::NotFound, {}};
        case ERROR_BAD_EXE_FORMAT:
            return {nullptr, LibraryFault::NotALibrary, {}};
        default:
            return {nullptr, LibraryFault::Refused, SystemMessage(error)};
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
    // Asked in UTF-16, which holds any path, and given in the ANSI code page in which the
    // sensor handles paths: a path that the code page cannot express cannot be used.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return AnsiText(path);
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

bool UsesWindowsLibraries() {
    return true;
}

LoadedLibrary LoadSharedLibrary(const std::string& path) {
    // Neither the working folder nor PATH is ever searched, by the library or its own
    // dependencies. A file that can be found (by its path, or by a bare name in the program's
    // folder or the system folder) is checked and then loaded by its full path, its
    // dependencies looked up beside it and in the system folder; a bare name found nowhere is
    // left to the system's own search of the program's folder and the system folder.
    const std::string file = FolderOf(path).empty() ? FindLibraryFile(path) : FullPath(path);
    if (!file.empty()) {
        if (const LibraryFault fault = CheckLibraryFile(ReadWholeFile(file), ImageFormat::Pe);
            fault != LibraryFault::None) {
            return {nullptr, fault, {}};
        }
    }
    const HMODULE module =
        file.empty()
            ? ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS)
            : ::LoadLibraryExA(file.c_str(), nullptr,
                               LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr) {
        return LoaderFailure(::GetLastError(), file);
    }
    return {std::make_unique<WindowsSharedLibrary>(module), LibraryFault::None, {}};
}

std::string NativePathOf(std::string_view path) {
    return std::string(path);
}

}  // namespace trevalunda::platform

// The POSIX side of the platform layer. Windows paths are mapped to this file system: "\" and
// "/" both separate folders, and a path that begins with a drive letter or a separator lies
// below the drive root, which is "/" unless TREVALUNDA_DRIVE_ROOT names another folder (a hook
// for tests, which give every run a drive of its own).

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <vector>

#include "platform/file_system.h"
#include "platform/loader_cache.h"
#include "platform/process.h"
#include "platform/standard_input.h"

namespace trevalunda::platform {
namespace {

std::string DriveRoot() {
    const char* root = std::getenv("TREVALUNDA_DRIVE_ROOT");
    std::string text = root != nullptr ? root : "";
    while (!text.empty() && text.back() == '/') {
        text.pop_back();
    }
    return text;
}

bool HasDriveLetter(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) != 0 &&
           path[1] == ':';
}

std::string NativePath(std::string_view path) {
    bool underRoot = false;
    if (HasDriveLetter(path)) {
        path.remove_prefix(2);
        underRoot = true;
    } else if (!path.empty() && IsPathSeparator(path[0])) {
        underRoot = true;
    }
    std::string native;
    if (underRoot) {
        native = DriveRoot();
        if (path.empty() || !IsPathSeparator(path[0])) {
            native += '/';
        }
    }
    for (char c : path) {
        native += c == '\\' ? '/' : c;
    }
    return native;
}

bool IsRegularFile(const std::string& native) {
    struct stat info {};
    return ::stat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Opens and closes a descriptor; -1 when opening failed.
class FileDescriptor {
  public:
    FileDescriptor(const std::string& native, int flags, mode_t mode = 0)
        : fd_(::open(native.c_str(), flags | O_CLOEXEC, mode)) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // True when the descriptor is a regular file that has no other name.
    bool IsPlainFile(bool singleName) const {
        struct stat info {};
        return ::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode) &&
               (!singleName || info.st_nlink == 1);
    }
    // Closes the descriptor; false when the system reports a failed write there.
    bool Close() {
        const bool closed = fd_ < 0 || ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// The whole file. Opening does not wait (a pipe in the file's place would make it), and only
// a regular file is read.
FileContent ReadNativeFile(const std::string& native) {
    FileDescriptor file(native, O_RDONLY | O_NONBLOCK);
    if (!file.IsOpen()) {
        struct stat info {};
        if (::stat(native.c_str(), &info) != 0) {
            return {ReadStatus::Missing, {}};
        }
        return {S_ISREG(info.st_mode) ? ReadStatus::Unreadable : ReadStatus::NotAFile, {}};
    }
    if (!file.IsPlainFile(false)) {
        return {ReadStatus::NotAFile, {}};
    }
    std::string bytes;
    std::array<char, 65536> buffer{};
    for (;;) {
        const ssize_t count = ::read(file.Get(), buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return {ReadStatus::Unreadable, {}};
        }
        if (count == 0) {
            return {ReadStatus::Ok, std::move(bytes)};
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(count));
    }
}

// Whatever has the name (a file, a link) is removed first, and the new file is created where
// nothing may exist any more: a link put there meanwhile makes the write fail, never lets it
// reach another file.
bool ReplaceNativeFile(const std::string& native, std::string_view bytes) {
    if (::unlink(native.c_str()) != 0 && errno != ENOENT) {
        return false;
    }
    FileDescriptor file(native, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0666);
    const bool written = file.IsOpen() && WriteAll(file.Get(), bytes);
    return file.Close() && written;
}

class PosixFileSystem final : public FileSystem {
  public:
    FileContent Read(const std::string& path) const override {
        return ReadNativeFile(NativePath(path));
    }

    bool CanOpenForReading(const std::string& path) const override {
        const std::string native = NativePath(path);
        return IsRegularFile(native) && ::access(native.c_str(), R_OK) == 0;
    }

    bool Replace(const std::string& path, std::string_view bytes) override {
        return ReplaceNativeFile(NativePath(path), bytes);
    }

    bool Copy(const std::string& from, const std::string& to) override {
        const FileContent source = Read(from);
        return source.status == ReadStatus::Ok && Replace(to, source.bytes);
    }

    bool Append(const std::string& path, std::string_view bytes) override {
        // O_NOFOLLOW refuses a link, O_NONBLOCK a pipe without a reader; the rest is refused
        // once open, before anything is written.
        FileDescriptor file(NativePath(path),
                            O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK, 0666);
        const bool written = file.IsOpen() && file.IsPlainFile(true) && WriteAll(file.Get(), bytes);
        return file.Close() && written;
    }

    bool Remove(const std::string& path) override {
        return ::unlink(NativePath(path).c_str()) == 0;
    }

    WriteStatus WritePrivate(const std::string& path, std::string_view bytes,
                             bool mayReplace) override {
        // A file to replace is removed first, never written through (it may be a link); the
        // new file is created by this call alone, private from the start.
        const std::string native = NativePath(path);
        if (mayReplace && ::unlink(native.c_str()) != 0 && errno != ENOENT) {
            return WriteStatus::Failed;
        }
        FileDescriptor file(native, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, S_IRUSR | S_IWUSR);
        if (!file.IsOpen()) {
            return errno == EEXIST ? WriteStatus::Exists : WriteStatus::Failed;
        }
        // The process's umask may not take bits away from 600; it never adds any.
        const bool written =
            ::fchmod(file.Get(), S_IRUSR | S_IWUSR) == 0 && WriteAll(file.Get(), bytes);
        return file.Close() && written ? WriteStatus::Written : WriteStatus::Failed;
    }

    bool IsReadableByOthers(const std::string& path) const override {
        struct stat info {};
        return ::stat(NativePath(path).c_str(), &info) == 0 &&
               (info.st_mode & (S_IRGRP | S_IROTH)) != 0;
    }
};

class PosixSharedLibrary final : public SharedLibrary {
  public:
    explicit PosixSharedLibrary(void* handle) : handle_(handle) {}
    ~PosixSharedLibrary() override { ::dlclose(handle_); }
    PosixSharedLibrary(const PosixSharedLibrary&) = delete;
    PosixSharedLibrary& operator=(const PosixSharedLibrary&) = delete;

    void* Resolve(const std::string& name) const override { return ::dlsym(handle_, name.c_str()); }

  private:
    void* handle_;
};

// The folders of a colon-separated list; an empty entry, which the loader reads as the working
// folder, is left out.
std::vector<std::string> FolderList(const char* text) {
    std::vector<std::string> folders;
    std::string_view rest = text != nullptr ? text : "";
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find_first_of(":;"), rest.size());
        if (end > 0) {
            folders.emplace_back(rest.substr(0, end));
        }
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return folders;
}

// The file that the dynamic loader would take for a bare file name, where it can be found:
// in the folders of LD_LIBRARY_PATH, through the loader's cache, in the system's library
// folders; empty when none of them has it.
std::string FindLoaderFile(const std::string& name) {
    for (const std::string& folder : FolderList(std::getenv("LD_LIBRARY_PATH"))) {
        if (IsRegularFile(folder + '/' + name)) {
            return folder + '/' + name;
        }
    }
    const FileContent cache = ReadNativeFile("/etc/ld.so.cache");
    if (const std::string cached = LoaderCachePath(cache.bytes, name);
        !cached.empty() && IsRegularFile(cached)) {
        return cached;
    }
    for (const char* folder : {"/lib/x86_64-linux-gnu", "/usr/lib/x86_64-linux-gnu", "/lib64",
                               "/usr/lib64", "/lib", "/usr/lib"}) {
        if (IsRegularFile(std::string(folder) + '/' + name)) {
            return std::string(folder) + '/' + name;
        }
    }
    return {};
}

// The loader's message in the sensor's words: "NAME: cannot open shared object file: No such
// file or directory" names the file itself when it is missing, else the dependency missing.
LoadedLibrary LoaderFailure(const std::string& message, const std::string& loaded) {
    constexpr std::string_view kMissing = ": cannot open shared object file: No such file";
    const std::size_t at = message.find(kMissing);
    if (at == std::string::npos) {
        return {nullptr, LibraryFault::Refused, message};
    }
    const std::string name = message.substr(0, at);
    if (name == loaded) {
        return {nullptr, LibraryFault::NotFound, {}};
    }
    return {nullptr, LibraryFault::MissingDependency, std::string(FileNameOf(name))};
}

}  // namespace

std::unique_ptr<FileSystem> MakeNativeFileSystem() {
    return std::make_unique<PosixFileSystem>();
}

void PrepareProcess() {
    // A reader that went away (a closed pipe) then makes writes fail, which the run reports in
    // its exit code, instead of ending the process without a word.
    ::signal(SIGPIPE, SIG_IGN);
}

std::string ExecutablePath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !self.is_absolute()) {
        return {};
    }
    const std::string text = self.string();
    // An executable removed since it started is named "PATH (deleted)": no file there.
    if (text.ends_with(" (deleted)") && !std::filesystem::exists(self, error)) {
        return {};
    }
    // Express the path so that NativePath maps it back to the same file: below the drive root
    // as a path from that root, anywhere else as a path from the working folder (which cannot
    // be formed when the working folder no longer exists).
    const std::string root = DriveRoot();
    if (root.empty()) {
        return text;
    }
    if (text.size() > root.size() && text.compare(0, root.size(), root) == 0 &&
        text[root.size()] == '/') {
        return text.substr(root.size());
    }
    const std::filesystem::path working = std::filesystem::current_path(error);
    if (error) {
        return {};
    }
    const std::filesystem::path relative = std::filesystem::relative(self, working, error);
    return error ? std::string() : relative.string();
}

bool IsTerminalInput() {
    return ::isatty(STDIN_FILENO) == 1;
}

std::optional<std::string> ReadSecretLine() {
    termios shown{};
    const bool terminal = ::tcgetattr(STDIN_FILENO, &shown) == 0;
    if (terminal) {
        termios hidden = shown;
        hidden.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &hidden);
    }
    std::optional<std::string> line = ReadInputLine();
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &shown);
    }
    return line;
}

std::string LocalTimeOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

bool UsesWindowsLibraries() {
    return false;
}

LoadedLibrary LoadSharedLibrary(const std::string& path) {
    // A bare name is left to the dynamic loader, but the file it would take is checked first
    // where it can be found.
    const bool bareName = FolderOf(path).empty();
    const std::string file = bareName ? FindLoaderFile(path) : NativePath(path);
    if (!file.empty()) {
        if (const LibraryFault fault = CheckLibraryFile(ReadNativeFile(file), ImageFormat::Elf);
            fault != LibraryFault::None) {
            return {nullptr, fault, {}};
        }
    }
    const std::string loaded = file.empty() ? path : file;
    ::dlerror();
    void* handle = ::dlopen(loaded.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = ::dlerror();
        return LoaderFailure(reason != nullptr ? reason : "", loaded);
    }
    return {std::make_unique<PosixSharedLibrary>(handle), LibraryFault::None, {}};
}

std::string NativePathOf(std::string_view path) {
    return NativePath(path);
}

}  // namespace trevalunda::platform

// The POSIX side of the platform layer. Windows paths are mapped to this file system: "\" and
// "/" both separate folders, and a path that begins with a drive letter or a separator lies
// below the drive root, which is "/" unless TREVALUNDA_DRIVE_ROOT names another folder (a hook
// for tests, which give every run a drive of its own).

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/file_system.h"
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

class PosixFileSystem final : public FileSystem {
  public:
    FileContent Read(const std::string& path) const override {
        const std::string native = NativePath(path);
        if (!IsRegularFile(native)) {
            return {ReadStatus::Missing, {}};
        }
        std::ifstream in(native, std::ios::binary);
        if (!in) {
            return {ReadStatus::Unreadable, {}};
        }
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad()) {
            return {ReadStatus::Unreadable, {}};
        }
        return {ReadStatus::Ok, std::move(bytes)};
    }

    bool CanOpenForReading(const std::string& path) const override {
        const std::string native = NativePath(path);
        return IsRegularFile(native) && ::access(native.c_str(), R_OK) == 0;
    }

    bool Replace(const std::string& path, std::string_view bytes) override {
        std::ofstream out(NativePath(path), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        return !out.fail();
    }

    bool Copy(const std::string& from, const std::string& to) override {
        const FileContent source = Read(from);
        return source.status == ReadStatus::Ok && Replace(to, source.bytes);
    }

    bool Append(const std::string& path, std::string_view bytes) override {
        std::ofstream out(NativePath(path), std::ios::binary | std::ios::app);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        return !out.fail();
    }

    bool Remove(const std::string& path) override {
        return ::unlink(NativePath(path).c_str()) == 0;
    }

    WriteStatus WritePrivate(const std::string& path, std::string_view bytes,
                             bool mayReplace) override {
        const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mayReplace ? O_TRUNC : O_EXCL);
        const int fd = ::open(NativePath(path).c_str(), flags, S_IRUSR | S_IWUSR);
        if (fd < 0) {
            return errno == EEXIST ? WriteStatus::Exists : WriteStatus::Failed;
        }
        // A replaced file keeps its mode on open; it is made private before the secret goes in.
        bool written = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0;
        while (written && !bytes.empty()) {
            const ssize_t count = ::write(fd, bytes.data(), bytes.size());
            if (count < 0 && errno == EINTR) {
                continue;
            }
            written = count > 0;
            bytes.remove_prefix(written ? static_cast<std::size_t>(count) : 0);
        }
        return ::close(fd) == 0 && written ? WriteStatus::Written : WriteStatus::Failed;
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

}  // namespace

std::unique_ptr<FileSystem> MakeNativeFileSystem() {
    return std::make_unique<PosixFileSystem>();
}

void PrepareProcess() {}

std::string ExecutablePath() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {};
    }
    // Express the path so that NativePath maps it back to the same file: below the drive root
    // as a path from that root, anywhere else as a path from the working folder.
    const std::string root = DriveRoot();
    const std::string text = self.string();
    if (root.empty()) {
        return text;
    }
    if (text.size() > root.size() && text.compare(0, root.size(), root) == 0 &&
        text[root.size()] == '/') {
        return text.substr(root.size());
    }
    return std::filesystem::relative(self, std::filesystem::current_path(error)).string();
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
    return false;
}

LoadedLibrary LoadSharedLibrary(const std::string& path) {
    // A name with a folder part is a file path; a bare name is left to the dynamic loader.
    const std::string native = FolderOf(path).empty() ? path : NativePath(path);
    ::dlerror();
    void* handle = ::dlopen(native.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = ::dlerror();
        return {nullptr, reason != nullptr ? reason : "unknown reason"};
    }
    return {std::make_unique<PosixSharedLibrary>(handle), {}};
}

std::string NativePathOf(std::string_view path) {
    return NativePath(path);
}

}  // namespace trevalunda::platform

#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace trevalunda::platform {

// Paths are written the way the sensor's users write them on Windows: "\" or "/" separate
// folders, and a path may begin with a drive letter ("C:\x") or a separator (the root of the
// current drive). Each platform maps such a path to its own file system.

// NotAFile: the path names something other than a regular file (a folder, a device).
enum class ReadStatus { Ok, Missing, Unreadable, NotAFile };

struct FileContent {
    ReadStatus status = ReadStatus::Missing;
    std::string bytes;
};

enum class WriteStatus { Written, Exists, Failed };

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // The whole file, byte for byte; Missing when there is no such file, Unreadable when it
    // exists but cannot be read, NotAFile when the path names a folder or a device.
    virtual FileContent Read(const std::string& path) const = 0;
    // True when the file exists and could be opened for reading now.
    virtual bool CanOpenForReading(const std::string& path) const = 0;
    // Writes a new file with the given bytes in place of whatever file or link had the name
    // (a link is removed, never written through); false when the name stays taken (a folder).
    virtual bool Replace(const std::string& path, std::string_view bytes) = 0;
    // Copies a file byte for byte to a new file in place of the target, as Replace does.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
    // Appends bytes to a file, creating it when missing; the bytes are on disk on return.
    // Refused (false) when the name is a link, or the file has further names (hard links),
    // so that an append never reaches a file of another name.
    virtual bool Append(const std::string& path, std::string_view bytes) = 0;
    // Deletes a file; false when it was missing or could not be deleted.
    virtual bool Remove(const std::string& path) = 0;
    // Writes a file that holds a secret: on POSIX only its owner may read it (mode 600), on
    // Windows it takes the access rules of its folder. Unless mayReplace is set, an existing
    // file is left as it is and Exists returned; the test and the creation are one step.
    virtual WriteStatus WritePrivate(const std::string& path, std::string_view bytes,
                                     bool mayReplace) = 0;
    // True when users other than the file's owner may read it by its POSIX mode (group or
    // others); always false on Windows, where access lists decide.
    virtual bool IsReadableByOthers(const std::string& path) const = 0;
};

// The file system of the machine the sensor runs on.
std::unique_ptr<FileSystem> MakeNativeFileSystem();

// True for both folder separators, "\" and "/".
constexpr bool IsPathSeparator(char c) {
    return c == '\\' || c == '/';
}

// The folder part of a path, up to and including its last separator; empty when it has none.
std::string_view FolderOf(std::string_view path);

// The file name of a path without its folder part.
std::string_view FileNameOf(std::string_view path);

// The path as the operating system itself names the file, for handing it to a library.
std::string NativePathOf(std::string_view path);

}  // namespace trevalunda::platform

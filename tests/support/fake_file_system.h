#pragma once

#include <map>
#include <string>

#include "platform/file_system.h"

namespace trevalunda::testing {

// A file system in memory for unit tests. Paths are compared with "/" read as "\".
class FakeFileSystem final : public platform::FileSystem {
  public:
    void Add(const std::string& path, std::string bytes) { files_[Key(path)] = std::move(bytes); }
    void AddUnreadable(const std::string& path) { unreadable_[Key(path)] = true; }
    void AddFolder(const std::string& path) { folders_[Key(path)] = true; }
    // Marks a file as one that other users may read.
    void ShareWithOthers(const std::string& path) { shared_[Key(path)] = true; }
    bool Has(const std::string& path) const { return files_.count(Key(path)) != 0; }
    const std::string& At(const std::string& path) const { return files_.at(Key(path)); }

    platform::FileContent Read(const std::string& path) const override {
        if (unreadable_.count(Key(path)) != 0) {
            return {platform::ReadStatus::Unreadable, {}};
        }
        if (folders_.count(Key(path)) != 0) {
            return {platform::ReadStatus::NotAFile, {}};
        }
        const auto found = files_.find(Key(path));
        if (found == files_.end()) {
            return {platform::ReadStatus::Missing, {}};
        }
        return {platform::ReadStatus::Ok, found->second};
    }
    bool CanOpenForReading(const std::string& path) const override {
        return Read(path).status == platform::ReadStatus::Ok;
    }
    bool Replace(const std::string& path, std::string_view bytes) override {
        files_[Key(path)] = std::string(bytes);
        return true;
    }
    bool Copy(const std::string& from, const std::string& to) override {
        const auto content = Read(from);
        return content.status == platform::ReadStatus::Ok && Replace(to, content.bytes);
    }
    bool Append(const std::string& path, std::string_view bytes) override {
        files_[Key(path)] += bytes;
        return true;
    }
    bool Remove(const std::string& path) override { return files_.erase(Key(path)) != 0; }
    platform::WriteStatus WritePrivate(const std::string& path, std::string_view bytes,
                                       bool mayReplace) override {
        if (!mayReplace && Has(path)) {
            return platform::WriteStatus::Exists;
        }
        shared_.erase(Key(path));
        Replace(path, bytes);
        return platform::WriteStatus::Written;
    }
    bool IsReadableByOthers(const std::string& path) const override {
        return shared_.count(Key(path)) != 0;
    }

  private:
    static std::string Key(std::string path) {
        for (char& c : path) {
            if (c == '/') {
                c = '\\';
            }
        }
        return path;
    }

    std::map<std::string, std::string> files_;
    std::map<std::string, bool> unreadable_;
    std::map<std::string, bool> folders_;
    std::map<std::string, bool> shared_;
};

}  // namespace trevalunda::testing

#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "rfc/rfc_client.h"
#include "run/sensor_run.h"

namespace trevalunda::tool {

// What the sensor's run did with the RFC library, noted by the diagnose command as the run
// went: which library it opened and how each remote step ended, with the library's own words
// about a failure.
struct RfcWatch {
    bool opening = false;                      // the run asked for the library
    std::optional<std::string> openingFailed;  // the run's message when it could not be opened
    std::string libraryName;
    RfcLibraryKind kind = RfcLibraryKind::Classic;
    std::string stepUnderWay;  // "logon", ... while the library works on it
    // The library's error handler reported a failure during the step under way; the process
    // ends once the report is out.
    bool libraryReported = false;
    std::optional<LogonOutcome> logon;
    std::optional<IdentityOutcome> identity;
    std::optional<LockWaitersOutcome> locks;
    std::optional<std::string> libraryError;  // the operation that failed inside the library
    std::string failureDescription;           // the library's words about the failed step
};

// The run's factory of RFC clients, with every client it hands out watched.
RfcClientFactory WatchRfcClients(RfcClientFactory clients, RfcWatch& watch);

// A file that the run changed, and how ("written", "copied from SapRfc.PRD", ...).
struct FileChange {
    std::string path;
    std::string how;
};

// The run's file system, with each change that the run makes noted.
class WatchedFileSystem final : public platform::FileSystem {
  public:
    explicit WatchedFileSystem(platform::FileSystem& files) : files_(files) {}

    const std::vector<FileChange>& Changes() const { return changes_; }

    platform::FileContent Read(const std::string& path) const override;
    bool CanOpenForReading(const std::string& path) const override;
    bool Replace(const std::string& path, std::string_view bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool Append(const std::string& path, std::string_view bytes) override;
    bool Remove(const std::string& path) override;
    platform::WriteStatus WritePrivate(const std::string& path, std::string_view bytes,
                                       bool mayReplace) override;
    bool IsReadableByOthers(const std::string& path) const override;

  private:
    void Note(const std::string& path, std::string how);

    platform::FileSystem& files_;
    std::vector<FileChange> changes_;
};

}  // namespace trevalunda::tool

#include "tool/diagnose_watch.h"

#include <algorithm>
#include <utility>

namespace trevalunda::tool {
namespace {

// An RFC client that hands every call to the sensor's client and notes how it ended. After a
// failed step it asks the library for its words about the failure, before the run asks
// anything else; after a failure inside the library it asks nothing, so that the library's own
// report comes first.
class WatchedRfcClient final : public RfcClient {
  public:
    WatchedRfcClient(std::unique_ptr<RfcClient> client, RfcWatch& watch)
        : client_(std::move(client)), watch_(watch) {
        SetLibraryName(client_->LibraryName());
    }

  private:
    template <typename Call>
    auto Step(std::string_view name, Call call) {
        watch_.stepUnderWay = name;
        auto outcome = call();
        watch_.stepUnderWay.clear();
        if (!outcome.ok()) {
            watch_.libraryError = outcome.fatal().message;
        }
        return outcome;
    }

  public:
    Result<LogonOutcome> LogOn(const LogonData& system) override {
        Result<LogonOutcome> logon = Step("logon", [&] { return client_->LogOn(system); });
        if (logon.ok()) {
            watch_.logon = logon.value();
            if (!logon.value().opened) {
                watch_.failureDescription = client_->DescribeLastFailure();
            }
        }
        return logon;
    }
    Result<IdentityOutcome> AskIdentity() override {
        Result<IdentityOutcome> identity =
            Step("RFC_SYSTEM_INFO", [&] { return client_->AskIdentity(); });
        if (identity.ok()) {
            watch_.identity = identity.value();
            if (identity.value().code != kRfcOk) {
                watch_.failureDescription = client_->DescribeLastFailure();
            }
        }
        return identity;
    }
    Result<LockWaitersOutcome> CountLockWaiters() override {
        Result<LockWaitersOutcome> locks =
            Step("S_DB_EXCLUSIVE_LOCK_WAITERS", [&] { return client_->CountLockWaiters(); });
        if (locks.ok()) {
            watch_.locks = locks.value();
            if (locks.value().code != kRfcOk) {
                watch_.failureDescription = client_->DescribeLastFailure();
            }
        }
        return locks;
    }
    void Close() override {
        watch_.stepUnderWay = "close";
        client_->Close();
        watch_.stepUnderWay.clear();
    }
    std::string FailureFinding() override { return client_->FailureFinding(); }
    void PrintErrorReport(platform::OutputSink& out, std::string_view operation) override {
        client_->PrintErrorReport(out, operation);
    }
    RfcLibraryKind Kind() const override { return client_->Kind(); }
    std::string DescribeLastFailure() override { return client_->DescribeLastFailure(); }

  private:
    std::unique_ptr<RfcClient> client_;
    RfcWatch& watch_;
};

}  // namespace

RfcClientFactory WatchRfcClients(RfcClientFactory clients, RfcWatch& watch) {
    return [clients = std::move(clients), &watch](
               const std::string& library, RunLog& log,
               platform::OutputSink& out) -> Result<std::unique_ptr<RfcClient>> {
        watch.opening = true;
        Result<std::unique_ptr<RfcClient>> opened = clients(library, log, out);
        if (!opened.ok()) {
            watch.openingFailed = opened.fatal().message;
            return opened;
        }
        watch.libraryName = opened.value()->LibraryName();
        watch.kind = opened.value()->Kind();
        return std::unique_ptr<RfcClient>(
            std::make_unique<WatchedRfcClient>(std::move(opened.value()), watch));
    };
}

platform::FileContent WatchedFileSystem::Read(const std::string& path) const {
    return files_.Read(path);
}

bool WatchedFileSystem::CanOpenForReading(const std::string& path) const {
    return files_.CanOpenForReading(path);
}

bool WatchedFileSystem::Replace(const std::string& path, std::string_view bytes) {
    const bool done = files_.Replace(path, bytes);
    Note(path, done ? "written" : "could not be written");
    return done;
}

bool WatchedFileSystem::Copy(const std::string& from, const std::string& to) {
    const bool done = files_.Copy(from, to);
    Note(to, done ? "copied from " + from : "could not be copied from " + from);
    return done;
}

bool WatchedFileSystem::Append(const std::string& path, std::string_view bytes) {
    const bool done = files_.Append(path, bytes);
    Note(path, done ? "written" : "could not be written");
    return done;
}

bool WatchedFileSystem::Remove(const std::string& path) {
    const bool done = files_.Remove(path);
    if (done) {
        Note(path, "removed");
    }
    return done;
}

platform::WriteStatus WatchedFileSystem::WritePrivate(const std::string& path,
                                                      std::string_view bytes, bool mayReplace) {
    const platform::WriteStatus status = files_.WritePrivate(path, bytes, mayReplace);
    if (status == platform::WriteStatus::Written) {
        Note(path, "written");
    }
    return status;
}

bool WatchedFileSystem::IsReadableByOthers(const std::string& path) const {
    return files_.IsReadableByOthers(path);
}

// A file is noted once, with its first change: a log appended line by line is one change.
void WatchedFileSystem::Note(const std::string& path, std::string how) {
    const bool noted = std::any_of(changes_.begin(), changes_.end(),
                                   [&](const FileChange& change) { return change.path == path; });
    if (!noted) {
        changes_.push_back({path, std::move(how)});
    }
}

}  // namespace trevalunda::tool

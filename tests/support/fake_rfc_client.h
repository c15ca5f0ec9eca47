#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/output_sink.h"
#include "rfc/rfc_client.h"

namespace trevalunda::testing {

// How one simulated system answers the fake client.
struct FakeSystem {
    bool reachable = true;
    std::string logonReason;  // the library's reason when the logon fails
    IdentityOutcome identity{kRfcOk, "", "ORACLE", "hsys"};
    LockWaitersOutcome locks{kRfcOk, "", 5};
    std::string libraryErrorAt;  // "identity" or "locks": that step fails inside the library
};

// What the systems answer and what the client was asked, shared by every client the factory
// hands out.
struct FakeLandscape {
    std::map<std::string, FakeSystem> systems;  // by destination
    std::vector<std::string> calls;
    std::vector<LogonData> logons;  // what each logon was given
    std::string finding = " - finding";
    std::string failureDescription = "error record: message the library's reason";
    RfcLibraryKind kind = RfcLibraryKind::Classic;
    int clientsOpened = 0;
};

// An RFC client over a landscape in memory, for tests of the runs without a library.
class FakeRfcClient final : public RfcClient {
  public:
    explicit FakeRfcClient(FakeLandscape& landscape) : landscape_(landscape) {}

    Result<LogonOutcome> LogOn(const LogonData& system) override {
        landscape_.calls.push_back("LogOn " + system.destination + " " + system.host);
        landscape_.logons.push_back(system);
        const auto found = landscape_.systems.find(system.destination);
        if (found == landscape_.systems.end() || !found->second.reachable) {
            return LogonOutcome{false, found == landscape_.systems.end()
                                           ? std::string()
                                           : found->second.logonReason};
        }
        current_ = &found->second;
        return LogonOutcome{true, {}};
    }
    Result<IdentityOutcome> AskIdentity() override {
        landscape_.calls.push_back("AskIdentity");
        if (current_->libraryErrorAt == "identity") {
            return Fatal::LibraryError("RfcCall RFC_SYSTEM_INFO");
        }
        return current_->identity;
    }
    Result<LockWaitersOutcome> CountLockWaiters() override {
        landscape_.calls.push_back("CountLockWaiters");
        if (current_->libraryErrorAt == "locks") {
            return Fatal::LibraryError("ItCreate EXCLUSIVE_LOCK_WAITERS");
        }
        return current_->locks;
    }
    void Close() override {
        if (current_ != nullptr) {
            landscape_.calls.push_back("Close");
            current_ = nullptr;
        }
    }
    std::string FailureFinding() override {
        landscape_.calls.push_back("FailureFinding");
        return landscape_.finding;
    }
    void PrintErrorReport(platform::OutputSink& out, std::string_view operation) override {
        landscape_.calls.push_back("PrintErrorReport");
        out.Write("RFC error\noperation/code  : " + std::string(operation) + "\n");
    }
    RfcLibraryKind Kind() const override { return landscape_.kind; }
    std::string DescribeLastFailure() override {
        landscape_.calls.push_back("DescribeLastFailure");
        return landscape_.failureDescription;
    }

  private:
    FakeLandscape& landscape_;
    const FakeSystem* current_ = nullptr;
};

}  // namespace trevalunda::testing

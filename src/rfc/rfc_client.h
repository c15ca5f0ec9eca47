#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "base/result.h"

namespace trevalunda {

namespace platform {
class OutputSink;
}

// The logon data of one SAP system as the sensor hands it to an RFC library: the profile's
// values with the host and system number that the parameter text may override. User and
// password come without padding; each library kind prepares them as it needs.
struct LogonData {
    std::string destination;
    std::string client;
    std::string user;  // upper-cased
    std::string password;
    std::string language;
    std::string mode;  // "R/2" selects a logon through the gateway alone
    std::string host;
    std::string systemNumber;  // a decimal text
    std::string gatewayHost;
    std::string gatewayService;
    // The run prints its progress lines: a library may then say how it logs on (the classic
    // library's prepared configuration), as the progress lines of the run do.
    bool progressLines = false;
};

// The outcome code of a remote step: 0 when it succeeded. Any other value is the library's
// own code, and the failure text is the sensor's message for it ("Error 1014: RFC-Failure
// raised !", ...).
inline constexpr int kRfcOk = 0;

struct LogonOutcome {
    bool opened = false;
    // Why the logon failed, in the library's words; empty when the library gives no reason.
    std::string reason;
};

struct IdentityOutcome {
    int code = kRfcOk;
    std::string failureText;
    std::string databaseSystem;  // at most 10 characters
    std::string hostName;        // at most 8 characters
};

struct LockWaitersOutcome {
    int code = kRfcOk;
    std::string failureText;
    std::uint32_t count = 0;  // one per exclusive lock waiter
};

// The two kinds of RFC library the sensor serves.
enum class RfcLibraryKind { Classic, NetWeaver };

// "the classic RFC library", "SAP's NetWeaver RFC library".
std::string_view RfcLibraryKindWords(RfcLibraryKind kind);

// The sensor's one door to an RFC library, in the sensor's own terms. Each kind of library
// is one implementation. At most one connection is open at a time.
//
// A failure of the library itself (a structure or table operation the sensor relies on) is
// a Fatal with libraryError set: the run then ends with the library's own error report and
// exit code 1, and nothing may touch the library before that report.
class RfcClient {
  public:
    virtual ~RfcClient() = default;

    // Logs on to the system; the connection stays open until Close.
    virtual Result<LogonOutcome> LogOn(const LogonData& system) = 0;

    // Asks the system of the open connection who it is (RFC_SYSTEM_INFO).
    virtual Result<IdentityOutcome> AskIdentity() = 0;

    // Counts the exclusive database lock waiters of the system (S_DB_EXCLUSIVE_LOCK_WAITERS).
    virtual Result<LockWaitersOutcome> CountLockWaiters() = 0;

    // Closes the open connection, if there is one.
    virtual void Close() = 0;

    // What the library tells about the last failed remote step, as the text that follows
    // the step's failure text (" - " and a message).
    virtual std::string FailureFinding() = 0;

    // The library's own report of a library error, printed before the run ends with exit
    // code 1.
    virtual void PrintErrorReport(platform::OutputSink& out, std::string_view operation) = 0;

    // The kind of library behind the client.
    virtual RfcLibraryKind Kind() const = 0;

    // What the library tells about the last failed logon or remote step, in its own words, for
    // a person who looks into the failure: its error record or error info and what its trace
    // file says. Asking changes nothing that the run's outputs show.
    virtual std::string DescribeLastFailure() = 0;

    // The library's name as the messages quote it ("librfc32.dll"); set by whoever opened it.
    const std::string& LibraryName() const { return libraryName_; }
    void SetLibraryName(std::string name) { libraryName_ = std::move(name); }

  private:
    std::string libraryName_;
};

}  // namespace trevalunda

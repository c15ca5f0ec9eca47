#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/result.h"

namespace trevalunda {

class RfcClient;
class RfcStepTracker;
struct LogonData;

// How serving a system ended, when the run goes on.
enum class SystemEnding {
    LogonFailed,        // no connection; the failure text holds the library's reason, if any
    LockWaitersFailed,  // the failure text holds the call's report
    Measured,
};

struct SystemMeasurement {
    SystemEnding ending = SystemEnding::LogonFailed;
    std::string failureText;
    std::uint32_t count = 0;
    // The host the system reported once it answered who it is.
    std::optional<std::string> reportedHost;
};

// Serves one system: logon, identity check, lock waiters, close. Both kinds of run go this
// way and differ only in what they make of the outcome. A failed identity call (with what the
// library tells about it) and a system that does not run on Oracle end the run; so does a
// library error, with the connection left open for the library's own report. The tracker
// knows the remote step under way.
Result<SystemMeasurement> MeasureSystem(RfcClient& client, const LogonData& system,
                                        RfcStepTracker& steps);

}  // namespace trevalunda

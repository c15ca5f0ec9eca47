#pragma once

#include <string>
#include <string_view>

#include "base/result.h"
#include "classic_rfc_api.h"

namespace trevalunda {

class RemoteCalls;

// What RFC_SYSTEM_INFO told about the reached system.
struct SystemInfoOutcome {
    int code = 0;                // the outcome code of the call
    std::string failureText;     // the report of a failed call
    std::string databaseSystem;  // RFCDBSYS, at most 10 characters
    std::string hostName;        // RFCHOST, at most 8 characters
};

// Asks the reached system for its system information.
Result<SystemInfoOutcome> ReadSystemInfo(RemoteCalls& calls, RfcHandle handle);

// The lock waiters the sensor counts exist only on Oracle: the database system name must
// begin with "ORA", in this case.
bool RunsOnOracle(std::string_view databaseSystem);

}  // namespace trevalunda

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/result.h"
#include "classic_rfc_api.h"

namespace trevalunda {

class RemoteCalls;
class ResultDocument;
struct RfcFunctions;

inline constexpr std::string_view kLockItem = "No_of_Locks";

// What S_DB_EXCLUSIVE_LOCK_WAITERS told: the number of exclusive lock waiters, one per line.
struct LockWaiterOutcome {
    int code = 0;             // the outcome code of the call
    std::string failureText;  // the report of a failed call
    std::uint32_t count = 0;
};

// Asks the reached system for its exclusive database lock waiters and counts them.
Result<LockWaiterOutcome> MeasureLockWaiters(const RfcFunctions& functions, RemoteCalls& calls,
                                             RfcHandle handle);

// The result of a single-system run: the count as text, grouped by thousands, and as the
// channel "No_of_Locks".
void WriteLockResult(ResultDocument& document, std::string_view destination, std::uint32_t count);

}  // namespace trevalunda

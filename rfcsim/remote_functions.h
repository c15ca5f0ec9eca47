#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "classic_rfc_api.h"
#include "rfcsim/landscape.h"

namespace trevalunda::rfcsim {

// The remote function modules the simulated systems offer.
enum class RemoteFunction { SystemInfo, LockWaiters };

inline constexpr std::string_view kSystemInfoFunction = "RFC_SYSTEM_INFO";
inline constexpr std::string_view kLockWaitersFunction = "S_DB_EXCLUSIVE_LOCK_WAITERS";
inline constexpr std::string_view kLockWaitersTable = "EXCLUSIVE_LOCK_WAITERS";

std::optional<RemoteFunction> FindRemoteFunction(std::string_view name);
std::string_view FunctionName(RemoteFunction function);

// The codes the system's faults give RfcCall and RfcReceive of the function (0 when none).
int CallCode(const Faults& faults, RemoteFunction function);
int ReceiveCode(const Faults& faults, RemoteFunction function);

// An importing parameter a function fills: its type is a type code, or the type handle of
// the structure named when that name is not empty.
struct ParameterLayout {
    std::string_view name;
    std::uint32_t typeCode;
    std::string_view structure;
    std::uint32_t length;
};

// The importing parameters of the function, in no particular order (none for the lock
// waiters, whose result comes in a table).
std::span<const ParameterLayout> ImportingParameters(RemoteFunction function);

// The value the system reports in the named field of the system information record, not yet
// cut to the field's width; empty for a field it leaves blank.
std::string SystemInfoValue(const SapSystem& system, std::string_view field);

// The system information record the system reports: every field blank-padded to its width.
std::array<char, kRfcsiLength> SystemInfoRecord(const SapSystem& system);

// Writes the system's answer into the caller's importing entries, which match
// ImportingParameters(RemoteFunction::SystemInfo).
void FillSystemInfo(const SapSystem& system, const RfcParameterEntry* importing);

// Line number (counted from 1) of the lock waiters the system reports.
std::array<char, kLockWaiterLineLength> LockWaiterLine(const SapSystem& system,
                                                       std::uint32_t number);

}  // namespace trevalunda::rfcsim

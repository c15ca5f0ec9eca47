#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "classic_rfc_api.h"
#include "rfc/classic/structures.h"
#include "rfc/rfc_client.h"

namespace trevalunda {

class RunLog;
struct RfcFunctions;

// The outcome codes of a classic remote call: 0 ok (kRfcOk), 1 failure, 2 exception, 3 system
// exception, any other value another failure.
inline constexpr int kRfcFailure = 1;
inline constexpr int kRfcException = 2;
inline constexpr int kRfcSystemException = 3;

// The text a failed call leaves for its report ("Error 1014: RFC-Failure raised !" ...); the
// exception text is quoted for code 2.
std::string OutcomeText(int code, const std::string& exception);

// What RFC_SYSTEM_INFO hands back; only the system information record is used.
struct SystemInfoFields {
    std::int32_t currentResources = 0;
    char dialogUserType = ' ';
    std::int32_t maximalResources = 0;
    std::int32_t recommendedDelay = 0;
    std::array<char, kRfcsiLength> systemInformation{};
    char loginComplete = ' ';
};

// The two remote function modules the sensor calls, with their structure descriptions
// installed in the library once per process.
class RemoteCalls {
  public:
    RemoteCalls(const RfcFunctions& functions, RunLog& log);

    // RFC_SYSTEM_INFO: the outcome code; the exception text with codes 2 and 3.
    Result<int> CallSystemInfo(RfcHandle handle, SystemInfoFields& fields, std::string& exception);

    // S_DB_EXCLUSIVE_LOCK_WAITERS into a table the caller created with lines of 276 bytes.
    Result<int> CallLockWaiters(RfcHandle handle, void* table, std::string& exception);

  private:
    Status InstallStructure(std::string_view name, const std::vector<StructureField>& fields,
                            std::uint32_t& typeHandle);
    int Call(RfcHandle handle, const char* function, RfcTableEntry* tables,
             RfcParameterEntry* importing, std::string& exception);

    const RfcFunctions& functions_;
    RunLog& log_;
    std::uint32_t systemInfoType_ = 0;
    std::uint32_t lockWaitersType_ = 0;
};

}  // namespace trevalunda

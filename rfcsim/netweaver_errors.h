#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "netweaver_rfc_api.h"
#include "rfcsim/landscape.h"
#include "rfcsim/remote_functions.h"

namespace trevalunda::rfcsim {

// A failed call of rfcsimnw: the code it returns, the error info's key and message, and the
// reason its trace lines give.
struct NetWeaverFailure {
    NwRfcReturnCode code;
    std::string key;
    std::string message;
    std::string reason;
};

// The key a code shows ("RFC_COMMUNICATION_FAILURE" for 1) and the group it belongs to; codes
// outside 0 to 29 count as an unknown error.
std::string_view KeyOf(NwRfcReturnCode code);
std::int32_t GroupOf(NwRfcReturnCode code);

// What rfcsimnw returns where rfcsim returns a classic code: 1 (failure) stays 1, 2
// (exception) becomes 5, 3 (system exception) stays 3, and any other code becomes 28.
NwRfcReturnCode NetWeaverCodeOf(int classicCode);

// A failure of the system with the code, for the reason: the key is the system's exception
// with code 5 and the code's key otherwise; the message is the system's ErrorMessage, or the
// reason when it has none. Without a system (a logon that reached none), the message is the
// reason.
NetWeaverFailure SystemFailure(const SapSystem* system, NwRfcReturnCode code, std::string reason);

// The failure the system's faults give RfcGetFunctionDesc (the call codes) and RfcInvoke (the
// invoke codes, else the receive codes) of the function; nullopt when the step succeeds.
std::optional<NetWeaverFailure> DescriptionFailure(const SapSystem& system,
                                                   RemoteFunction function);
std::optional<NetWeaverFailure> InvokeFailure(const SapSystem& system, RemoteFunction function);

// Fills the whole record: the code, its group, the key and the message, each text cut to fit
// its field and zero-terminated, everything else zero.
void FillErrorInfo(NwRfcErrorInfo& info, NwRfcReturnCode code, std::string_view key,
                   std::string_view message);
void FillErrorInfo(NwRfcErrorInfo& info, const NetWeaverFailure& failure);
// The record of a call that succeeded: code 0, key RFC_OK, no message.
void FillSuccess(NwRfcErrorInfo& info);

}  // namespace trevalunda::rfcsim

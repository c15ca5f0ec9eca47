#include "rfcsim/netweaver_errors.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "rfcsim/utf16.h"

namespace trevalunda::rfcsim {
namespace {

struct CodeDescription {
    std::string_view key;
    std::int32_t group;
};

constexpr std::int32_t kAbapApplication = kNwRfcGroupAbapApplicationFailure;
constexpr std::int32_t kAbapRuntime = kNwRfcGroupAbapRuntimeFailure;
constexpr std::int32_t kCommunication = kNwRfcGroupCommunicationFailure;
constexpr std::int32_t kExternalRuntime = kNwRfcGroupExternalRuntimeFailure;

// By code, 0 to 29.
constexpr std::array<CodeDescription, 30> kCodes{{
    {"RFC_OK", kNwRfcGroupOk},
    {"RFC_COMMUNICATION_FAILURE", kCommunication},
    {"RFC_LOGON_FAILURE", kNwRfcGroupLogonFailure},
    {"RFC_ABAP_RUNTIME_FAILURE", kAbapRuntime},
    {"RFC_ABAP_MESSAGE", kAbapRuntime},
    {"RFC_ABAP_EXCEPTION", kAbapApplication},
    {"RFC_CLOSED", kCommunication},
    {"RFC_CANCELED", kCommunication},
    {"RFC_TIMEOUT", kCommunication},
    {"RFC_MEMORY_INSUFFICIENT", kExternalRuntime},
    {"RFC_VERSION_MISMATCH", kExternalRuntime},
    {"RFC_INVALID_PROTOCOL", kCommunication},
    {"RFC_SERIALIZATION_FAILURE", kExternalRuntime},
    {"RFC_INVALID_HANDLE", kExternalRuntime},
    {"RFC_RETRY", kExternalRuntime},
    {"RFC_EXTERNAL_FAILURE", kNwRfcGroupExternalApplicationFailure},
    {"RFC_EXECUTED", kExternalRuntime},
    {"RFC_NOT_FOUND", kExternalRuntime},
    {"RFC_NOT_SUPPORTED", kExternalRuntime},
    {"RFC_ILLEGAL_STATE", kExternalRuntime},
    {"RFC_INVALID_PARAMETER", kExternalRuntime},
    {"RFC_CODEPAGE_CONVERSION_FAILURE", kExternalRuntime},
    {"RFC_CONVERSION_FAILURE", kExternalRuntime},
    {"RFC_BUFFER_TOO_SMALL", kExternalRuntime},
    {"RFC_TABLE_MOVE_BOF", kExternalRuntime},
    {"RFC_TABLE_MOVE_EOF", kExternalRuntime},
    {"RFC_START_SAPGUI_FAILURE", kExternalRuntime},
    {"RFC_ABAP_CLASS_EXCEPTION", kAbapApplication},
    {"RFC_UNKNOWN_ERROR", kExternalRuntime},
    {"RFC_AUTHORIZATION_FAILURE", kNwRfcGroupExternalAuthorizationFailure},
}};

const CodeDescription& DescriptionOf(NwRfcReturnCode code) {
    const bool known = code >= 0 && static_cast<std::size_t>(code) < kCodes.size();
    return kCodes[static_cast<std::size_t>(known ? code : kNwRfcUnknownError)];
}

// Copies the text as UTF-16 into a zero-terminated field, cut to fit.
template <std::size_t Size>
void PutText(char16_t (&field)[Size], std::string_view text) {
    const std::u16string converted = Utf16FromUtf8(text);
    const std::size_t length = std::min(converted.size(), Size - 1);
    std::copy_n(converted.begin(), length, field);
    field[length] = u'\0';
}

std::optional<NetWeaverFailure> FailureOfCode(const SapSystem& system, RemoteFunction function,
                                              int landscapeCode, NwRfcReturnCode code) {
    if (landscapeCode == 0) {
        return std::nullopt;
    }
    return SystemFailure(
        &system, code,
        std::string(FunctionName(function)) + " failed with code " + std::to_string(landscapeCode));
}

}  // namespace

std::string_view KeyOf(NwRfcReturnCode code) {
    return DescriptionOf(code).key;
}

std::int32_t GroupOf(NwRfcReturnCode code) {
    return DescriptionOf(code).group;
}

NwRfcReturnCode NetWeaverCodeOf(int classicCode) {
    switch (classicCode) {
        case 0:
            return kNwRfcOk;
        case 1:
            return kNwRfcCommunicationFailure;
        case 2:
            return kNwRfcAbapException;
        case 3:
            return kNwRfcAbapRuntimeFailure;
        default:
            return kNwRfcUnknownError;
    }
}

NetWeaverFailure SystemFailure(const SapSystem* system, NwRfcReturnCode code, std::string reason) {
    std::string key(KeyOf(code));
    std::string message = reason;
    if (system != nullptr) {
        if (code == kNwRfcAbapException) {
            key = system->faults.exception;
        }
        message = system->faults.errorMessage.value_or(reason);
    }
    return NetWeaverFailure{code, std::move(key), std::move(message), std::move(reason)};
}

std::optional<NetWeaverFailure> DescriptionFailure(const SapSystem& system,
                                                   RemoteFunction function) {
    const int code = CallCode(system.faults, function);
    return FailureOfCode(system, function, code, NetWeaverCodeOf(code));
}

std::optional<NetWeaverFailure> InvokeFailure(const SapSystem& system, RemoteFunction function) {
    const int invokeCode = function == RemoteFunction::SystemInfo
                               ? system.faults.systemInfoInvokeCode
                               : system.faults.lockWaitersInvokeCode;
    if (invokeCode != 0) {
        return FailureOfCode(system, function, invokeCode, invokeCode);
    }
    const int code = ReceiveCode(system.faults, function);
    return FailureOfCode(system, function, code, NetWeaverCodeOf(code));
}

void FillErrorInfo(NwRfcErrorInfo& info, NwRfcReturnCode code, std::string_view key,
                   std::string_view message) {
    std::memset(&info, 0, sizeof info);
    info.code = code;
    info.group = GroupOf(code);
    PutText(info.key, key);
    PutText(info.message, message);
}

void FillErrorInfo(NwRfcErrorInfo& info, const NetWeaverFailure& failure) {
    FillErrorInfo(info, failure.code, failure.key, failure.message);
}

void FillSuccess(NwRfcErrorInfo& info) {
    FillErrorInfo(info, kNwRfcOk, KeyOf(kNwRfcOk), "");
}

}  // namespace trevalunda::rfcsim

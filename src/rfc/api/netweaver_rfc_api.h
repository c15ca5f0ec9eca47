#pragma once

// The C interface of the NetWeaver RFC library as the sensor uses it: records, return codes and
// function types, for x86-64 with the platform's default C calling convention. The vendor's
// library (sapnwrfc.dll, libsapnwrfc.so) and the stand-in library rfcsimnw both export the
// twelve functions below under these names; RfcCancel may be missing in old releases.
//
// Texts are UTF-16 code units, zero-terminated, except the fixed-length buffers that
// RfcGetChars fills. Handles are opaque pointers; a function that hands out a handle returns
// null when it fails. Every function fills the error info record it is given.

#include <cstddef>
#include <cstdint>

extern "C" {

struct NwRfcConnection;
struct NwRfcFunctionDesc;
struct NwRfcFunction;

using NwRfcConnectionHandle = NwRfcConnection*;
using NwRfcFunctionDescHandle = NwRfcFunctionDesc*;
using NwRfcFunctionHandle = NwRfcFunction*;
// A function or a structure: what RfcGetStructure, RfcGetChars and RfcGetTable read from.
using NwRfcDataContainer = void*;
using NwRfcStructureHandle = void*;
using NwRfcTableHandle = void*;

using NwRfcReturnCode = std::int32_t;

inline constexpr NwRfcReturnCode kNwRfcOk = 0;
inline constexpr NwRfcReturnCode kNwRfcCommunicationFailure = 1;
inline constexpr NwRfcReturnCode kNwRfcLogonFailure = 2;
inline constexpr NwRfcReturnCode kNwRfcAbapRuntimeFailure = 3;
inline constexpr NwRfcReturnCode kNwRfcAbapMessage = 4;
inline constexpr NwRfcReturnCode kNwRfcAbapException = 5;
inline constexpr NwRfcReturnCode kNwRfcClosed = 6;
inline constexpr NwRfcReturnCode kNwRfcCanceled = 7;
inline constexpr NwRfcReturnCode kNwRfcTimeout = 8;
inline constexpr NwRfcReturnCode kNwRfcMemoryInsufficient = 9;
inline constexpr NwRfcReturnCode kNwRfcVersionMismatch = 10;
inline constexpr NwRfcReturnCode kNwRfcInvalidProtocol = 11;
inline constexpr NwRfcReturnCode kNwRfcSerializationFailure = 12;
inline constexpr NwRfcReturnCode kNwRfcInvalidHandle = 13;
inline constexpr NwRfcReturnCode kNwRfcRetry = 14;
inline constexpr NwRfcReturnCode kNwRfcExternalFailure = 15;
inline constexpr NwRfcReturnCode kNwRfcExecuted = 16;
inline constexpr NwRfcReturnCode kNwRfcNotFound = 17;
inline constexpr NwRfcReturnCode kNwRfcNotSupported = 18;
inline constexpr NwRfcReturnCode kNwRfcIllegalState = 19;
inline constexpr NwRfcReturnCode kNwRfcInvalidParameter = 20;
inline constexpr NwRfcReturnCode kNwRfcCodepageConversionFailure = 21;
inline constexpr NwRfcReturnCode kNwRfcConversionFailure = 22;
inline constexpr NwRfcReturnCode kNwRfcBufferTooSmall = 23;
inline constexpr NwRfcReturnCode kNwRfcTableMoveBof = 24;
inline constexpr NwRfcReturnCode kNwRfcTableMoveEof = 25;
inline constexpr NwRfcReturnCode kNwRfcStartSapguiFailure = 26;
inline constexpr NwRfcReturnCode kNwRfcAbapClassException = 27;
inline constexpr NwRfcReturnCode kNwRfcUnknownError = 28;
inline constexpr NwRfcReturnCode kNwRfcAuthorizationFailure = 29;

// The group of an error, in the error info record.
inline constexpr std::int32_t kNwRfcGroupOk = 0;
inline constexpr std::int32_t kNwRfcGroupAbapApplicationFailure = 1;
inline constexpr std::int32_t kNwRfcGroupAbapRuntimeFailure = 2;
inline constexpr std::int32_t kNwRfcGroupLogonFailure = 3;
inline constexpr std::int32_t kNwRfcGroupCommunicationFailure = 4;
inline constexpr std::int32_t kNwRfcGroupExternalRuntimeFailure = 5;
inline constexpr std::int32_t kNwRfcGroupExternalApplicationFailure = 6;
inline constexpr std::int32_t kNwRfcGroupExternalAuthorizationFailure = 7;

// What went wrong, filled by every function: zero-terminated texts.
struct NwRfcErrorInfo {
    std::int32_t code;   // a return code
    std::int32_t group;  // an error group
    char16_t key[128];   // with an ABAP exception: the exception's name
    char16_t message[512];
    char16_t abapMsgClass[21];
    char16_t abapMsgType[2];
    char16_t abapMsgNumber[4];
    char16_t abapMsgV1[51];
    char16_t abapMsgV2[51];
    char16_t abapMsgV3[51];
    char16_t abapMsgV4[51];
};

// One logon parameter of RfcOpenConnection, by its lower-case name ("client", "ashost", ...).
struct NwRfcConnectionParameter {
    const char16_t* name;
    const char16_t* value;
};

using NwRfcOpenConnectionFunction = NwRfcConnectionHandle (*)(
    const NwRfcConnectionParameter* parameters, unsigned count, NwRfcErrorInfo* errorInfo);
using NwRfcCloseConnectionFunction = NwRfcReturnCode (*)(NwRfcConnectionHandle,
                                                         NwRfcErrorInfo* errorInfo);
using NwRfcGetFunctionDescFunction = NwRfcFunctionDescHandle (*)(NwRfcConnectionHandle,
                                                                 const char16_t* functionName,
                                                                 NwRfcErrorInfo* errorInfo);
using NwRfcCreateFunctionFunction = NwRfcFunctionHandle (*)(NwRfcFunctionDescHandle,
                                                            NwRfcErrorInfo* errorInfo);
using NwRfcDestroyFunctionFunction = NwRfcReturnCode (*)(NwRfcFunctionHandle,
                                                         NwRfcErrorInfo* errorInfo);
using NwRfcInvokeFunction = NwRfcReturnCode (*)(NwRfcConnectionHandle, NwRfcFunctionHandle,
                                                NwRfcErrorInfo* errorInfo);
using NwRfcGetStructureFunction = NwRfcReturnCode (*)(NwRfcDataContainer, const char16_t* name,
                                                      NwRfcStructureHandle* structure,
                                                      NwRfcErrorInfo* errorInfo);
// Fills exactly the field's length in code units, blank-padded, without a terminator.
using NwRfcGetCharsFunction = NwRfcReturnCode (*)(NwRfcDataContainer, const char16_t* fieldName,
                                                  char16_t* buffer, unsigned length,
                                                  NwRfcErrorInfo* errorInfo);
using NwRfcGetTableFunction = NwRfcReturnCode (*)(NwRfcDataContainer, const char16_t* name,
                                                  NwRfcTableHandle* table,
                                                  NwRfcErrorInfo* errorInfo);
using NwRfcGetRowCountFunction = NwRfcReturnCode (*)(NwRfcTableHandle, unsigned* count,
                                                     NwRfcErrorInfo* errorInfo);
using NwRfcSetIniPathFunction = NwRfcReturnCode (*)(const char16_t* folder,
                                                    NwRfcErrorInfo* errorInfo);
using NwRfcCancelFunction = NwRfcReturnCode (*)(NwRfcConnectionHandle, NwRfcErrorInfo* errorInfo);

}  // extern "C"

// Sizes and places the records on both sides of the interface rely on.
static_assert(sizeof(char16_t) == 2);
static_assert(sizeof(unsigned) == 4);
static_assert(sizeof(NwRfcReturnCode) == 4);
static_assert(sizeof(NwRfcErrorInfo) == 1752);
static_assert(offsetof(NwRfcErrorInfo, code) == 0);
static_assert(offsetof(NwRfcErrorInfo, group) == 4);
static_assert(offsetof(NwRfcErrorInfo, key) == 8);
static_assert(offsetof(NwRfcErrorInfo, message) == 264);
static_assert(offsetof(NwRfcErrorInfo, abapMsgClass) == 1288);
static_assert(offsetof(NwRfcErrorInfo, abapMsgType) == 1330);
static_assert(offsetof(NwRfcErrorInfo, abapMsgNumber) == 1334);
static_assert(offsetof(NwRfcErrorInfo, abapMsgV1) == 1342);
static_assert(offsetof(NwRfcErrorInfo, abapMsgV2) == 1444);
static_assert(offsetof(NwRfcErrorInfo, abapMsgV3) == 1546);
static_assert(offsetof(NwRfcErrorInfo, abapMsgV4) == 1648);
static_assert(sizeof(NwRfcConnectionParameter) == 16);

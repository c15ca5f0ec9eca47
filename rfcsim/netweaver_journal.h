#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "netweaver_rfc_api.h"
#include "rfcsim/netweaver_checks.h"

namespace trevalunda::rfcsim {

// The journal lines of rfcsimnw, one for each call. Handles show as their numbers, texts in
// double quotes as passed (in UTF-8), the password masked. A call that hands out a handle
// shows "-> <handle>", or "-> 0 code=<n>" when it fails; any other call shows "-> <code>".
std::string SetIniPathLine(std::string_view folder);
std::string OpenConnectionLine(const LogonParameters& logon, std::uintptr_t connection,
                               NwRfcReturnCode code);
std::string CloseConnectionLine(std::uintptr_t connection, NwRfcReturnCode code);
std::string GetFunctionDescLine(std::uintptr_t connection, std::string_view function,
                                std::uintptr_t description, NwRfcReturnCode code);
std::string CreateFunctionLine(std::uintptr_t description, std::uintptr_t function);
std::string DestroyFunctionLine(std::uintptr_t function);
std::string InvokeLine(std::uintptr_t connection, std::uintptr_t function, NwRfcReturnCode code);
// RfcGetStructure and RfcGetTable: "... -> 0 structure=<n>", "... -> 0 table=<n>".
std::string GetPartLine(std::string_view operation, std::uintptr_t container, std::string_view name,
                        std::string_view noun, std::uintptr_t part);
std::string GetCharsLine(std::uintptr_t structure, std::string_view field, unsigned length);
std::string GetRowCountLine(std::uintptr_t table, unsigned count);
std::string CancelLine(std::uintptr_t connection);

}  // namespace trevalunda::rfcsim

#include "rfcsim/netweaver_journal.h"

#include "rfcsim/journal.h"

namespace trevalunda::rfcsim {
namespace {

std::string Number(std::uint64_t value) {
    return std::to_string(value);
}

std::string CodeResult(NwRfcReturnCode code) {
    return " -> " + std::to_string(code);
}

std::string HandleResult(std::uintptr_t handle, NwRfcReturnCode code) {
    return handle != 0 ? " -> " + Number(handle) : " -> 0 code=" + std::to_string(code);
}

}  // namespace

std::string SetIniPathLine(std::string_view folder) {
    return "RfcSetIniPath " + InQuotes(folder) + CodeResult(kNwRfcOk);
}

std::string OpenConnectionLine(const LogonParameters& logon, std::uintptr_t connection,
                               NwRfcReturnCode code) {
    std::string line = "RfcOpenConnection";
    for (const auto& [name, value] : logon.passed) {
        line += " " + name + "=" + InQuotes(name == "passwd" ? Masked(value) : value);
    }
    return line + HandleResult(connection, code);
}

std::string CloseConnectionLine(std::uintptr_t connection, NwRfcReturnCode code) {
    return "RfcCloseConnection " + Number(connection) + CodeResult(code);
}

std::string GetFunctionDescLine(std::uintptr_t connection, std::string_view function,
                                std::uintptr_t description, NwRfcReturnCode code) {
    return "RfcGetFunctionDesc " + Number(connection) + " " + InQuotes(function) +
           HandleResult(description, code);
}

std::string CreateFunctionLine(std::uintptr_t description, std::uintptr_t function) {
    return "RfcCreateFunction " + Number(description) + HandleResult(function, kNwRfcOk);
}

std::string DestroyFunctionLine(std::uintptr_t function) {
    return "RfcDestroyFunction " + Number(function) + CodeResult(kNwRfcOk);
}

std::string InvokeLine(std::uintptr_t connection, std::uintptr_t function, NwRfcReturnCode code) {
    return "RfcInvoke " + Number(connection) + " " + Number(function) + CodeResult(code);
}

std::string GetPartLine(std::string_view operation, std::uintptr_t container, std::string_view name,
                        std::string_view noun, std::uintptr_t part) {
    return std::string(operation) + " " + Number(container) + " " + InQuotes(name) +
           CodeResult(kNwRfcOk) + " " + std::string(noun) + "=" + Number(part);
}

std::string GetCharsLine(std::uintptr_t structure, std::string_view field, unsigned length) {
    return "RfcGetChars " + Number(structure) + " " + InQuotes(field) + " " + Number(length) +
           CodeResult(kNwRfcOk);
}

std::string GetRowCountLine(std::uintptr_t table, unsigned count) {
    return "RfcGetRowCount " + Number(table) + CodeResult(kNwRfcOk) + " count=" + Number(count);
}

std::string CancelLine(std::uintptr_t connection) {
    return "RfcCancel " + Number(connection) + CodeResult(kNwRfcOk);
}

}  // namespace trevalunda::rfcsim

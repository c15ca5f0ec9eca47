#include "rfcsim/remote_functions.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "rfcsim/structures.h"

namespace trevalunda::rfcsim {
namespace {

constexpr std::array<ParameterLayout, 6> kSystemInfoImporting{{
    {"CURRENT_RESOURCES", kRfcTypeInt, "", 4},
    {"DIALOG_USER_TYPE", kRfcTypeChar, "", 1},
    {"MAXIMAL_RESOURCES", kRfcTypeInt, "", 4},
    {"RECOMMENDED_DELAY", kRfcTypeInt, "", 4},
    {"RFCSI_EXPORT", 0, kSystemInfoStructure, kRfcsiLength},
    {"RFC_LOGIN_COMPLETE", kRfcTypeChar, "", 1},
}};

// Writes the text blank-padded (or cut) to the field's width.
void PutText(char* record, const FieldLayout& field, std::string_view text) {
    const std::size_t length = std::min<std::size_t>(text.size(), field.length);
    std::memset(record + field.position, ' ', field.length);
    std::memcpy(record + field.position, text.data(), length);
}

void PutInteger(char* record, const FieldLayout& field, std::int32_t value) {
    if (field.length == sizeof(std::int16_t)) {
        const auto shortValue = static_cast<std::int16_t>(value);
        std::memcpy(record + field.position, &shortValue, sizeof shortValue);
    } else {
        std::memcpy(record + field.position, &value, sizeof value);
    }
}

// The value of the named field in a table of (name, value) pairs; the empty value when the
// table does not name the field.
template <typename Value, std::size_t Size>
Value ValueOf(const std::pair<std::string_view, Value> (&values)[Size], std::string_view field) {
    for (const auto& [name, value] : values) {
        if (name == field) {
            return value;
        }
    }
    return Value{};
}

// What the importing parameter of that name receives.
void FillImportingValue(const SapSystem& system, const RfcParameterEntry& entry) {
    const std::string_view name(entry.name, entry.nameLength);
    if (name == "RFCSI_EXPORT") {
        const std::array<char, kRfcsiLength> record = SystemInfoRecord(system);
        std::memcpy(entry.value, record.data(), record.size());
    } else if (name == "CURRENT_RESOURCES" || name == "MAXIMAL_RESOURCES") {
        const std::int32_t resources = name == "CURRENT_RESOURCES" ? 3 : 10;
        std::memcpy(entry.value, &resources, sizeof resources);
    } else if (name == "RECOMMENDED_DELAY") {
        const std::int32_t delay = 0;
        std::memcpy(entry.value, &delay, sizeof delay);
    } else if (name == "RFC_LOGIN_COMPLETE") {
        *static_cast<char*>(entry.value) = 'X';
    } else if (name == "DIALOG_USER_TYPE") {
        *static_cast<char*>(entry.value) = ' ';
    }
}

}  // namespace

std::string SystemInfoValue(const SapSystem& system, std::string_view field) {
    const std::pair<std::string_view, std::string> values[] = {
        {"RFCPROTO", "011"},
        {"RFCCHARTYP", "4103"},
        {"RFCINTTYP", "LIT"},
        {"RFCFLOTYP", "IE3"},
        {"RFCDEST", system.destination.empty() ? system.name : system.destination},
        {"RFCHOST", system.hostName},
        {"RFCSYSID", system.name},
        {"RFCDATABS", system.name},
        {"RFCDBHOST", system.hostName},
        {"RFCDBSYS", system.databaseSystem},
        {"RFCSAPRL", "740"},
        {"RFCMACH", "  324"},
        {"RFCOPSYS", "Linux"},
        {"RFCTZONE", "     0"},
        {"RFCIPADDR", "127.0.0.1"},
        {"RFCKERNRL", "753"},
    };
    return ValueOf(values, field);
}

std::optional<RemoteFunction> FindRemoteFunction(std::string_view name) {
    if (name == kSystemInfoFunction) {
        return RemoteFunction::SystemInfo;
    }
    if (name == kLockWaitersFunction) {
        return RemoteFunction::LockWaiters;
    }
    return std::nullopt;
}

std::string_view FunctionName(RemoteFunction function) {
    return function == RemoteFunction::SystemInfo ? kSystemInfoFunction : kLockWaitersFunction;
}

int CallCode(const Faults& faults, RemoteFunction function) {
    return function == RemoteFunction::SystemInfo ? faults.systemInfoCallCode
                                                  : faults.lockWaitersCallCode;
}

int ReceiveCode(const Faults& faults, RemoteFunction function) {
    return function == RemoteFunction::SystemInfo ? faults.systemInfoReceiveCode
                                                  : faults.lockWaitersReceiveCode;
}

std::span<const ParameterLayout> ImportingParameters(RemoteFunction function) {
    if (function == RemoteFunction::SystemInfo) {
        return kSystemInfoImporting;
    }
    return {};
}

std::array<char, kRfcsiLength> SystemInfoRecord(const SapSystem& system) {
    std::array<char, kRfcsiLength> record{};
    for (const FieldLayout& field : SystemInfoFields()) {
        PutText(record.data(), field, SystemInfoValue(system, field.name));
    }
    return record;
}

void FillSystemInfo(const SapSystem& system, const RfcParameterEntry* importing) {
    for (const RfcParameterEntry* entry = importing; entry->name != nullptr; ++entry) {
        FillImportingValue(system, *entry);
    }
}

std::array<char, kLockWaiterLineLength> LockWaiterLine(const SapSystem& system,
                                                       std::uint32_t number) {
    constexpr std::string_view kObjects[] = {"SAPSR3.VBHDR", "SAPSR3.NRIV", "SAPSR3.DDLOG"};
    const auto n = static_cast<std::int32_t>(number);
    const std::pair<std::string_view, std::string> texts[] = {
        {"OBJ_NAME", std::string(kObjects[(number - 1) % std::size(kObjects)])},
        {"H_HOSTNAME", system.hostName},
        {"W_HOSTNAME", system.hostName},
        {"ADD_INFO", "simulated lock waiter " + std::to_string(number)},
    };
    const std::pair<std::string_view, std::int32_t> integers[] = {
        {"HOLDER_SID", 200 + n},  {"HOLDER_PID", 4000 + n}, {"WAITER_SID", 300 + n},
        {"WAITER_PID", 5000 + n}, {"HELD_SINCE", 60 * n},   {"WAITSSINCE", 30 * n},
        {"LOCK_LEVEL", 6},
    };
    std::array<char, kLockWaiterLineLength> line{};
    for (const FieldLayout& field : LockWaiterFields()) {
        if (field.type == kRfcTypeChar) {
            PutText(line.data(), field, ValueOf(texts, field.name));
        } else {
            PutInteger(line.data(), field, ValueOf(integers, field.name));
        }
    }
    return line;
}

}  // namespace trevalunda::rfcsim

#pragma once

// The records a caller of the library passes, built the way the sensor builds them, with
// the texts they point at kept alive by the record. Tests change a field to break one rule.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "classic_rfc_api.h"

namespace trevalunda::rfcsim::testing {

// A text field of a record: a text or null.
class NullableText {
  public:
    NullableText(const char* text)  // NOLINT(google-explicit-constructor)
        : text_(text == nullptr ? "" : text), null_(text == nullptr) {}

    char* Pointer() { return null_ ? nullptr : text_.data(); }

  private:
    std::string text_;
    bool null_;
};

// RfcOpen's options; R/3 (mode 0) unless the mode is set to 1.
struct OpenRequest {
    NullableText destination = "PRD";
    std::int32_t mode = kRfcModeR3;
    NullableText client = "100";
    NullableText user = "MONITOR     ";
    NullableText password = "secret    ";
    NullableText language = "E";
    std::int32_t trace = 0;
    NullableText host = "sapprd";
    std::int32_t systemNumber = 0;
    NullableText gatewayHost = nullptr;
    NullableText gatewayService = nullptr;
    bool withoutConnectionOptions = false;

    RfcR3Options r3{};
    RfcR2Options r2{};
    RfcOpenOptions options{};

    RfcOpenOptions* Options() {
        r3 = RfcR3Options{host.Pointer(), systemNumber, gatewayHost.Pointer(),
                          gatewayService.Pointer()};
        r2 = RfcR2Options{gatewayHost.Pointer(), gatewayService.Pointer()};
        void* connection = mode == kRfcModeR2 ? static_cast<void*>(&r2) : static_cast<void*>(&r3);
        options = RfcOpenOptions{
            destination.Pointer(), mode,           withoutConnectionOptions ? nullptr : connection,
            client.Pointer(),      user.Pointer(), password.Pointer(),
            language.Pointer(),    trace};
        return &options;
    }
};

// A structure description as the sensor installs it: names, types and lengths of the
// fields in order, decimals and offsets 0.
struct StructureDescription {
    std::string name;
    std::vector<std::string> fieldNames;
    std::vector<RfcElementRow> rows;

    struct Field {
        const char* name;
        std::uint32_t type;
        std::uint32_t length;
    };

    StructureDescription(std::string structure, const std::vector<Field>& fields)
        : name(std::move(structure)) {
        fieldNames.reserve(fields.size());
        for (const Field& field : fields) {
            fieldNames.emplace_back(field.name);
        }
        for (std::size_t i = 0; i < fields.size(); ++i) {
            rows.push_back(
                RfcElementRow{fieldNames[i].data(), fields[i].type, fields[i].length, 0, 0});
        }
    }

    StructureDescription(const StructureDescription&) = delete;
    StructureDescription& operator=(const StructureDescription&) = delete;

    std::uint32_t Count() const { return static_cast<std::uint32_t>(rows.size()); }
};

inline StructureDescription SystemInfoDescription() {
    return StructureDescription("RFCSI", {{"RFCPROTO", 0, 3},
                                          {"RFCCHARTYP", 0, 4},
                                          {"RFCINTTYP", 0, 3},
                                          {"RFCFLOTYP", 0, 3},
                                          {"RFCDEST", 0, 32},
                                          {"RFCHOST", 0, 8},
                                          {"RFCSYSID", 0, 8},
                                          {"RFCDATABS", 0, 8},
                                          {"RFCDBHOST", 0, 32},
                                          {"RFCDBSYS", 0, 10},
                                          {"RFCSAPRL", 0, 4},
                                          {"RFCMACH", 0, 5},
                                          {"RFCOPSYS", 0, 10},
                                          {"RFCTZONE", 0, 6},
                                          {"RFCDAYST", 0, 1},
                                          {"RFCIPADDR", 0, 15},
                                          {"RFCKERNRL", 0, 4},
                                          {"RFCSI_RESV", 0, 44}});
}

inline StructureDescription LockWaiterDescription() {
    return StructureDescription("EXCLLCKWTS", {{"OBJ_NAME", 0, 81},
                                               {"HOLDER_SID", 8, 4},
                                               {"H_HOSTNAME", 0, 32},
                                               {"HOLDER_PID", 8, 4},
                                               {"WAITER_SID", 8, 4},
                                               {"W_HOSTNAME", 0, 32},
                                               {"WAITER_PID", 8, 4},
                                               {"HELD_SINCE", 8, 4},
                                               {"WAITSSINCE", 8, 4},
                                               {"LOCK_LEVEL", 9, 2},
                                               {"ADD_INFO", 0, 100}});
}

// The receiving fields of RFC_SYSTEM_INFO and the importing list that points at them.
struct SystemInfoReceiver {
    std::int32_t currentResources = -1;
    char dialogUserType = '?';
    std::int32_t maximalResources = -1;
    std::int32_t recommendedDelay = -1;
    std::array<char, kRfcsiLength> record{};
    char loginComplete = '?';
    std::vector<std::string> names{"CURRENT_RESOURCES", "DIALOG_USER_TYPE", "MAXIMAL_RESOURCES",
                                   "RECOMMENDED_DELAY", "RFCSI_EXPORT",     "RFC_LOGIN_COMPLETE"};
    std::vector<RfcParameterEntry> entries;

    SystemInfoReceiver(const SystemInfoReceiver&) = delete;
    SystemInfoReceiver& operator=(const SystemInfoReceiver&) = delete;

    explicit SystemInfoReceiver(std::uint32_t rfcsiHandle) {
        void* values[] = {&currentResources, &dialogUserType, &maximalResources,
                          &recommendedDelay, record.data(),   &loginComplete};
        const std::uint32_t types[] = {kRfcTypeInt, kRfcTypeChar, kRfcTypeInt,
                                       kRfcTypeInt, rfcsiHandle,  kRfcTypeChar};
        const std::uint32_t lengths[] = {4, 1, 4, 4, kRfcsiLength, 1};
        for (std::size_t i = 0; i < names.size(); ++i) {
            entries.push_back(RfcParameterEntry{names[i].data(),
                                                static_cast<std::uint32_t>(names[i].size()),
                                                types[i], lengths[i], values[i]});
        }
        entries.push_back(RfcParameterEntry{});
    }

    // A field of the record as a text, without its blank padding.
    std::string Field(std::size_t position, std::size_t length) const {
        std::string text(record.data() + position, length);
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }
};

// The table list of S_DB_EXCLUSIVE_LOCK_WAITERS around a table made by ItCreate.
struct LockWaiterTables {
    std::string name = "EXCLUSIVE_LOCK_WAITERS";
    std::array<RfcTableEntry, 2> entries{};

    LockWaiterTables(const LockWaiterTables&) = delete;
    LockWaiterTables& operator=(const LockWaiterTables&) = delete;

    LockWaiterTables(std::uint32_t typeHandle, void* table) {
        entries[0] = RfcTableEntry{
            name.data(), static_cast<std::uint32_t>(name.size()), typeHandle, 0, table, 0, 0};
    }
    RfcTableEntry* List() { return entries.data(); }
};

// An empty parameter or table list: its end entry alone.
struct EmptyLists {
    RfcParameterEntry parameters{};
    RfcTableEntry tables{};
};

}  // namespace trevalunda::rfcsim::testing

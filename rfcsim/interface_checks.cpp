#include "rfcsim/interface_checks.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <set>

#include "rfcsim/journal.h"

namespace trevalunda::rfcsim {
namespace {

constexpr std::size_t kPaddedUserLength = 12;
constexpr std::size_t kPaddedPasswordLength = 10;

void Require(bool holds, const std::string& what) {
    if (!holds) {
        InterfaceMismatch(what);
    }
}

void RequireText(const char* text, const std::string& what) {
    Require(text != nullptr, what + " is null");
}

// A connection option is either null or a text; an empty text must be passed as null.
void RequireNullOrText(const char* text, const std::string& what) {
    Require(text == nullptr || text[0] != '\0', what + " is an empty text instead of null");
}

void RequireNameLength(const char* name, std::uint32_t nameLength, const std::string& what) {
    Require(nameLength == std::strlen(name),
            what + " " + Quoted(name) + ": name length " + std::to_string(nameLength));
}

std::uint32_t InstalledHandle(const InstalledStructures& installed, std::string_view structure) {
    const auto found = installed.find(structure);
    Require(found != installed.end(), "structure " + std::string(structure) + " not installed");
    return found->second;
}

const ParameterLayout* FindParameter(std::span<const ParameterLayout> parameters,
                                     std::string_view name) {
    for (const ParameterLayout& parameter : parameters) {
        if (parameter.name == name) {
            return &parameter;
        }
    }
    return nullptr;
}

void CheckImportingEntry(const ParameterLayout& expected, const RfcParameterEntry& entry,
                         const InstalledStructures& installed) {
    const std::string what = "RfcReceive: importing " + std::string(expected.name);
    const std::uint32_t type = expected.structure.empty()
                                   ? expected.typeCode
                                   : InstalledHandle(installed, expected.structure);
    Require(entry.type == type, what + ": type " + std::to_string(entry.type));
    Require(entry.length == expected.length, what + ": length " + std::to_string(entry.length));
    Require(entry.value != nullptr, what + ": value is null");
}

void CheckLockWaiterTable(const std::string& operation, const RfcTableEntry& entry,
                          const InstalledStructures& installed, const TableRegistry& registry) {
    const std::string what = operation + ": table " + Quoted(entry.name);
    Require(std::string_view(entry.name) == kLockWaitersTable, what + ": unexpected table");
    RequireNameLength(entry.name, entry.nameLength, operation + ": table");
    Require(entry.type == InstalledHandle(installed, kLockWaiterStructure),
            what + ": type " + std::to_string(entry.type));
    const InternalTable* table = registry.Find(entry.table);
    Require(table != nullptr, what + ": not a table made by ItCreate");
    Require(table->LineLength() == kLockWaiterLineLength,
            what + ": line length " + std::to_string(table->LineLength()));
}

}  // namespace

void InterfaceMismatch(const std::string& what) {
    std::cerr << "rfcsim: interface mismatch: " << what << std::endl;
    std::abort();
}

void CheckEnvironment(const RfcEnvironmentRecord* record) {
    Require(record != nullptr, "RfcEnvironment: record is null");
    Require(record->errorHandler != nullptr, "RfcEnvironment: error handler is null");
    Require(record->allocator == nullptr, "RfcEnvironment: allocator is not null");
}

void CheckOpenOptions(const RfcOpenOptions* options) {
    Require(options != nullptr, "RfcOpen: options are null");
    RequireText(options->destination, "RfcOpen: destination");
    RequireText(options->client, "RfcOpen: client");
    RequireText(options->user, "RfcOpen: user");
    RequireText(options->password, "RfcOpen: password");
    RequireText(options->language, "RfcOpen: language");
    Require(options->trace == 0, "RfcOpen: trace " + std::to_string(options->trace));
    Require(options->mode == kRfcModeR3 || options->mode == kRfcModeR2,
            "RfcOpen: mode " + std::to_string(options->mode));
    Require(std::strlen(options->user) >= kPaddedUserLength,
            "RfcOpen: user " + Quoted(options->user) + " not padded to 12 characters");
    Require(std::strlen(options->password) >= kPaddedPasswordLength,
            "RfcOpen: password not padded to 10 characters");
    Require(options->connectionOptions != nullptr, "RfcOpen: connection options are null");
    if (options->mode == kRfcModeR2) {
        const auto& r2 = *static_cast<const RfcR2Options*>(options->connectionOptions);
        RequireNullOrText(r2.gatewayHost, "RfcOpen: R/2 gateway host");
        RequireNullOrText(r2.gatewayService, "RfcOpen: R/2 gateway service");
    } else {
        const auto& r3 = *static_cast<const RfcR3Options*>(options->connectionOptions);
        RequireNullOrText(r3.host, "RfcOpen: R/3 host");
        RequireNullOrText(r3.gatewayHost, "RfcOpen: R/3 gateway host");
        RequireNullOrText(r3.gatewayService, "RfcOpen: R/3 gateway service");
    }
}

void CheckConnectArguments(const char* connectString, const void* errorRecord) {
    RequireText(connectString, "RfcOpenEx: connect string");
    Require(errorRecord != nullptr, "RfcOpenEx: error record is null");
}

void CheckStructureDescription(const char* name, const RfcElementRow* rows, std::uint32_t count,
                               const std::uint32_t* typeHandle) {
    RequireText(name, "RfcInstallStructure: name");
    const std::span<const FieldLayout> fields = StructureFields(name);
    Require(!fields.empty(), "RfcInstallStructure: unknown structure " + Quoted(name));
    const std::string what = "RfcInstallStructure " + std::string(name);
    Require(typeHandle != nullptr, what + ": type handle address is null");
    Require(rows != nullptr, what + ": rows are null");
    Require(count == fields.size(), what + ": " + std::to_string(count) + " rows");
    for (std::uint32_t i = 0; i < count; ++i) {
        const RfcElementRow& row = rows[i];
        const FieldLayout& field = fields[i];
        const std::string rowText = what + " row " + std::to_string(i + 1) + " ";
        Require(row.name != nullptr && row.name == field.name,
                rowText + Quoted(row.name) + ": expected " + std::string(field.name));
        Require(row.type == field.type, rowText + "type " + std::to_string(row.type));
        Require(row.length == field.length, rowText + "length " + std::to_string(row.length));
        Require(row.decimals == 0, rowText + "decimals " + std::to_string(row.decimals));
        Require(row.offset == 0, rowText + "offset " + std::to_string(row.offset));
    }
}

RemoteFunction CheckedFunction(const char* name) {
    RequireText(name, "RfcCall: function");
    const std::optional<RemoteFunction> function = FindRemoteFunction(name);
    Require(function.has_value(), "RfcCall: unknown function " + Quoted(name));
    return *function;
}

void CheckEmptyExporting(const RfcParameterEntry* exporting) {
    Require(exporting != nullptr, "RfcCall: exporting list is null");
    Require(exporting->name == nullptr, "RfcCall: exporting list holds " + Quoted(exporting->name));
}

void CheckImporting(RemoteFunction function, const RfcParameterEntry* importing,
                    const InstalledStructures& installed) {
    Require(importing != nullptr, "RfcReceive: importing list is null");
    const std::span<const ParameterLayout> expected = ImportingParameters(function);
    std::set<std::string_view> seen;
    for (const RfcParameterEntry* entry = importing; entry->name != nullptr; ++entry) {
        const ParameterLayout* parameter = FindParameter(expected, entry->name);
        Require(parameter != nullptr, "RfcReceive: unexpected importing " + Quoted(entry->name) +
                                          " for " + std::string(FunctionName(function)));
        Require(seen.insert(parameter->name).second,
                "RfcReceive: importing " + Quoted(entry->name) + " twice");
        RequireNameLength(entry->name, entry->nameLength, "RfcReceive: importing");
        CheckImportingEntry(*parameter, *entry, installed);
    }
    for (const ParameterLayout& parameter : expected) {
        Require(seen.contains(parameter.name),
                "RfcReceive: importing " + std::string(parameter.name) + " missing");
    }
}

void CheckTables(const char* operation, RemoteFunction function, const RfcTableEntry* tables,
                 const InstalledStructures& installed, const TableRegistry& registry) {
    const std::string list = std::string(operation) + ": table list";
    Require(tables != nullptr, list + " is null");
    const std::string of = " for " + std::string(FunctionName(function));
    if (function == RemoteFunction::SystemInfo) {
        Require(tables[0].name == nullptr, list + " holds " + Quoted(tables[0].name) + of);
        return;
    }
    Require(tables[0].name != nullptr, list + " is empty" + of);
    CheckLockWaiterTable(operation, tables[0], installed, registry);
    Require(tables[1].name == nullptr, list + " holds " + Quoted(tables[1].name) + of);
}

void CheckTableCreation(const char* name, std::uint32_t lineLength, std::uint32_t extra1,
                        std::uint32_t extra2) {
    Require(name != nullptr && std::string_view(name) == kLockWaitersTable,
            "ItCreate: table name " + Quoted(name));
    Require(lineLength == kLockWaiterLineLength,
            "ItCreate: line length " + std::to_string(lineLength));
    Require(extra1 == 0 && extra2 == 0,
            "ItCreate: extra arguments " + std::to_string(extra1) + " " + std::to_string(extra2));
}

InternalTable& CheckedTable(const TableRegistry& registry, const void* table,
                            const char* operation) {
    InternalTable* found = registry.Find(table);
    Require(found != nullptr, std::string(operation) + ": unknown table");
    return *found;
}

}  // namespace trevalunda::rfcsim

#pragma once

#include <cstdint>
#include <string>

#include "classic_rfc_api.h"
#include "rfcsim/internal_table.h"
#include "rfcsim/remote_functions.h"
#include "rfcsim/structures.h"

namespace trevalunda::rfcsim {

// The checks of what the caller passes: anything that does not fit the interface is a fault
// of the caller, which must show as a crash. Each check writes
// "rfcsim: interface mismatch: <what>" to standard error and aborts the process.
[[noreturn]] void InterfaceMismatch(const std::string& what);

// A handler and no allocator.
void CheckEnvironment(const RfcEnvironmentRecord* record);

// Every text present, user and password blank-padded to 12 and 10 characters, trace 0,
// mode 0 or 1 with its connection options, no empty text in them (null instead).
void CheckOpenOptions(const RfcOpenOptions* options);

// A connect string and an error record to write to.
void CheckConnectArguments(const char* connectString, const void* errorRecord);

// The rows must describe the named structure exactly, decimals and offsets 0.
void CheckStructureDescription(const char* name, const RfcElementRow* rows, std::uint32_t count,
                               const std::uint32_t* typeHandle);

// The function must be one the systems offer; returns it.
RemoteFunction CheckedFunction(const char* name);

// A list holding nothing but its end entry.
void CheckEmptyExporting(const RfcParameterEntry* exporting);

// The importing list must hold exactly the function's parameters, in any order.
void CheckImporting(RemoteFunction function, const RfcParameterEntry* importing,
                    const InstalledStructures& installed);

// The table list must hold exactly the tables the function fills: none for the system
// information, the lock-waiter table made by ItCreate for the lock waiters.
void CheckTables(const char* operation, RemoteFunction function, const RfcTableEntry* tables,
                 const InstalledStructures& installed, const TableRegistry& registry);

// ItCreate must ask for the lock-waiter table with its line length and nothing else.
void CheckTableCreation(const char* name, std::uint32_t lineLength, std::uint32_t extra1,
                        std::uint32_t extra2);

// The table of a handle that ItCreate gave out and ItDelete has not deleted.
InternalTable& CheckedTable(const TableRegistry& registry, const void* table,
                            const char* operation);

}  // namespace trevalunda::rfcsim

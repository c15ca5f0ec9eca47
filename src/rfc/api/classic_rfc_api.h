#pragma once

// The C interface of the RFC library as the sensor uses it: records and function types, for
// x86-64 with the platform's default C calling convention. The vendor's library and the
// stand-in library rfcsim both export the twelve functions below under these names.

#include <cstddef>
#include <cstdint>

extern "C" {

using RfcHandle = std::uint32_t;  // a connection; 0 means none

// Type codes of fields; a structure's type handle stands in the same place.
inline constexpr std::uint32_t kRfcTypeChar = 0;
inline constexpr std::uint32_t kRfcTypeInt = 8;   // four-byte integer
inline constexpr std::uint32_t kRfcTypeInt2 = 9;  // two-byte integer

// An entry of an exporting or importing list; a list ends with an entry whose name is null.
struct RfcParameterEntry {
    char* name;
    std::uint32_t nameLength;
    std::uint32_t type;
    std::uint32_t length;
    void* value;
};

// An entry of a table list; a list ends with an entry whose name is null.
struct RfcTableEntry {
    char* name;
    std::uint32_t nameLength;
    std::uint32_t type;
    std::uint32_t lineLength;
    void* table;
    std::int32_t transferMode;
    std::int32_t newTable;
};

// One row of a structure description.
struct RfcElementRow {
    char* name;
    std::uint32_t type;
    std::uint32_t length;
    std::uint32_t decimals;
    std::uint32_t offset;
};

// The logon data of RfcOpen; connectionOptions points at the R/2 or R/3 options.
struct RfcOpenOptions {
    char* destination;
    std::int32_t mode;  // 0: R/3 options, 1: R/2 options
    void* connectionOptions;
    char* client;
    char* user;
    char* password;
    char* language;
    std::int32_t trace;
};

inline constexpr std::int32_t kRfcModeR3 = 0;
inline constexpr std::int32_t kRfcModeR2 = 1;

struct RfcR2Options {
    char* gatewayHost;
    char* gatewayService;
};

struct RfcR3Options {
    char* host;
    std::int32_t systemNumber;
    char* gatewayHost;
    char* gatewayService;
};

// The library's last error, four zero-terminated texts.
struct RfcErrorRecord {
    char key[33];
    char status[128];
    char message[256];
    char internalStatus[128];
};

struct RfcEnvironmentRecord {
    void (*errorHandler)(char* operation);
    void* (*allocator)(void* old, std::size_t size);
};

using RfcEnvironmentFunction = void (*)(RfcEnvironmentRecord*);
using RfcOpenFunction = RfcHandle (*)(RfcOpenOptions*);
using RfcOpenExFunction = RfcHandle (*)(char* connectString, void* errorRecord);
using RfcCallFunction = int (*)(RfcHandle, char* function, RfcParameterEntry* exporting,
                                RfcTableEntry* tables);
using RfcReceiveFunction = int (*)(RfcHandle, RfcParameterEntry* importing, RfcTableEntry* tables,
                                   char** exception);
using RfcCloseFunction = void (*)(RfcHandle);
using RfcLastErrorFunction = int (*)(RfcErrorRecord*);
using RfcInstallStructureFunction = int (*)(char* name, RfcElementRow* rows, std::uint32_t count,
                                            std::uint32_t* typeHandle);
using ItCreateFunction = void* (*)(char* name, std::uint32_t lineLength, std::uint32_t,
                                   std::uint32_t);
using ItFillFunction = std::uint32_t (*)(void* table);
using ItGetLineFunction = void* (*)(void* table, std::uint32_t lineNumber);
using ItDeleteFunction = int (*)(void* table);

}  // extern "C"

// The size RfcOpenEx may write into its error record: the sensor passes a zero-filled buffer
// of this size.
inline constexpr std::size_t kRfcOpenExErrorBufferSize = 1024;

// Sizes the records on both sides of the interface rely on.
inline constexpr std::size_t kRfcsiLength = 200;
inline constexpr std::size_t kLockWaiterLineLength = 276;

static_assert(sizeof(RfcErrorRecord) == 545);
static_assert(sizeof(RfcParameterEntry) == 32);
static_assert(sizeof(RfcTableEntry) == 40);
static_assert(sizeof(RfcElementRow) == 24);
static_assert(sizeof(RfcOpenOptions) == 64);
static_assert(sizeof(RfcR3Options) == 32);
static_assert(sizeof(RfcEnvironmentRecord) == 16);

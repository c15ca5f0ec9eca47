// The twelve functions the library exports, under the names and with the signatures the
// sensor loads them by. Each hands the call to the one simulator of the process, which works
// in the current working folder.

#include <type_traits>

#include "classic_rfc_api.h"
#include "rfcsim/simulator.h"

namespace {

trevalunda::rfcsim::Simulator& TheSimulator() {
    // A C library keeps its connections between calls; this is that state.
    static trevalunda::rfcsim::Simulator simulator{std::filesystem::path()};
    return simulator;
}

}  // namespace

extern "C" {

void RfcEnvironment(RfcEnvironmentRecord* record) {
    TheSimulator().RfcEnvironment(record);
}

RfcHandle RfcOpen(RfcOpenOptions* options) {
    return TheSimulator().RfcOpen(options);
}

RfcHandle RfcOpenEx(char* connectString, void* errorRecord) {
    return TheSimulator().RfcOpenEx(connectString, errorRecord);
}

int RfcCall(RfcHandle handle, char* function, RfcParameterEntry* exporting, RfcTableEntry* tables) {
    return TheSimulator().RfcCall(handle, function, exporting, tables);
}

int RfcReceive(RfcHandle handle, RfcParameterEntry* importing, RfcTableEntry* tables,
               char** exception) {
    return TheSimulator().RfcReceive(handle, importing, tables, exception);
}

void RfcClose(RfcHandle handle) {
    TheSimulator().RfcClose(handle);
}

int RfcLastError(RfcErrorRecord* record) {
    return TheSimulator().RfcLastError(record);
}

int RfcInstallStructure(char* name, RfcElementRow* rows, std::uint32_t count,
                        std::uint32_t* typeHandle) {
    return TheSimulator().RfcInstallStructure(name, rows, count, typeHandle);
}

void* ItCreate(char* name, std::uint32_t lineLength, std::uint32_t extra1, std::uint32_t extra2) {
    return TheSimulator().ItCreate(name, lineLength, extra1, extra2);
}

std::uint32_t ItFill(void* table) {
    return TheSimulator().ItFill(table);
}

void* ItGetLine(void* table, std::uint32_t lineNumber) {
    return TheSimulator().ItGetLine(table, lineNumber);
}

int ItDelete(void* table) {
    return TheSimulator().ItDelete(table);
}

}  // extern "C"

// The exports must have exactly the types the sensor casts the resolved addresses to.
static_assert(std::is_same_v<decltype(&RfcEnvironment), RfcEnvironmentFunction>);
static_assert(std::is_same_v<decltype(&RfcOpen), RfcOpenFunction>);
static_assert(std::is_same_v<decltype(&RfcOpenEx), RfcOpenExFunction>);
static_assert(std::is_same_v<decltype(&RfcCall), RfcCallFunction>);
static_assert(std::is_same_v<decltype(&RfcReceive), RfcReceiveFunction>);
static_assert(std::is_same_v<decltype(&RfcClose), RfcCloseFunction>);
static_assert(std::is_same_v<decltype(&RfcLastError), RfcLastErrorFunction>);
static_assert(std::is_same_v<decltype(&RfcInstallStructure), RfcInstallStructureFunction>);
static_assert(std::is_same_v<decltype(&ItCreate), ItCreateFunction>);
static_assert(std::is_same_v<decltype(&ItFill), ItFillFunction>);
static_assert(std::is_same_v<decltype(&ItGetLine), ItGetLineFunction>);
static_assert(std::is_same_v<decltype(&ItDelete), ItDeleteFunction>);

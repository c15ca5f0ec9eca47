// The twelve functions rfcsimnw exports, under the names and with the signatures of the
// NetWeaver RFC library. Each hands the call to the one simulator of the process, which works
// in the current working folder.

#include <type_traits>

#include "netweaver_rfc_api.h"
#include "rfcsim/netweaver_companion.h"
#include "rfcsim/netweaver_simulator.h"

namespace {

using trevalunda::rfcsim::NetWeaverSimulator;

// A C library keeps its connections between calls; this is that state. It lives until the
// library is unloaded, unless a call still waits at a hang in another thread then (the process
// ends while the sensor's deadline answers): it is left alone in that case.
NetWeaverSimulator*& SimulatorSlot() {
    static NetWeaverSimulator* simulator = nullptr;
    return simulator;
}

NetWeaverSimulator& TheSimulator() {
    NetWeaverSimulator*& simulator = SimulatorSlot();
    if (simulator == nullptr) {
        trevalunda::rfcsim::UseCompanion();
        simulator = new NetWeaverSimulator(std::filesystem::path());
    }
    return *simulator;
}

// When the library is unloaded (at the latest when the process ends), the caller must have
// closed every connection and destroyed every function.
struct UnloadCheck {
    UnloadCheck() = default;
    UnloadCheck(const UnloadCheck&) = delete;
    UnloadCheck& operator=(const UnloadCheck&) = delete;
    ~UnloadCheck() {
        NetWeaverSimulator*& simulator = SimulatorSlot();
        if (simulator != nullptr && simulator->CheckAllReleasedAtUnload()) {
            delete simulator;
            simulator = nullptr;
        }
    }
};

const UnloadCheck unloadCheck;

}  // namespace

extern "C" {

NwRfcReturnCode RfcSetIniPath(const char16_t* folder, NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcSetIniPath(folder, errorInfo);
}

NwRfcConnectionHandle RfcOpenConnection(const NwRfcConnectionParameter* parameters, unsigned count,
                                        NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcOpenConnection(parameters, count, errorInfo);
}

NwRfcReturnCode RfcCloseConnection(NwRfcConnectionHandle connection, NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcCloseConnection(connection, errorInfo);
}

NwRfcFunctionDescHandle RfcGetFunctionDesc(NwRfcConnectionHandle connection,
                                           const char16_t* functionName,
                                           NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcGetFunctionDesc(connection, functionName, errorInfo);
}

NwRfcFunctionHandle RfcCreateFunction(NwRfcFunctionDescHandle description,
                                      NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcCreateFunction(description, errorInfo);
}

NwRfcReturnCode RfcDestroyFunction(NwRfcFunctionHandle function, NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcDestroyFunction(function, errorInfo);
}

NwRfcReturnCode RfcInvoke(NwRfcConnectionHandle connection, NwRfcFunctionHandle function,
                          NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcInvoke(connection, function, errorInfo);
}

NwRfcReturnCode RfcGetStructure(NwRfcDataContainer container, const char16_t* name,
                                NwRfcStructureHandle* structure, NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcGetStructure(container, name, structure, errorInfo);
}

NwRfcReturnCode RfcGetChars(NwRfcDataContainer container, const char16_t* fieldName,
                            char16_t* buffer, unsigned length, NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcGetChars(container, fieldName, buffer, length, errorInfo);
}

NwRfcReturnCode RfcGetTable(NwRfcDataContainer container, const char16_t* name,
                            NwRfcTableHandle* table, NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcGetTable(container, name, table, errorInfo);
}

NwRfcReturnCode RfcGetRowCount(NwRfcTableHandle table, unsigned* count, NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcGetRowCount(table, count, errorInfo);
}

NwRfcReturnCode RfcCancel(NwRfcConnectionHandle connection, NwRfcErrorInfo* errorInfo) {
    return TheSimulator().RfcCancel(connection, errorInfo);
}

}  // extern "C"

// The exports must have exactly the types the sensor casts the resolved addresses to.
static_assert(std::is_same_v<decltype(&RfcSetIniPath), NwRfcSetIniPathFunction>);
static_assert(std::is_same_v<decltype(&RfcOpenConnection), NwRfcOpenConnectionFunction>);
static_assert(std::is_same_v<decltype(&RfcCloseConnection), NwRfcCloseConnectionFunction>);
static_assert(std::is_same_v<decltype(&RfcGetFunctionDesc), NwRfcGetFunctionDescFunction>);
static_assert(std::is_same_v<decltype(&RfcCreateFunction), NwRfcCreateFunctionFunction>);
static_assert(std::is_same_v<decltype(&RfcDestroyFunction), NwRfcDestroyFunctionFunction>);
static_assert(std::is_same_v<decltype(&RfcInvoke), NwRfcInvokeFunction>);
static_assert(std::is_same_v<decltype(&RfcGetStructure), NwRfcGetStructureFunction>);
static_assert(std::is_same_v<decltype(&RfcGetChars), NwRfcGetCharsFunction>);
static_assert(std::is_same_v<decltype(&RfcGetTable), NwRfcGetTableFunction>);
static_assert(std::is_same_v<decltype(&RfcGetRowCount), NwRfcGetRowCountFunction>);
static_assert(std::is_same_v<decltype(&RfcCancel), NwRfcCancelFunction>);

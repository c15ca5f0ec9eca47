#include "rfcsim/hang.h"
#include "rfcsim/interface_checks.h"
#include "rfcsim/simulator.h"
#include "rfcsim/text.h"

namespace trevalunda::rfcsim {
namespace {

constexpr int kFailureCode = 1;
constexpr int kExceptionCode = 2;
constexpr int kSystemExceptionCode = 3;

std::string CodeFailureReason(RemoteFunction function, int code) {
    return std::string(FunctionName(function)) + " failed with code " + std::to_string(code);
}

}  // namespace

int Simulator::RfcInstallStructure(char* name, RfcElementRow* rows, std::uint32_t count,
                                   std::uint32_t* typeHandle) {
    CheckStructureDescription(name, rows, count, typeHandle);
    const SapSystem* system = CurrentSystem();
    const bool fails = system != nullptr && !system->faults.failInstallStructure.empty() &&
                       EqualsIgnoringCase(system->faults.failInstallStructure, name);
    if (!fails) {
        *typeHandle = StructureTypeHandle(name);
        installed_[name] = *typeHandle;
    }
    journal_.Write(InstallStructureLine(
        name, count, fails ? static_cast<std::uint32_t>(kFailureCode) : *typeHandle));
    return fails ? kFailureCode : 0;
}

int Simulator::RfcCall(RfcHandle handle, char* function, RfcParameterEntry* exporting,
                       RfcTableEntry* tables) {
    const SapSystem& system = System(CheckedConnection(handle, "RfcCall"));
    const RemoteFunction called = CheckedFunction(function);
    if (pendingCalls_.contains(handle)) {
        InterfaceMismatch("RfcCall: handle " + std::to_string(handle) + " still awaits RfcReceive");
    }
    CheckEmptyExporting(exporting);
    CheckTables("RfcCall", called, tables, installed_, tables_);

    const bool toHandler = HandlerErrorDue(system, "RfcCall " + std::string(function));
    const int code = toHandler ? kFailureCode : CallCode(system.faults, called);
    if (code == 0) {
        const void* table = called == RemoteFunction::LockWaiters ? tables[0].table : nullptr;
        pendingCalls_[handle] = PendingCall{called, table};
    } else {
        TraceFailure(&system, toHandler ? HandlerFailureReason(system, "RfcCall failed")
                                        : CodeFailureReason(called, code));
    }
    journal_.Write(CallLine(handle, function, code));
    if (toHandler) {
        ReportToHandler("RfcCall");
    }
    return code;
}

int Simulator::RfcReceive(RfcHandle handle, RfcParameterEntry* importing, RfcTableEntry* tables,
                          char** exception) {
    const SapSystem& system = System(CheckedConnection(handle, "RfcReceive"));
    const auto pending = pendingCalls_.find(handle);
    if (pending == pendingCalls_.end()) {
        InterfaceMismatch("RfcReceive: no RfcCall on handle " + std::to_string(handle));
    }
    const PendingCall call = pending->second;
    CheckImporting(call.function, importing, installed_);
    CheckTables("RfcReceive", call.function, tables, installed_, tables_);
    if (call.table != nullptr && tables[0].table != call.table) {
        InterfaceMismatch("RfcReceive: another table than the one passed to RfcCall");
    }
    if (exception == nullptr) {
        InterfaceMismatch("RfcReceive: exception text address is null");
    }
    pendingCalls_.erase(pending);

    const std::string_view name = FunctionName(call.function);
    HangIfDue(system, name);
    const bool toHandler = HandlerErrorDue(system, "RfcReceive " + std::string(name));
    const int code = toHandler ? kFailureCode : ReceiveCode(system.faults, call.function);
    if (code == 0) {
        ReceiveResult(system, call, importing);
    } else {
        TraceFailure(&system, toHandler ? HandlerFailureReason(system, "RfcReceive failed")
                                        : CodeFailureReason(call.function, code));
    }
    if (code == kExceptionCode || code == kSystemExceptionCode) {
        exceptionText_ = system.faults.exception;
        *exception = exceptionText_.data();
    }
    journal_.Write(ReceiveLine(handle, name, code));
    if (toHandler) {
        ReportToHandler("RfcReceive");
    }
    return code;
}

void Simulator::ReceiveResult(const SapSystem& system, const PendingCall& call,
                              const RfcParameterEntry* importing) {
    if (call.function == RemoteFunction::SystemInfo) {
        FillSystemInfo(system, importing);
        return;
    }
    InternalTable* table = tables_.Find(call.table);
    for (std::uint32_t number = 1; number <= system.lockWaiters; ++number) {
        const auto line = LockWaiterLine(system, number);
        table->Append(std::string_view(line.data(), line.size()));
    }
}

}  // namespace trevalunda::rfcsim

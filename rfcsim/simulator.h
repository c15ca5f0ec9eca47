#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "classic_rfc_api.h"
#include "rfcsim/internal_table.h"
#include "rfcsim/journal.h"
#include "rfcsim/landscape.h"
#include "rfcsim/logon.h"
#include "rfcsim/remote_functions.h"
#include "rfcsim/structures.h"

namespace trevalunda::rfcsim {

// The simulated RFC library: the state behind the twelve exported functions, with the folder
// that holds rfcsim.ini, SapRfc.ini, Dev_Rfc.Trc and rfcsim.journal (the working folder for
// the exported functions, a temporary folder in tests). Each member function does what the
// exported function of the same name does.
class Simulator {
  public:
    explicit Simulator(std::filesystem::path folder);

    void RfcEnvironment(RfcEnvironmentRecord* record);
    RfcHandle RfcOpen(RfcOpenOptions* options);
    RfcHandle RfcOpenEx(char* connectString, void* errorRecord);
    int RfcCall(RfcHandle handle, char* function, RfcParameterEntry* exporting,
                RfcTableEntry* tables);
    int RfcReceive(RfcHandle handle, RfcParameterEntry* importing, RfcTableEntry* tables,
                   char** exception);
    void RfcClose(RfcHandle handle);
    int RfcLastError(RfcErrorRecord* record);
    int RfcInstallStructure(char* name, RfcElementRow* rows, std::uint32_t count,
                            std::uint32_t* typeHandle);
    void* ItCreate(char* name, std::uint32_t lineLength, std::uint32_t extra1,
                   std::uint32_t extra2);
    std::uint32_t ItFill(void* table);
    void* ItGetLine(void* table, std::uint32_t lineNumber);
    int ItDelete(void* table);

  private:
    // A call sent by RfcCall that waits for its RfcReceive.
    struct PendingCall {
        RemoteFunction function;
        const void* table;  // the lock-waiter table, null for the system information
    };

    struct LogonOutcome {
        RfcHandle handle = 0;
        bool reportToHandler = false;
    };

    using Resolver = std::function<Resolution(const Landscape&)>;

    const SapSystem& System(std::size_t index) const;
    // The system of the most recent logon, whose faults apply to calls that name no
    // connection; null before the first logon.
    const SapSystem* CurrentSystem() const;
    std::size_t CheckedConnection(RfcHandle handle, const char* operation) const;

    LogonOutcome Logon(const Resolver& resolve, std::string_view client, std::string_view user,
                       std::string_view password);
    bool HandlerErrorDue(const SapSystem& system, std::string_view call) const;
    void ReportToHandler(std::string_view operation);
    void TraceFailure(const SapSystem* system, std::string_view reason) const;
    // Waits when the system is told to hang at the step.
    void HangIfDue(const SapSystem& system, std::string_view step) const;
    void ReceiveResult(const SapSystem& system, const PendingCall& call,
                       const RfcParameterEntry* importing);

    std::filesystem::path folder_;
    Journal journal_;
    LandscapeFile landscape_;
    void (*errorHandler_)(char*) = nullptr;
    RfcHandle nextHandle_ = 1;
    std::map<RfcHandle, std::size_t> connections_;  // open handles and their systems
    std::map<RfcHandle, PendingCall> pendingCalls_;
    std::optional<std::size_t> currentSystem_;
    InstalledStructures installed_;
    TableRegistry tables_;
    std::string exceptionText_;  // what the last exception's text pointer points at
};

// The reason the trace file gives for a failure reported through the error handler: the
// message of the system's LastError, or the fallback when it has none.
std::string HandlerFailureReason(const SapSystem& system, std::string_view fallback);

}  // namespace trevalunda::rfcsim

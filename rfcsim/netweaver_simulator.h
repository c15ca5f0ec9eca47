#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "netweaver_rfc_api.h"
#include "rfcsim/journal.h"
#include "rfcsim/landscape.h"
#include "rfcsim/netweaver_checks.h"
#include "rfcsim/netweaver_errors.h"
#include "rfcsim/netweaver_handles.h"
#include "rfcsim/remote_functions.h"

namespace trevalunda::rfcsim {

// rfcsimnw, the simulated NetWeaver RFC library: the state behind its twelve exported
// functions, over the same landscape, journal and trace file as rfcsim, in the folder given
// (the working folder for the exported functions, a temporary folder in tests). Each member
// function does what the exported function of the same name does. Calls may come from several
// threads: each holds the library's lock, which a call waiting at a hang lets go of, so that
// RfcCancel can end the wait.
class NetWeaverSimulator {
  public:
    explicit NetWeaverSimulator(std::filesystem::path folder);

    NwRfcReturnCode RfcSetIniPath(const char16_t* folder, NwRfcErrorInfo* errorInfo);
    NwRfcConnectionHandle RfcOpenConnection(const NwRfcConnectionParameter* parameters,
                                            unsigned count, NwRfcErrorInfo* errorInfo);
    NwRfcReturnCode RfcCloseConnection(NwRfcConnectionHandle connection, NwRfcErrorInfo* errorInfo);
    NwRfcFunctionDescHandle RfcGetFunctionDesc(NwRfcConnectionHandle connection,
                                               const char16_t* functionName,
                                               NwRfcErrorInfo* errorInfo);
    NwRfcFunctionHandle RfcCreateFunction(NwRfcFunctionDescHandle description,
                                          NwRfcErrorInfo* errorInfo);
    NwRfcReturnCode RfcDestroyFunction(NwRfcFunctionHandle function, NwRfcErrorInfo* errorInfo);
    NwRfcReturnCode RfcInvoke(NwRfcConnectionHandle connection, NwRfcFunctionHandle function,
                              NwRfcErrorInfo* errorInfo);
    NwRfcReturnCode RfcGetStructure(NwRfcDataContainer container, const char16_t* name,
                                    NwRfcStructureHandle* structure, NwRfcErrorInfo* errorInfo);
    NwRfcReturnCode RfcGetChars(NwRfcDataContainer container, const char16_t* fieldName,
                                char16_t* buffer, unsigned length, NwRfcErrorInfo* errorInfo);
    NwRfcReturnCode RfcGetTable(NwRfcDataContainer container, const char16_t* name,
                                NwRfcTableHandle* table, NwRfcErrorInfo* errorInfo);
    NwRfcReturnCode RfcGetRowCount(NwRfcTableHandle table, unsigned* count,
                                   NwRfcErrorInfo* errorInfo);
    NwRfcReturnCode RfcCancel(NwRfcConnectionHandle connection, NwRfcErrorInfo* errorInfo);

    // Every connection closed and every function destroyed; an interface mismatch that names
    // the occasion otherwise. RfcOpenConnection checks this before each logon.
    void CheckAllReleased(std::string_view occasion);
    // The same check when the library is unloaded, unless a call is still under way (waiting
    // at a hang, or running in another thread): the process then ends without it. True when
    // no call was under way.
    bool CheckAllReleasedAtUnload();

    // Whether a call waits at a hang right now.
    bool Waiting();

    // What RfcGetStructure or RfcGetTable hands out (defined beside them).
    struct FunctionPart;

  private:
    // Where a logon got to: the connection, or why there is none.
    struct LogonOutcome {
        std::uintptr_t connection = 0;
        std::optional<NetWeaverFailure> failure;
    };

    const SapSystem& System(std::size_t index) const;
    LogonOutcome Logon(const LogonParameters& logon);
    // Waits when the system is told to hang at the step; true when RfcCancel of the
    // connection (0: none can) ended the wait.
    bool HangIfDue(const SapSystem& system, std::string_view step, std::uintptr_t connection);
    // Traces the failure and fills the error info with it.
    void Fail(const SapSystem* system, const NetWeaverFailure& failure, NwRfcErrorInfo& info);
    // The container must be a function of the one expected that holds an answer.
    void CheckFunction(NwRfcDataContainer container, RemoteFunction expected, std::string_view part,
                       const std::string& operation);
    // The system whose answer the function holds; an interface mismatch when it holds none.
    const SapSystem& AnsweringSystem(std::uintptr_t function, const std::string& operation);
    // RfcGetStructure and RfcGetTable: the part of a function that holds an answer.
    NwRfcReturnCode HandOutPart(const FunctionPart& part, NwRfcDataContainer container,
                                const char16_t* name, void** handed, NwRfcErrorInfo* errorInfo);
    // The structure or table of a function, handed out once and then again.
    std::uintptr_t PartOf(std::uintptr_t function, HandleKind kind);

    std::filesystem::path folder_;
    std::filesystem::path iniFolder_;  // where sapnwrfc.ini is looked for
    Journal journal_;
    LandscapeFile landscape_;
    HandleRegistry handles_;
    // The description handed out for a function of a system, by system and function.
    std::map<std::pair<std::size_t, RemoteFunction>, std::uintptr_t> descriptions_;

    std::mutex lock_;
    std::condition_variable_any wake_;
    bool waiting_ = false;
    std::uintptr_t waitingConnection_ = 0;
    bool cancelled_ = false;
};

}  // namespace trevalunda::rfcsim

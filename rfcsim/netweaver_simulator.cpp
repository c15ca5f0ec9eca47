#include "rfcsim/netweaver_simulator.h"

#include "rfcsim/hang.h"
#include "rfcsim/interface_checks.h"
#include "rfcsim/logon.h"
#include "rfcsim/netweaver_journal.h"
#include "rfcsim/text.h"
#include "rfcsim/trace_file.h"

namespace trevalunda::rfcsim {
namespace {

using Guard = std::lock_guard<std::mutex>;

// The system number of the logon parameters, two digits by the interface checks.
std::int64_t SystemNumberOf(const LogonParameters& logon) {
    return ParseNumber(logon.Value("sysnr")).value_or(-1);
}

}  // namespace

NetWeaverSimulator::NetWeaverSimulator(std::filesystem::path folder)
    : folder_(std::move(folder)), iniFolder_(folder_), journal_(folder_), landscape_(folder_) {}

NwRfcReturnCode NetWeaverSimulator::RfcSetIniPath(const char16_t* folder,
                                                  NwRfcErrorInfo* errorInfo) {
    const Guard guard(lock_);
    RequireAddress(errorInfo, "RfcSetIniPath: error info");
    const std::string text = CheckedText(folder, "RfcSetIniPath: folder");
    iniFolder_ = folder_ / std::filesystem::path(std::u16string(folder));
    FillSuccess(*errorInfo);
    journal_.Write(SetIniPathLine(text));
    return kNwRfcOk;
}

NwRfcConnectionHandle NetWeaverSimulator::RfcOpenConnection(
    const NwRfcConnectionParameter* parameters, unsigned count, NwRfcErrorInfo* errorInfo) {
    const Guard guard(lock_);
    RequireAddress(errorInfo, "RfcOpenConnection: error info");
    const LogonParameters logon = CheckedLogonParameters(parameters, count);
    CheckAllReleased("RfcOpenConnection");
    const LogonOutcome outcome = Logon(logon);
    if (outcome.failure) {
        FillErrorInfo(*errorInfo, *outcome.failure);
    } else {
        FillSuccess(*errorInfo);
    }
    journal_.Write(OpenConnectionLine(logon, outcome.connection, errorInfo->code));
    return HandleOf<NwRfcConnectionHandle>(outcome.connection);
}

NwRfcReturnCode NetWeaverSimulator::RfcCloseConnection(NwRfcConnectionHandle connection,
                                                       NwRfcErrorInfo* errorInfo) {
    const Guard guard(lock_);
    RequireAddress(errorInfo, "RfcCloseConnection: error info");
    HandleEntry& entry = handles_.Checked(connection, HandleKind::Connection, "RfcCloseConnection");
    HangIfDue(System(entry.system), kHangAtClose, NumberOf(connection));
    entry.released = true;
    FillSuccess(*errorInfo);
    journal_.Write(CloseConnectionLine(NumberOf(connection), kNwRfcOk));
    return kNwRfcOk;
}

NwRfcReturnCode NetWeaverSimulator::RfcCancel(NwRfcConnectionHandle connection,
                                              NwRfcErrorInfo* errorInfo) {
    const Guard guard(lock_);
    RequireAddress(errorInfo, "RfcCancel: error info");
    handles_.Checked(connection, HandleKind::Connection, "RfcCancel");
    if (waiting_ && waitingConnection_ == NumberOf(connection)) {
        cancelled_ = true;
        wake_.notify_all();
    }
    FillSuccess(*errorInfo);
    journal_.Write(CancelLine(NumberOf(connection)));
    return kNwRfcOk;
}

void NetWeaverSimulator::CheckAllReleased(std::string_view occasion) {
    const std::vector<std::string> unreleased = handles_.Unreleased();
    if (!unreleased.empty()) {
        InterfaceMismatch(std::string(occasion) + ": " + unreleased.front());
    }
}

bool NetWeaverSimulator::CheckAllReleasedAtUnload() {
    const std::unique_lock<std::mutex> guard(lock_, std::try_to_lock);
    if (!guard.owns_lock() || waiting_) {
        return false;
    }
    CheckAllReleased("unloading the library");
    return true;
}

bool NetWeaverSimulator::Waiting() {
    const Guard guard(lock_);
    return waiting_;
}

const SapSystem& NetWeaverSimulator::System(std::size_t index) const {
    return landscape_.System(index);
}

NetWeaverSimulator::LogonOutcome NetWeaverSimulator::Logon(const LogonParameters& logon) {
    const Landscape* landscape = landscape_.Get();
    if (landscape == nullptr) {
        TraceFailure(folder_, nullptr, "no landscape");
        return {0, SystemFailure(nullptr, kNwRfcCommunicationFailure, "no landscape")};
    }
    if (!logon.Has("dest") && !logon.Has("ashost")) {
        // A logon that names no server is refused by the library, not by the network.
        constexpr std::string_view kNoServer = "no application server given (ashost or dest)";
        TraceFailure(folder_, nullptr, kNoServer);
        return {0, SystemFailure(nullptr, kNwRfcInvalidParameter, std::string(kNoServer))};
    }
    const Resolution resolution =
        logon.Has("dest") ? ResolveNetWeaverDestination(*landscape, iniFolder_, logon.Value("dest"))
                          : ResolveByHost(*landscape, logon.Value("ashost"), SystemNumberOf(logon));
    if (!resolution.system) {
        TraceFailure(folder_, nullptr, resolution.failure);
        const NwRfcReturnCode code =
            resolution.inDestinationFile ? kNwRfcInvalidParameter : kNwRfcCommunicationFailure;
        return {0, SystemFailure(nullptr, code, resolution.failure)};
    }
    const SapSystem& system = System(*resolution.system);
    HangIfDue(system, kHangAtLogon, 0);
    const std::string refusal = CredentialFailure(system, logon.Value("client"),
                                                  logon.Value("user"), logon.Value("passwd"));
    if (!refusal.empty()) {
        TraceFailure(folder_, &system, refusal);
        return {0, SystemFailure(&system, kNwRfcLogonFailure, refusal)};
    }
    return {handles_.Add({.kind = HandleKind::Connection, .system = *resolution.system}),
            std::nullopt};
}

bool NetWeaverSimulator::HangIfDue(const SapSystem& system, std::string_view step,
                                   std::uintptr_t connection) {
    const std::optional<std::chrono::seconds> time = HangTime(system.faults, step);
    if (!time) {
        return false;
    }
    journal_.Write(HangLine(step, time->count()));
    waiting_ = true;
    waitingConnection_ = connection;
    cancelled_ = false;
    // The caller holds the lock; the wait lets go of it until it ends.
    const bool cancelled = wake_.wait_for(lock_, *time, [this] { return cancelled_; });
    waiting_ = false;
    waitingConnection_ = 0;
    return cancelled;
}

void NetWeaverSimulator::Fail(const SapSystem* system, const NetWeaverFailure& failure,
                              NwRfcErrorInfo& info) {
    TraceFailure(folder_, system, failure.reason);
    FillErrorInfo(info, failure);
}

}  // namespace trevalunda::rfcsim

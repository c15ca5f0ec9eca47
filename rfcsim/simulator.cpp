#include "rfcsim/simulator.h"

#include <algorithm>
#include <cstring>
#include <thread>

#include "rfcsim/connect_string.h"
#include "rfcsim/hang.h"
#include "rfcsim/interface_checks.h"
#include "rfcsim/text.h"
#include "rfcsim/trace_file.h"

namespace trevalunda::rfcsim {
namespace {

// Copies the text into a zero-terminated field, cut to fit.
template <std::size_t Size>
void PutField(char (&field)[Size], std::string_view text) {
    const std::size_t length = std::min(text.size(), Size - 1);
    std::memcpy(field, text.data(), length);
    field[length] = '\0';
}

}  // namespace

std::string HandlerFailureReason(const SapSystem& system, std::string_view fallback) {
    const std::string& message = system.faults.lastError.message;
    return message.empty() ? std::string(fallback) : message;
}

Simulator::Simulator(std::filesystem::path folder)
    : folder_(std::move(folder)), journal_(folder_), landscape_(folder_) {}

void Simulator::RfcEnvironment(RfcEnvironmentRecord* record) {
    CheckEnvironment(record);
    errorHandler_ = record->errorHandler;
    journal_.Write(EnvironmentLine(*record));
}

RfcHandle Simulator::RfcOpen(RfcOpenOptions* options) {
    CheckOpenOptions(options);
    const LogonOutcome outcome = Logon(
        [options](const Landscape& landscape) { return ResolveOpenOptions(landscape, *options); },
        options->client, options->user, options->password);
    journal_.Write(OpenLine(*options, outcome.handle));
    if (outcome.reportToHandler) {
        ReportToHandler("RfcOpen");
    }
    return outcome.handle;
}

RfcHandle Simulator::RfcOpenEx(char* connectString, void* errorRecord) {
    CheckConnectArguments(connectString, errorRecord);
    const std::optional<ConnectString> parts = ParseConnectString(connectString);
    if (!parts) {
        InterfaceMismatch(
            "RfcOpenEx: connect string not of the form "
            "\"CLIENT=<c> USER=<u> PASSWD=<p> LANG=<l> DEST=<d>\"");
    }
    const LogonOutcome outcome = Logon(
        [&](const Landscape& landscape) {
            return ResolveSapRfcDestination(landscape, folder_, parts->destination);
        },
        parts->client, parts->user, parts->password);
    journal_.Write(OpenExLine(MaskedConnectString(*parts), outcome.handle));
    if (outcome.reportToHandler) {
        ReportToHandler("RfcOpen");
    }
    return outcome.handle;
}

void Simulator::RfcClose(RfcHandle handle) {
    if (handle != 0) {
        HangIfDue(System(CheckedConnection(handle, "RfcClose")), kHangAtClose);
        connections_.erase(handle);
        pendingCalls_.erase(handle);
    }
    journal_.Write(CloseLine(handle));
}

int Simulator::RfcLastError(RfcErrorRecord* record) {
    if (record == nullptr) {
        InterfaceMismatch("RfcLastError: record is null");
    }
    const SapSystem* system = CurrentSystem();
    const ErrorTexts texts = system == nullptr ? ErrorTexts{} : system->faults.lastError;
    std::memset(record, 0, sizeof *record);
    PutField(record->key, texts.key);
    PutField(record->status, texts.status);
    PutField(record->message, texts.message);
    PutField(record->internalStatus, texts.internalStatus);
    journal_.Write(LastErrorLine());
    return 0;
}

const SapSystem& Simulator::System(std::size_t index) const {
    return landscape_.System(index);
}

const SapSystem* Simulator::CurrentSystem() const {
    return currentSystem_ ? &System(*currentSystem_) : nullptr;
}

std::size_t Simulator::CheckedConnection(RfcHandle handle, const char* operation) const {
    const auto found = connections_.find(handle);
    if (found == connections_.end()) {
        InterfaceMismatch(std::string(operation) + ": handle " + std::to_string(handle) +
                          " is not open");
    }
    return found->second;
}

Simulator::LogonOutcome Simulator::Logon(const Resolver& resolve, std::string_view client,
                                         std::string_view user, std::string_view password) {
    const Landscape* landscape = landscape_.Get();
    if (landscape == nullptr) {
        TraceFailure(nullptr, "no landscape");
        return {};
    }
    const Resolution resolution = resolve(*landscape);
    if (!resolution.system) {
        TraceFailure(nullptr, resolution.failure);
        return {};
    }
    const SapSystem& system = System(*resolution.system);
    HangIfDue(system, kHangAtLogon);
    if (HandlerErrorDue(system, "RfcOpen")) {
        currentSystem_ = resolution.system;
        TraceFailure(&system, HandlerFailureReason(system, "RfcOpen failed"));
        return LogonOutcome{0, true};
    }
    const std::string refusal = CredentialFailure(system, client, user, password);
    if (!refusal.empty()) {
        TraceFailure(&system, refusal);
        return {};
    }
    currentSystem_ = resolution.system;
    const RfcHandle handle = nextHandle_++;
    connections_[handle] = *resolution.system;
    return LogonOutcome{handle, false};
}

bool Simulator::HandlerErrorDue(const SapSystem& system, std::string_view call) const {
    return !system.faults.handlerError.empty() &&
           EqualsIgnoringCase(system.faults.handlerError, call);
}

void Simulator::ReportToHandler(std::string_view operation) {
    journal_.Write(ErrorHandlerLine(operation));
    if (errorHandler_ != nullptr) {
        std::string text(operation);
        errorHandler_(text.data());
    }
}

void Simulator::HangIfDue(const SapSystem& system, std::string_view step) const {
    if (const std::optional<std::chrono::seconds> time = HangTime(system.faults, step)) {
        journal_.Write(HangLine(step, time->count()));
        std::this_thread::sleep_for(*time);
    }
}

void Simulator::TraceFailure(const SapSystem* system, std::string_view reason) const {
    rfcsim::TraceFailure(folder_, system, reason);
}

}  // namespace trevalunda::rfcsim

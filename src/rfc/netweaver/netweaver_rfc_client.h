#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "rfc/netweaver/netweaver_functions.h"
#include "rfc/rfc_client.h"
#include "rfc/rfc_client_services.h"

namespace trevalunda {

// The sensor's RFC client over SAP's NetWeaver RFC library: logon parameters by name, the
// remote function modules through their descriptions, and the library's error info as the
// reason of every failure. The library has no error handler; nothing it does ends the run
// with its own report.
class NetWeaverRfcClient final : public RfcClient {
  public:
    NetWeaverRfcClient(std::unique_ptr<platform::SharedLibrary> library,
                       const NwRfcFunctions& functions, const RfcClientServices& services,
                       std::string executablePath);
    ~NetWeaverRfcClient() override;

    Result<LogonOutcome> LogOn(const LogonData& system) override;
    Result<IdentityOutcome> AskIdentity() override;
    Result<LockWaitersOutcome> CountLockWaiters() override;
    void Close() override;
    std::string FailureFinding() override;
    void PrintErrorReport(platform::OutputSink& out, std::string_view operation) override;
    RfcLibraryKind Kind() const override { return RfcLibraryKind::NetWeaver; }
    std::string DescribeLastFailure() override;

  private:
    class RemoteCall;

    // SAP's own configuration file "sapnwrfc.ini" beside the executable, read at the first
    // logon (the library is pointed at its folder then); nothing when there is none.
    const std::optional<std::string>& Configuration();
    // Notes the library's reason for a failed step and gives the step's outcome code.
    int Failed(const NwRfcErrorInfo& info);

    std::unique_ptr<platform::SharedLibrary> library_;
    NwRfcFunctions functions_;
    RfcClientServices services_;
    std::string executablePath_;
    bool configurationRead_ = false;
    std::optional<std::string> configuration_;
    NwRfcConnectionHandle connection_ = nullptr;
    std::uint32_t connectionNumber_ = 0;  // counts the connections, for the call trace
    std::string lastMessage_;             // the library's message of the last failure
    std::string lastKey_;                 // the key of the last failure's error info
};

// The sensor's message for a failed remote step of the NetWeaver library: an ABAP exception
// with its name, an ABAP runtime failure or message, a communication failure, or another
// failure.
std::string NetWeaverOutcomeText(const NwRfcErrorInfo& info);

// The library's message as the sensor quotes it: every run of blanks and line ends one
// blank, trimmed, at most 200 characters.
std::string NetWeaverMessage(const NwRfcErrorInfo& info);

// True when SAP's configuration file defines the destination: a line "DEST=<destination>",
// compared in any letter case, blanks trimmed.
bool ConfigurationDefines(std::string_view configuration, std::string_view destination);

}  // namespace trevalunda

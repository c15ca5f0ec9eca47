#pragma once

#include <memory>

#include "rfc/classic/classic_functions.h"
#include "rfc/classic/connection.h"
#include "rfc/classic/remote_calls.h"
#include "rfc/rfc_client.h"
#include "rfc/rfc_client_services.h"

namespace trevalunda {

// The sensor's RFC client over the classic RFC library: the error handler registered before
// each logon, the logon records, the structure descriptions installed once per process and
// the internal table of the lock waiters.
class ClassicRfcClient final : public RfcClient {
  public:
    ClassicRfcClient(std::unique_ptr<platform::SharedLibrary> library,
                     const RfcFunctions& functions, const RfcClientServices& services);
    ~ClassicRfcClient() override;

    Result<LogonOutcome> LogOn(const LogonData& system) override;
    Result<IdentityOutcome> AskIdentity() override;
    Result<LockWaitersOutcome> CountLockWaiters() override;
    void Close() override;
    std::string FailureFinding() override;
    void PrintErrorReport(platform::OutputSink& out, std::string_view operation) override;
    RfcLibraryKind Kind() const override { return RfcLibraryKind::Classic; }
    std::string DescribeLastFailure() override;

  private:
    std::unique_ptr<platform::SharedLibrary> library_;
    RfcFunctions functions_;
    RfcClientServices services_;
    RfcConnector connector_;
    RemoteCalls calls_;
    RfcEnvironmentRecord environment_{};
    RfcHandle connection_ = 0;
};

}  // namespace trevalunda

#pragma once

#include <string>

#include "classic_rfc_api.h"

namespace trevalunda {

namespace platform {
class FileSystem;
class OutputSink;
}  // namespace platform
class RunLog;
struct LogonData;
struct RfcFunctions;

// Logs on to SAP systems. The working copies of the logon data and the option records live as
// long as the connector: the records keep their last contents from one system to the next,
// as the library saw them.
class RfcConnector {
  public:
    RfcConnector(const RfcFunctions& functions, platform::FileSystem& files,
                 platform::OutputSink& out, RunLog& log);

    // Logs on with the system's data; the connection handle, 0 when the logon failed. With a
    // prepared configuration "SapRfc.<destination>" in the working folder, that file is
    // installed as "SapRfc.ini" and the logon goes through the destination alone; with
    // progress lines on, a line says so.
    RfcHandle OpenConnection(const LogonData& system);

  private:
    void CopyLogonData(const LogonData& system);
    void FillOptions();
    RfcHandle OpenWithPreparedConfiguration(const LogonData& system);

    const RfcFunctions& functions_;
    platform::FileSystem& files_;
    platform::OutputSink& out_;
    RunLog& log_;

    std::string destination_;
    std::string client_;
    std::string user_;
    std::string password_;
    std::string language_;
    std::string mode_;
    std::string host_;
    std::string systemNumber_;
    std::string gatewayHost_;
    std::string gatewayService_;

    RfcOpenOptions options_{};
    RfcR2Options r2Options_{};
    RfcR3Options r3Options_{};
};

}  // namespace trevalunda

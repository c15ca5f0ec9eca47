#pragma once

#include <memory>

#include "base/result.h"
#include "rfc/connection.h"
#include "rfc/remote_calls.h"
#include "rfc/rfc_library.h"

namespace trevalunda {

struct RunRecords;
struct RunServices;
class ParameterText;

// The RFC library with what the run keeps of it for the whole process: the logon records and
// the installed structure descriptions.
struct RfcSession {
    RfcSession(std::unique_ptr<RfcLibrary> loaded, RunServices& services, RunLog& log);

    const RfcFunctions& Functions() const { return library->Functions(); }

    std::unique_ptr<RfcLibrary> library;
    RfcConnector connector;
    RemoteCalls calls;
    RfcEnvironmentRecord environment{};
};

// Loads the RFC library the installation names, when the run first needs it.
Status StartRfcSession(RunRecords& records, RunServices& services);

// Registers the error handler with the library (before each logon).
void InstallRfcEnvironment(RunRecords& records, RunServices& services);

// The host name and system number that the parameter text gives for the logon.
LogonOverrides OverridesFrom(const ParameterText& parameters);

// Asks the system of the open connection who it is. A failed call (with what the RFC trace
// file says) or a system that does not run on Oracle ends the run.
Status IdentifyReachedSystem(RunRecords& records, RunServices& services);

// Closes the open connection, if any, and forgets its handle.
void CloseConnection(RunRecords& records);

}  // namespace trevalunda

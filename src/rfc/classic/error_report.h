#pragma once

#include <string>
#include <string_view>

namespace trevalunda {

namespace platform {
class OutputSink;
}
struct RfcFunctions;

// Prints the RFC library's error report on the output: the failed operation, the library's
// last error (key, status, message, internal status) and the closing lines. The caller ends
// the process with exit code 1 afterwards.
void PrintRfcErrorReport(platform::OutputSink& out, const RfcFunctions& functions,
                         std::string_view operation);

// The library's last error record in words: "error record: key ..., status ..., message ...,
// internal status ...", naming only the fields that hold text.
std::string DescribeRfcLastError(const RfcFunctions& functions);

// Registers the output and the library for the error handler and returns the handler to give
// the library with RfcEnvironment. The handler prints the report and ends the process with
// exit code 1 at once: it is called from inside the library and cannot return into it.
using RfcErrorHandler = void (*)(char* operation);
RfcErrorHandler InstallRfcErrorHandler(platform::OutputSink& out, const RfcFunctions& functions);

}  // namespace trevalunda

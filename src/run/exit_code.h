#pragma once

namespace trevalunda {

// How the run went, as the monitoring host reads it from the exit code.
enum class ExitCode : int {
    Success = 0,   // the system was measured, or a multi-system run reached its end
    RfcError = 1,  // the RFC library reported an error to its handler
    Fatal = 2,     // a failure reported by the error document
};

}  // namespace trevalunda

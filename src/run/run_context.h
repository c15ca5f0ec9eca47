#pragma once

#include <string>
#include <vector>

#include "base/result.h"
#include "run/parameter_text.h"

namespace trevalunda {

inline constexpr std::string_view kStatusError = "ERR";
inline constexpr std::string_view kStatusOk = "OK";

// What the command line asks of the run, and the state that the run's steps share.
struct RunContext {
    std::string StartTime;       // "HH:MM:SS", taken at start-up
    std::string startLine;       // the first progress line, composed at start-up
    std::string programPath;     // the program as it was started (first command-line word)
    std::string ProfileName;     // the first argument
    std::string secondArgument;  // the second argument as given (quoted by the global listing)
    ParameterText ParameterString;
    bool itemRun = false;  // "ITEM=" in the parameter text
    bool MultiSystemRun = false;
    std::string ItemName;
    bool VerboseConsole = false;
    std::string StatusWord{kStatusError};
};

// Fills the run context from the command line (program name first) and the start time.
Result<RunContext> ReadCommandLine(const std::vector<std::string>& arguments,
                                   const std::string& startTime);

}  // namespace trevalunda

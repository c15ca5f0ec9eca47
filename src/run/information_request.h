#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/output_sink.h"
#include "run/exit_code.h"

namespace trevalunda {

// The usage text that --help prints.
std::string SensorHelp();

// The sensor asked about itself instead of being started for a run: an exact first argument
// "--help" (or "/?", the way Windows programs are asked) prints the usage, "--version" the
// version line. Any other first argument, these words in another letter case included, stays
// a profile name. Answers on the output and gives the exit code when asked; nothing when the
// command line (program name first) asks for a run.
std::optional<ExitCode> AnswerInformationRequest(const std::vector<std::string>& arguments,
                                                 platform::OutputSink& out);

}  // namespace trevalunda

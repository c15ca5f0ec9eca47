#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "rfcsim/landscape.h"

namespace trevalunda::rfcsim {

inline constexpr std::string_view kTraceFileName = "Dev_Rfc.Trc";

// The local date and time as "yyyymmdd hhmmss".
std::string TraceTimestamp();

// The lines that tell of a failure: a block header with the time and the reason after
// "ERROR" and seven blanks, so that the reason begins at the 13th character.
std::vector<std::string> DefaultFailureLines(std::string_view reason, std::string_view timestamp);

// Appends the lines to Dev_Rfc.Trc in the folder, each ended by a line feed.
void AppendTraceLines(const std::filesystem::path& folder, const std::vector<std::string>& lines);

// Tells of a failed logon or call in the folder's trace file: the system's TraceLine= lines
// when it has any, else the default lines with the reason. The system is null when the logon
// reached none.
void TraceFailure(const std::filesystem::path& folder, const SapSystem* system,
                  std::string_view reason);

}  // namespace trevalunda::rfcsim

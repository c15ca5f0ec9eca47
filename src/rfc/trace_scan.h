#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trevalunda {

namespace platform {
class FileSystem;
}

inline constexpr std::string_view kRfcTraceFile = "Dev_Rfc.Trc";

// What the RFC library's trace file says about the last failure, as the text that follows a
// failure message: " - " and the last error message after the last "**** ERROR " block,
// " - Please Check Trace-File !" when there is none, " - Look for Trace-File" when the file
// cannot be read (nothing given).
std::string TraceFinding(const std::optional<std::string>& traceFile);

// What "Dev_Rfc.Trc" in the working folder says, in words: "Dev_Rfc.Trc: " and its last error
// message, or that it holds none or is not there.
std::string DescribeRfcTrace(const platform::FileSystem& files);

// Reads "Dev_Rfc.Trc" in the working folder and gives its finding.
std::string ScanRfcTrace(const platform::FileSystem& files);

}  // namespace trevalunda

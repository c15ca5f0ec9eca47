#include "rfc/trace_scan.h"

#include "platform/file_system.h"
#include "platform/text_reader.h"

namespace trevalunda {
namespace {

constexpr std::size_t kChunkRead = 99;
constexpr std::string_view kBlockStart = "**** ERROR ";
constexpr std::string_view kErrorLine = "ERROR ";
constexpr std::size_t kErrorMessageColumn = 12;  // the message begins at the 13th character
constexpr std::string_view kArrow = "======> ";
constexpr std::size_t kArrowColumn = 7;  // the arrow fills characters 8 to 15

// Applies one chunk of the trace file to the message: a block start empties it, an error line
// or an arrow line replaces it.
void ApplyChunk(const std::string& chunk, std::string& message) {
    if (chunk.starts_with(kBlockStart)) {
        message.clear();
    }
    if (chunk.starts_with(kErrorLine)) {
        message = chunk.size() > kErrorMessageColumn ? chunk.substr(kErrorMessageColumn) : "";
    }
    const std::size_t arrowEnd = kArrowColumn + kArrow.size();
    if (chunk.size() >= arrowEnd && chunk.compare(kArrowColumn, kArrow.size(), kArrow) == 0) {
        message = chunk.substr(arrowEnd);
    }
    platform::StripLineEnd(message);
}

// The last error message of the trace file; empty when it holds none.
std::string LastTraceMessage(const std::string& traceFile) {
    std::string message;
    platform::TextReader reader(traceFile);
    while (auto chunk = reader.Read(kChunkRead)) {
        ApplyChunk(*chunk, message);
    }
    return message;
}

}  // namespace

std::string TraceFinding(const std::optional<std::string>& traceFile) {
    if (!traceFile) {
        return " - Look for Trace-File";
    }
    const std::string message = LastTraceMessage(*traceFile);
    return message.empty() ? " - Please Check Trace-File !" : " - " + message;
}

std::string DescribeRfcTrace(const platform::FileSystem& files) {
    const std::string name(kRfcTraceFile);
    platform::FileContent trace = files.Read(name);
    if (trace.status != platform::ReadStatus::Ok) {
        return name + ": not in the working folder";
    }
    const std::string message = LastTraceMessage(trace.bytes);
    return name + ": " + (message.empty() ? "no error message in it" : message);
}

std::string ScanRfcTrace(const platform::FileSystem& files) {
    platform::FileContent trace = files.Read(std::string(kRfcTraceFile));
    if (trace.status != platform::ReadStatus::Ok) {
        return TraceFinding(std::nullopt);
    }
    return TraceFinding(trace.bytes);
}

}  // namespace trevalunda

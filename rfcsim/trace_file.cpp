#include "rfcsim/trace_file.h"

#include <array>
#include <ctime>
#include <fstream>

namespace trevalunda::rfcsim {

std::string TraceTimestamp() {
    const std::time_t now = std::time(nullptr);
    std::array<char, 32> text{};
    const std::size_t length =
        std::strftime(text.data(), text.size(), "%Y%m%d %H%M%S", std::localtime(&now));
    return std::string(text.data(), length);
}

std::vector<std::string> DefaultFailureLines(std::string_view reason, std::string_view timestamp) {
    return {
        "**** ERROR file opened at " + std::string(timestamp) + ", rfcsim",
        "ERROR       " + std::string(reason),
    };
}

void AppendTraceLines(const std::filesystem::path& folder, const std::vector<std::string>& lines) {
    std::ofstream file(folder / kTraceFileName, std::ios::binary | std::ios::app);
    for (const std::string& line : lines) {
        file << line << '\n';
    }
}

void TraceFailure(const std::filesystem::path& folder, const SapSystem* system,
                  std::string_view reason) {
    if (system != nullptr && !system->faults.traceLines.empty()) {
        AppendTraceLines(folder, system->faults.traceLines);
    } else {
        AppendTraceLines(folder, DefaultFailureLines(reason, TraceTimestamp()));
    }
}

}  // namespace trevalunda::rfcsim

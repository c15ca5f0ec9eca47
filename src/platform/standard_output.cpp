// Standard output through the C runtime's stream, the same on every operating system (on
// Windows the stream is in text mode, see PrepareProcess).

#include <cstdio>
#include <cstdlib>

#include "platform/process.h"

namespace trevalunda::platform {

bool WriteStandardOutput(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
}

bool FlushStandardOutput() {
    return std::fflush(stdout) == 0;
}

void EndProcess(int exitCode) {
    const bool delivered = std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
    std::_Exit(delivered ? exitCode : 2);
}

}  // namespace trevalunda::platform

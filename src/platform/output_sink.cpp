#include "platform/output_sink.h"

#include "platform/process.h"

namespace trevalunda::platform {

void StandardOutputSink::Write(std::string_view text) {
    if (!WriteStandardOutput(text)) {
        failed_ = true;
    }
}

void StandardOutputSink::Flush() {
    if (!FlushStandardOutput()) {
        failed_ = true;
    }
}

}  // namespace trevalunda::platform

#include "platform/output_sink.h"

#include "platform/process.h"

namespace trevalunda::platform {

void StandardOutputSink::Write(std::string_view text) {
    WriteStandardOutput(text);
}

void StandardOutputSink::Flush() {
    FlushStandardOutput();
}

}  // namespace trevalunda::platform

#include "output/output_sink.h"

#include "platform/process.h"

namespace trevalunda {

void StandardOutputSink::Write(std::string_view text) {
    platform::WriteStandardOutput(text);
}

void StandardOutputSink::Flush() {
    platform::FlushStandardOutput();
}

}  // namespace trevalunda

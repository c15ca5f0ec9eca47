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

void SharedOutput::Write(std::string_view text) {
    const OutputHold hold(mutex_);
    target_.Write(text);
}

void SharedOutput::Flush() {
    const OutputHold hold(mutex_);
    target_.Flush();
}

OutputHold SharedOutput::BeginAnswer() {
    OutputHold hold(mutex_);
    answerBegun_ = true;
    return hold;
}

OutputHold SharedOutput::TakeOver(bool& runAnswers) {
    OutputHold hold(mutex_);
    runAnswers = answerBegun_;
    answerBegun_ = true;
    return hold;
}

}  // namespace trevalunda::platform

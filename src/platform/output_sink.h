#pragma once

#include <mutex>
#include <string>
#include <string_view>

namespace trevalunda::platform {

// While it lives, no other thread writes to the output.
using OutputHold = std::unique_lock<std::recursive_mutex>;

// Where the sensor's output goes: standard output in the program, a string in tests.
class OutputSink {
  public:
    virtual ~OutputSink() = default;
    virtual void Write(std::string_view text) = 0;
    virtual void Flush() {}
    // Keeps other threads from writing until the hold ends: for pieces that must go out
    // together with what the run notes about them.
    virtual OutputHold Hold() { return {}; }
    // The run's answer begins: what follows is its last output, which no other thread may
    // replace any more.
    virtual OutputHold BeginAnswer() { return {}; }
    // True once a write or a flush failed: the output did not arrive whole.
    virtual bool Failed() const { return false; }
};

class StandardOutputSink final : public OutputSink {
  public:
    void Write(std::string_view text) override;
    void Flush() override;
    bool Failed() const override { return failed_; }

  private:
    bool failed_ = false;
};

class StringSink final : public OutputSink {
  public:
    void Write(std::string_view text) override { text_ += text; }
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// An output that two threads share: the run, and its deadline, which may answer in the run's
// place. Each write goes out whole under one lock, so a piece is never interleaved.
class SharedOutput final : public OutputSink {
  public:
    explicit SharedOutput(OutputSink& target) : target_(target) {}

    void Write(std::string_view text) override;
    void Flush() override;
    OutputHold Hold() override { return OutputHold(mutex_); }
    OutputHold BeginAnswer() override;
    bool Failed() const override { return target_.Failed(); }

    // Holds the output for an answer in the run's place; `runAnswers` tells whether the run
    // has begun its own answer already (then nothing may be written).
    OutputHold TakeOver(bool& runAnswers);

  private:
    OutputSink& target_;
    std::recursive_mutex mutex_;
    bool answerBegun_ = false;
};

}  // namespace trevalunda::platform

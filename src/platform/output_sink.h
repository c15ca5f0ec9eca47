#pragma once

#include <string>
#include <string_view>

namespace trevalunda::platform {

// Where the sensor's output goes: standard output in the program, a string in tests.
class OutputSink {
  public:
    virtual ~OutputSink() = default;
    virtual void Write(std::string_view text) = 0;
    virtual void Flush() {}
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

}  // namespace trevalunda::platform

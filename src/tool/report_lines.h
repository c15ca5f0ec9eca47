#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace trevalunda::tool {

// Collects the lines of one file's report, each beginning with the file's path and, for a
// finding about one line, its line number ("PRD.P00:4: ...").
class ReportLines {
  public:
    explicit ReportLines(std::string_view path) : path_(path) {}

    void Add(int lineNumber, const std::string& text);
    void Add(const std::string& text) { Add(0, text); }
    std::string Take() { return std::move(text_); }

  private:
    std::string path_;
    std::string text_;
};

}  // namespace trevalunda::tool

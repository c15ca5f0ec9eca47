#pragma once

#include <deque>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "support/fake_file_system.h"
#include "tool/tool_services.h"

namespace trevalunda::testing {

// The world of the profile tool for unit tests: files in memory, standard input given line by
// line, a seeded generator and both output streams collected.
class ToolHarness {
  public:
    ToolHarness() = default;
    ToolHarness(const ToolHarness&) = delete;
    ToolHarness& operator=(const ToolHarness&) = delete;

    FakeFileSystem files;
    std::deque<std::string> input;  // the lines of standard input
    bool terminal = false;          // whether standard input is a terminal
    std::mt19937 random{20240607};
    std::ostringstream out;
    std::ostringstream err;
    tool::ToolServices services{files,
                                [this] { return terminal; },
                                [this] { return NextLine(); },
                                random,
                                out,
                                err,
                                MakeProfileKey()};

  private:
    std::optional<std::string> NextLine() {
        if (input.empty()) {
            return std::nullopt;
        }
        std::string line = input.front();
        input.pop_front();
        return line;
    }
};

}  // namespace trevalunda::testing

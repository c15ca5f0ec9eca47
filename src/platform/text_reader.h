#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace trevalunda::platform {

// Reads a text file's bytes the way the Windows C runtime reads a file opened in text mode:
// a carriage return followed by a line feed reads as one line feed, on every platform. A file
// with a byte-order mark is decoded first (TextOfFile), so that every text file of the sensor
// and the profile tool reads the same whether it was saved as ANSI, UTF-8 or UTF-16.
class TextReader {
  public:
    explicit TextReader(std::string_view bytes);

    // The next piece of at most maxChars characters, ending after the first line feed when
    // one comes sooner; a longer line goes on in the next read. Nothing at the end of the text.
    std::optional<std::string> Read(std::size_t maxChars);

    // The line of the text, counted from 1, that the last piece read belongs to: the rest of a
    // long line keeps the number of its line.
    int LineNumber() const { return lineNumber_; }

  private:
    std::string text_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
    bool lineStarts_ = true;
};

// Removes one trailing carriage return and then one trailing line feed, in that order.
void StripLineEnd(std::string& line);

}  // namespace trevalunda::platform

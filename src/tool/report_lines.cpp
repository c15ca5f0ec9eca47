#include "tool/report_lines.h"

#include "output/form_writer.h"

namespace trevalunda::tool {

void ReportLines::Add(int lineNumber, const std::string& text) {
    text_.append(path_);
    if (lineNumber > 0) {
        text_.append(":").append(std::to_string(lineNumber));
    }
    // The texts quote names and lines from outside: a control character among them could
    // split the line or hide its start.
    text_.append(": ").append(WithoutControlCharacters(text)).append("\n");
}

}  // namespace trevalunda::tool

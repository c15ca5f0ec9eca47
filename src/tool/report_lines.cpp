#include "tool/report_lines.h"

namespace trevalunda::tool {

void ReportLines::Add(int lineNumber, const std::string& text) {
    text_.append(path_);
    if (lineNumber > 0) {
        text_.append(":").append(std::to_string(lineNumber));
    }
    text_.append(": ").append(text).append("\n");
}

}  // namespace trevalunda::tool

#include "platform/text_reader.h"

#include <algorithm>

namespace trevalunda::platform {

TextReader::TextReader(std::string_view bytes) {
    text_.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        text_.push_back(bytes[i]);
    }
}

std::optional<std::string> TextReader::Read(std::size_t maxChars) {
    if (position_ >= text_.size() || maxChars == 0) {
        return std::nullopt;
    }
    std::size_t end = position_;
    const std::size_t limit = std::min(text_.size(), position_ + maxChars);
    while (end < limit) {
        if (text_[end++] == '\n') {
            break;
        }
    }
    std::string piece = text_.substr(position_, end - position_);
    position_ = end;
    if (lineStarts_) {
        ++lineNumber_;
    }
    lineStarts_ = piece.back() == '\n';
    return piece;
}

void StripLineEnd(std::string& line) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (!line.empty() && line.back() == '\n') {
        line.pop_back();
    }
}

}  // namespace trevalunda::platform

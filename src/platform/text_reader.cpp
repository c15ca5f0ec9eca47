#include "platform/text_reader.h"

#include <algorithm>

#include "base/unicode.h"

namespace trevalunda::platform {

TextReader::TextReader(std::string_view bytes) {
    const std::string decoded = TextOfFile(bytes);
    text_.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        if (decoded[i] == '\r' && i + 1 < decoded.size() && decoded[i + 1] == '\n') {
            continue;
        }
        text_.push_back(decoded[i]);
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

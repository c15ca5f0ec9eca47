#include "run/parameter_text.h"

#include <algorithm>

#include "base/text.h"

namespace trevalunda {

ParameterText::ParameterText(std::string_view text) : text_(text), upper_(UpperAscii(text)) {}

bool ParameterText::Contains(std::string_view keyword) const {
    return upper_.find(keyword) != std::string::npos;
}

bool ParameterText::ContainsAnyOf(std::string_view characters) const {
    return text_.find_first_of(characters) != std::string::npos;
}

std::optional<std::string> ParameterText::ValueAfter(std::string_view keyword,
                                                     std::string_view stops,
                                                     std::size_t maxLength) const {
    const std::size_t found = upper_.find(keyword);
    if (found == std::string::npos) {
        return std::nullopt;
    }
    const std::size_t start = found + keyword.size();
    std::size_t end = std::min(text_.find_first_of(stops, start), text_.size());
    if (maxLength != std::string::npos) {
        end = std::min(end, start + maxLength);
    }
    return text_.substr(start, end - start);
}

std::optional<long> ParameterText::SelectedChannel() const {
    const auto digits = ValueAfter("CH=", ",", 3);
    if (!digits) {
        return std::nullopt;
    }
    return ParseLeadingInteger(*digits);
}

void ParameterText::BlankColons() {
    std::replace(text_.begin(), text_.end(), ':', ' ');
}

}  // namespace trevalunda

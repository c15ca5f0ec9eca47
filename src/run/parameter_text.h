#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trevalunda {

// The parameter text of the command line, unchanged and upper-cased. Keywords are searched in
// the upper-cased copy, so they match in any letter case; values whose case matters are read
// from the unchanged text at the same position (both copies have the same length).
class ParameterText {
  public:
    ParameterText() = default;
    explicit ParameterText(std::string_view text);

    const std::string& Text() const { return text_; }
    const std::string& Upper() const { return upper_; }

    bool Contains(std::string_view keyword) const;
    bool ContainsAnyOf(std::string_view characters) const;

    // The unchanged text just after the first occurrence of the keyword, up to (not including)
    // the first of the stop characters or the end, at most maxLength characters; nothing when
    // the keyword is absent.
    std::optional<std::string> ValueAfter(std::string_view keyword, std::string_view stops,
                                          std::size_t maxLength = std::string::npos) const;

    // The channel that "CH=" selects for the line form: up to three characters after it,
    // stopping before ",", read as a decimal number; nothing without "CH=".
    std::optional<long> SelectedChannel() const;

    // Replaces every ":" of the unchanged text by a blank; positions stay where they are.
    void BlankColons();

  private:
    std::string text_;
    std::string upper_;
};

}  // namespace trevalunda

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalunda::rfcsim {

// The text without blanks, tabs and line-end characters at either end.
std::string_view Trim(std::string_view text);

// The text without the blanks that pad it on the right.
std::string_view TrimPadding(std::string_view text);

// ASCII letter case only: the landscape and SapRfc.ini are plain ASCII files.
std::string UpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// A whole decimal number with an optional sign, nothing else; nullopt otherwise.
std::optional<std::int64_t> ParseNumber(std::string_view text);

// The text split at every occurrence of the separator.
std::vector<std::string> Split(std::string_view text, char separator);

// The lines of a text file's content; a line feed ends a line, a carriage return before it
// is dropped.
std::vector<std::string> SplitLines(std::string_view text);

// The whole content of a file, or nullopt when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

}  // namespace trevalunda::rfcsim

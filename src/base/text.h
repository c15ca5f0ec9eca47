#pragma once

#include <string>
#include <string_view>

namespace trevalunda {

// Letter case as the sensor compares it: only the ASCII letters a to z change.
char UpperAscii(char c);
std::string UpperAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Reads a decimal number the way the C runtime's atoi does: leading blanks, an optional sign,
// then digits up to the first other character; no digits give 0. Values beyond the range of
// a 32-bit integer are held at its limits.
long ParseLeadingInteger(std::string_view text);

}  // namespace trevalunda

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

// A value from a file ends at its first zero byte, as it does in the zero-terminated fields
// that the RFC library's C interface takes: cutting it there when it is read makes the checks,
// the documents and the logon see one and the same value.
std::string_view UpToZeroByte(std::string_view text);

}  // namespace trevalunda

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "netweaver_rfc_api.h"

namespace trevalunda::rfcsim {

// The checks of what the caller passes to rfcsimnw, beside those of interface_checks.h: a
// fault of the caller shows as "rfcsim: interface mismatch: <what>" and an abort.

// How far a text is read for its terminator before it counts as unterminated.
inline constexpr std::size_t kLongestText = 4096;

// A zero-terminated UTF-16 text, converted to UTF-8; "<what> is null", "... is not
// zero-terminated within 4096 code units" or "... is not UTF-16" otherwise.
std::string CheckedText(const char16_t* text, const std::string& what);

// "<what> is null" for a null pointer.
void RequireAddress(const void* address, const std::string& what);

// The logon parameters of RfcOpenConnection, as UTF-8 in the order passed.
struct LogonParameters {
    std::vector<std::pair<std::string, std::string>> passed;

    // The value of the named parameter; empty when it was not passed.
    std::string Value(std::string_view name) const;
    bool Has(std::string_view name) const;
};

// The parameters as the sensor must pass them: each name one of client, user, passwd, lang,
// dest, ashost, sysnr, gwhost, gwserv, at most once, with a value; client, user, passwd and
// lang always; dest alone or ashost with sysnr (two digits) and optionally gwhost and gwserv;
// no empty dest, ashost, gwhost or gwserv; a user in upper case and neither user nor passwd
// padded with blanks.
LogonParameters CheckedLogonParameters(const NwRfcConnectionParameter* parameters, unsigned count);

}  // namespace trevalunda::rfcsim

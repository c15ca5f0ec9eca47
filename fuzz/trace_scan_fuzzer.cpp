// The finding of the RFC library's trace file: one short piece of text that follows a message,
// whose error document parses.

#include "fuzz_support.h"
#include "rfc/trace_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trevalunda;
    const std::string finding = TraceFinding(std::string(fuzz::AsText(data, size)));
    fuzz::Require(finding.starts_with(" - "), "a finding follows a message", finding);
    // A chunk holds at most 99 characters and the message begins at its 13th at the earliest.
    fuzz::Require(finding.size() <= 3 + 87, "a finding holds at most 87 characters", finding);
    fuzz::Require(finding.find('\n') == std::string::npos, "a finding lies on one line", finding);
    fuzz::RequireErrorDocumentParses("Error 1014: RFC-Failure raised !" + finding);
    return 0;
}

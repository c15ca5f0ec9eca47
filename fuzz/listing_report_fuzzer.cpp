// The report of trevalunda-profile listing: the verdict is the sensor's, and each line of the
// report begins with the file's path.

#include "fuzz_support.h"
#include "listing_request.h"
#include "tool/listing_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trevalunda;
    std::string_view input = fuzz::AsText(data, size);
    const ListingRequest request = fuzz::RequestOf(input);
    const tool::ListingReport report = tool::ReportListing("in/listing", input, request);
    fuzz::Require(report.accepted == ParseSensorListing(input, request).ok(),
                  "the verdict is the sensor's");
    const std::string& text = report.text;
    fuzz::Require(!text.empty() && text.back() == '\n', "a report ends with a line end", text);
    for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
        fuzz::Require(text.compare(at, 11, "in/listing:") == 0, "each line begins with the path",
                      text.substr(at));
    }
    return 0;
}

// Both listings, read for a sensor whose parameter text comes with the input: an accepted
// listing yields systems and an item without zero bytes, its system list is used up entry by
// entry, and a refused one's message gives an error document that parses.

#include <algorithm>

#include "config/sensor_listing.h"
#include "fuzz_support.h"
#include "listing_request.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace trevalunda;
    std::string_view input = fuzz::AsText(data, size);
    const ListingRequest request = fuzz::RequestOf(input);
    fuzz::Require(SensorNameOf(request.upperParameters).size() == 10, "sensor names fill 10");
    fuzz::Require(GlobalParameterKey(request.upperParameters).size() == 18, "keys fill 18");

    const Result<SensorListing> read = ParseSensorListing(input, request);
    if (!read.ok()) {
        fuzz::RequireErrorDocumentParses(read.fatal().message);
        return 0;
    }
    const SensorListing& listing = read.value();
    fuzz::Require(!listing.SystemList.empty() && !listing.ItemName.empty(),
                  "an accepted listing has systems and an item");
    if (request.kind == ListingKind::Global) {
        fuzz::Require(listing.ItemName.size() <= 90, "items hold at most 90", listing.ItemName);
        fuzz::Require(listing.ItemName.find('\0') == std::string::npos, "no zero in the item");
        fuzz::Require(listing.ParameterString.has_value(), "a global listing gives parameters");
        fuzz::Require(
            listing.ParameterString->find_first_of(std::string(":\0", 2)) == std::string::npos,
            "parameters without colons and zero bytes", *listing.ParameterString);
    }
    fuzz::Require(listing.SystemList.find('\0') == std::string::npos, "no zero in the systems");
    std::string systems = listing.SystemList;
    std::size_t entries = 0;
    while (!systems.empty()) {
        const std::size_t before = systems.size();
        const std::string entry = TakeNextEntry(systems);
        fuzz::Require(systems.size() < before, "each entry uses up the list");
        fuzz::Require(entry.find('#') == std::string::npos, "entries end at \"#\"", entry);
        for (LabelKind kind :
             {LabelKind::Profile, LabelKind::Alias, LabelKind::Host, LabelKind::Sid}) {
            const std::string label = SystemLabelFor(kind, entry, "h", "d");
            fuzz::Require(label.size() <= std::max<std::size_t>(entry.size(), 1), "labels", label);
        }
        ++entries;
    }
    fuzz::Require(entries <= listing.SystemList.size(), "no more entries than characters");
    return 0;
}

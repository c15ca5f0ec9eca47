#pragma once

#include <string_view>

#include "base/text.h"
#include "config/sensor_listing.h"
#include "fuzz_support.h"

namespace trevalunda::fuzz {

// The request of a multi-system run for the input's first byte (the kind) and the command-line
// text before the first zero byte (the sensor's parameter text, or the item of an item run).
inline ListingRequest RequestOf(std::string_view& input) {
    ListingRequest request;
    if (input.empty()) {
        return request;
    }
    request.kind = (input[0] & 1) != 0 ? ListingKind::Global : ListingKind::Item;
    input.remove_prefix(1);
    const std::vector<std::string> fields = Split(input, '\0', 2);
    const std::string& argument = fields[0];
    input.remove_prefix(fields.size() > 1 ? argument.size() + 1 : input.size());
    if (request.kind == ListingKind::Item) {
        request.ProfileName = "Vantorix.Prf";
        request.itemName = argument;
    } else {
        request.ProfileName = "SAP Vantorix.Gbl";
        request.upperParameters = UpperAscii(argument);
        request.secondArgument = argument;
    }
    return request;
}

}  // namespace trevalunda::fuzz

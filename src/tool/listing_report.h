#pragma once

#include <string>
#include <string_view>

#include "config/sensor_listing.h"

namespace trevalunda::tool {

// What the listing command found in one listing.
struct ListingReport {
    bool accepted = false;  // the sensor's multi-system run would take the listing
    std::string text;       // lines that begin with the file's path
};

// Reads a listing's text the way the sensor's multi-system run reads it and reports the lines
// it reads, the sensor's verdict with the line it is about, and each system entry in order with
// the line it comes from. For a listing the sensor takes it goes on with each system's label,
// the item, the label kind and the parameter text that replaces the command line's.
ListingReport ReportListing(std::string_view path, std::string_view text,
                            const ListingRequest& request);

}  // namespace trevalunda::tool

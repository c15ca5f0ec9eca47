#pragma once

#include <string>
#include <vector>

#include "config/sensor_listing.h"

namespace trevalunda::tool {

// One entry of a system list as a multi-system run takes it off the list, with the lines of
// the listing that it came from.
struct ListedEntry {
    std::string entry;
    int firstLine = 0;   // the line of its first character; of its "#" when it is empty
    int lastLine = 0;    // the line of its "#"; of its last character when it has none
    bool closed = true;  // ended by "#"; a last entry without one is taken all the same

    bool operator==(const ListedEntry&) const = default;
};

// The entries of the reading's system list, in the order in which the run serves them.
std::vector<ListedEntry> ListedEntries(const ListingReading& reading);

}  // namespace trevalunda::tool

#include "tool/listing_entries.h"

#include <utility>

namespace trevalunda::tool {
namespace {

// The line that gave the character at this position of the system list, which is the systems
// of its lines one after another.
int LineAt(const std::vector<ListingSystemsLine>& lines, std::size_t position) {
    std::size_t start = 0;
    for (const ListingSystemsLine& line : lines) {
        start += line.systems.size();
        if (position < start) {
            return line.lineNumber;
        }
    }
    return 0;
}

}  // namespace

std::vector<ListedEntry> ListedEntries(const ListingReading& reading) {
    std::vector<ListedEntry> entries;
    std::string rest = reading.listing.SystemList;
    std::size_t position = 0;
    while (!rest.empty()) {
        const std::size_t before = rest.size();
        ListedEntry listed;
        listed.entry = TakeNextEntry(rest);
        const std::size_t taken = before - rest.size();
        listed.closed = taken > listed.entry.size();
        listed.firstLine = LineAt(reading.systemsLines, position);
        listed.lastLine = LineAt(reading.systemsLines, position + taken - 1);
        position += taken;
        entries.push_back(std::move(listed));
    }
    return entries;
}

}  // namespace trevalunda::tool

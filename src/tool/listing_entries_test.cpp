#include "tool/listing_entries.h"

#include <gtest/gtest.h>

namespace trevalunda::tool {

void PrintTo(const ListedEntry& e, std::ostream* out) {
    *out << "{\"" << e.entry << "\", " << e.firstLine << ", " << e.lastLine << ", "
         << (e.closed ? "closed" : "open") << "}";
}

namespace {

ListingReading ReadingOf(const std::vector<ListingSystemsLine>& lines) {
    ListingReading reading;
    for (const ListingSystemsLine& line : lines) {
        reading.listing.SystemList += line.systems;
    }
    reading.systemsLines = lines;
    return reading;
}

TEST(ListingEntriesTest, EntriesWithTheLinesTheyComeFrom) {
    struct Case {
        const char* name;
        std::vector<ListingSystemsLine> lines;
        std::vector<ListedEntry> entries;
    } cases[] = {
        {"one line", {{2, "PRD.P00#QAS.P00#"}}, {{"PRD.P00", 2, 2, true}, {"QAS.P00", 2, 2, true}}},
        {"lines in order, one giving nothing",
         {{2, "PRD.P00#"}, {4, ""}, {7, "QAS.P00#"}},
         {{"PRD.P00", 2, 2, true}, {"QAS.P00", 7, 7, true}}},
        {"empty entries at the start and in the middle",
         {{3, "#PRD.P00##"}},
         {{"", 3, 3, true}, {"PRD.P00", 3, 3, true}, {"", 3, 3, true}}},
        {"an empty entry where a line ends and the next begins with \"#\"",
         {{2, "PRD.P00#"}, {3, "#QAS.P00#"}},
         {{"PRD.P00", 2, 2, true}, {"", 3, 3, true}, {"QAS.P00", 3, 3, true}}},
        {"a line without \"#\" at its end runs on",
         {{2, "PRD.P00"}, {3, "QAS.P00#"}},
         {{"PRD.P00QAS.P00", 2, 3, true}}},
        {"the closing \"#\" on the next line",
         {{2, "PRD.P00"}, {5, "#"}},
         {{"PRD.P00", 2, 5, true}}},
        {"last entry without \"#\"",
         {{2, "PRD.P00#DEV"}},
         {{"PRD.P00", 2, 2, true}, {"DEV", 2, 2, false}}},
        {"last entry without \"#\" over two lines",
         {{2, "PRD.P00#DEV"}, {3, ".P00"}},
         {{"PRD.P00", 2, 2, true}, {"DEV.P00", 2, 3, false}}},
        {"nothing", {{2, ""}}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ListedEntries(ReadingOf(c.lines)), c.entries) << c.name;
    }
}

}  // namespace
}  // namespace trevalunda::tool

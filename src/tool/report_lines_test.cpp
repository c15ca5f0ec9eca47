#include "tool/report_lines.h"

#include <gtest/gtest.h>

namespace trevalunda::tool {
namespace {

// A sensor name given with a line end is quoted in the report's messages (found by fuzzing).
TEST(ReportLinesTest, QuotedTextsCannotSplitALine) {
    ReportLines report("in/listing");
    report.Add(3, "Error 1030: Global Sensor LO\r\nCKS\t not found...");
    EXPECT_EQ(report.Take(), "in/listing:3: Error 1030: Global Sensor LO??CKS? not found...\n");
}

}  // namespace
}  // namespace trevalunda::tool

#include "tool/listing_command.h"

#include <gtest/gtest.h>

#include "support/tool_harness.h"
#include "tool/help_text.h"

namespace trevalunda::tool {
namespace {

using testing::ToolHarness;

const std::string kGlobalListing =
    "# GSNG: LOCKS     : PRD.P00#\r\n"
    "# GSNX: LOCKS     : Item=No_of_Locks,Sensor=\"SAP Trevalunda\",Sid\r\n";
const std::string kItemListing = "# Gsng: xxxxxxxxxxxxPRD.P00#\r\n";

TEST(ListingCommandTest, FileNameDecidesTheListingAndExitCodeTheVerdict) {
    struct Case {
        std::vector<std::string> arguments;
        ToolExit exit;
        std::string firstLines;  // the verdict and the listing's kind
    } cases[] = {
        {{"listings/SAP Vantorix.Gbl", "LOCKS"},
         ToolExit::Success,
         "listings/SAP Vantorix.Gbl: the sensor accepts this listing\n"
         "listings/SAP Vantorix.Gbl: global listing: "},
        {{"listings\\sap vantorix.GBL", "lockS CH=1"},
         ToolExit::Success,
         "listings\\sap vantorix.GBL: the sensor accepts this listing\n"
         "listings\\sap vantorix.GBL: global listing: "},
        {{"listings/SAP Vantorix.Gbl", "OTHER"},
         ToolExit::Refused,
         "listings/SAP Vantorix.Gbl: the sensor refuses this listing: Error 1030: Global Sensor "
         "OTHER not found...\n"},
        {{"listings/Vantorix.Prf"},
         ToolExit::Success,
         "listings/Vantorix.Prf: the sensor accepts this listing\n"
         "listings/Vantorix.Prf: item listing: "},
        // Any other name is read as an item listing: the global listing read so finds nothing.
        {{"listings/Global.Gbl"},
         ToolExit::Refused,
         "listings/Global.Gbl: the sensor refuses this listing: Error 1025: Global Server Listing "
         "missing...\n"},
    };
    for (const Case& c : cases) {
        ToolHarness tool;
        tool.files.Add("listings/SAP Vantorix.Gbl", kGlobalListing);
        tool.files.Add("listings/sap vantorix.GBL", kGlobalListing);
        tool.files.Add("listings/Global.Gbl", kGlobalListing);
        tool.files.Add("listings/Vantorix.Prf", kItemListing);
        const std::string name = c.arguments.front();
        EXPECT_EQ(RunListing(c.arguments, tool.services), c.exit) << name;
        EXPECT_EQ(tool.out.str().substr(0, c.firstLines.size()), c.firstLines) << name;
        EXPECT_EQ(tool.err.str(), "") << name;
    }
}

TEST(ListingCommandTest, ItemAsTheSensorsCommandLineGivesIt) {
    struct Case {
        std::vector<std::string> options;
        std::string item;
    } cases[] = {
        {{}, "No_of_Locks"},
        {{"--item", "Locks:Now"}, "Locks Now"},
        {{"--item=No_of_Locks,Alias"}, "No_of_Locks"},
        {{"--item", "a b"}, "a"},
    };
    for (const Case& c : cases) {
        ToolHarness tool;
        tool.files.Add("Vantorix.Prf", kItemListing);
        std::vector<std::string> arguments{"Vantorix.Prf"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        EXPECT_EQ(RunListing(arguments, tool.services), ToolExit::Success) << c.item;
        EXPECT_NE(tool.out.str().find("\nVantorix.Prf: item \"" + c.item + "\""), std::string::npos)
            << c.item << "\n"
            << tool.out.str();
    }
}

TEST(ListingCommandTest, UsageAndFileFaults) {
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{}, "listing needs the FILE to read (see trevalunda-profile listing --help)"},
        {{"--item", "X"}, "listing needs the FILE to read (see trevalunda-profile listing --help)"},
        {{"Vantorix.Prf", "--quiet=1"},
         "listing has no option --quiet (see trevalunda-profile listing --help)"},
        {{"SAP Vantorix.Gbl", "LOCKS", "CH=1"},
         "listing reads one FILE for one SENSOR-NAME; CH=1 would be a third argument (quote a "
         "SENSOR-NAME that holds blanks)"},
        {{"Vantorix.Prf", "--item"}, "--item needs a value"},
        {{"Vantorix.Prf", "--item", "A", "--item=B"}, "--item is given twice"},
        {{"SAP Vantorix.Gbl"},
         "SAP Vantorix.Gbl is the global listing: give the SENSOR-NAME, the sensor's parameter "
         "text such as \"LOCKS CH=1\""},
        {{"SAP Vantorix.Gbl", "LOCKS", "--item", "X"},
         "SAP Vantorix.Gbl is the global listing, whose parameter lines name the items; --item is "
         "for an item listing"},
        {{"SAP Vantorix.Gbl", "LOCKS item=X"},
         "the SENSOR-NAME LOCKS item=X holds \"ITEM=\", with which the sensor reads Vantorix.Prf "
         "instead of the global listing"},
        {{"Vantorix.Prf", "LOCKS"},
         "Vantorix.Prf is read as an item listing, which has no SENSOR-NAME (only SAP "
         "Vantorix.Gbl is the global listing); give the item with --item"},
        {{"none/Vantorix.Prf"},
         "none/Vantorix.Prf: no such file; the sensor would stop with Error 1002: Profile "
         "Vantorix.Prf is missing..."},
        {{"none/SAP Vantorix.Gbl", "LOCKS"},
         "none/SAP Vantorix.Gbl: no such file; the sensor would stop with Error 1002: Profile SAP "
         "Vantorix.Gbl is missing..."},
        {{"locked/Vantorix.Prf"},
         "locked/Vantorix.Prf: cannot be read; the sensor would stop with Error 1002: Profile "
         "Vantorix.Prf is missing..."},
    };
    for (const Case& c : cases) {
        ToolHarness tool;
        tool.files.Add("Vantorix.Prf", kItemListing);
        tool.files.Add("SAP Vantorix.Gbl", kGlobalListing);
        tool.files.AddUnreadable("locked/Vantorix.Prf");
        EXPECT_EQ(RunListing(c.arguments, tool.services), ToolExit::Failure) << c.message;
        EXPECT_EQ(tool.out.str(), "") << c.message;
        EXPECT_EQ(tool.err.str(), "trevalunda-profile: " + c.message + "\n");
    }
}

TEST(ListingCommandTest, Help) {
    ToolHarness tool;
    EXPECT_EQ(RunListing({"SAP Vantorix.Gbl", "--help"}, tool.services), ToolExit::Success);
    EXPECT_EQ(tool.out.str(), ListingHelp());
    EXPECT_EQ(tool.err.str(), "");
}

}  // namespace
}  // namespace trevalunda::tool

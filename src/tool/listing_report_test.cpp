#include "tool/listing_report.h"

#include <gtest/gtest.h>

#include "base/text.h"

namespace trevalunda::tool {
namespace {

const std::string kOwn = "Sensor=\"SAP Trevalunda\"";
const std::string kGlobalSources =
    "SAP Vantorix.Gbl: global listing: systems from the lines that begin with \"# GSNG: LOCKS     "
    "\", the parameter text from the first line that begins with \"# GSNX: LOCKS     \" (in any "
    "letter case)\n";
const std::string kItemSources =
    "Vantorix.Prf: item listing: systems from the lines that begin with \"# Gsng: \" (in this "
    "letter case)\n";

ListingRequest GlobalRequest(const std::string& parameters = "locks CH=1") {
    return {ListingKind::Global, "SAP Vantorix.Gbl", "", UpperAscii(parameters), parameters};
}

ListingRequest ItemRequest(const std::string& item = "No_of_Locks") {
    return {ListingKind::Item, "Vantorix.Prf", item, "", ""};
}

ListingReport GlobalReport(const std::string& text) {
    return ReportListing("SAP Vantorix.Gbl", text, GlobalRequest());
}

TEST(ListingReportTest, GlobalListingThatTheSensorTakes) {
    const ListingReport report = GlobalReport(
        "; sensors\r\n"
        "# GSNG: LOCKS     : PRD.P00#QAS.P00##DEV\r\n"
        "# GSNG: OTHER     : XXX.P00#\r\n"
        "# gsng: locks     : .P00#TST.P00\r\n"
        "# GSNX: LOCKS     : Item=No_of_Locks,Sensor=\"SAP Trevalunda\",Alias CH=1\r\n");
    EXPECT_TRUE(report.accepted);
    EXPECT_EQ(report.text,
              "SAP Vantorix.Gbl: the sensor accepts this listing\n" + kGlobalSources +
                  "SAP Vantorix.Gbl:2: system 1 \"PRD.P00\", label \"PRD\"\n"
                  "SAP Vantorix.Gbl:2: system 2 \"QAS.P00\", label \"QAS\"\n"
                  "SAP Vantorix.Gbl:2: system 3 is empty: nothing stands before its \"#\"; the "
                  "sensor counts it in NoSystems but reads no profile for it\n"
                  "SAP Vantorix.Gbl:2: system 4 \"DEV.P00\", label \"DEV\"; it runs on to line 4 "
                  "because line 2 does not end with \"#\"\n"
                  "SAP Vantorix.Gbl:4: system 5 \"TST.P00\", label \"TST\"; it has no closing "
                  "\"#\", and the sensor takes it as the last system all the same\n"
                  "SAP Vantorix.Gbl:5: item \"No_of_Locks\"\n"
                  "SAP Vantorix.Gbl:5: label kind Alias: each system's channel is named by its "
                  "entry without the last 4 characters\n"
                  "SAP Vantorix.Gbl:5: parameter text \" Item=No_of_Locks\" replaces the command "
                  "line's\n");
}

TEST(ListingReportTest, LabelsByLabelKind) {
    struct Case {
        const char* keyword;
        std::string label;  // as the system's line gives it
        std::string rule;
    } cases[] = {
        {"", ", label \"PRD.P00\"",
         "Profile: each system's channel is named by its entry as written"},
        {",Alias", ", label \"PRD\"",
         "Alias: each system's channel is named by its entry without the last 4 characters"},
        {",Host", ", label: the Hostname of its profile",
         "Host: each system's channel is named by the Hostname of its profile"},
        {",Sid", ", label: the Destination of its profile",
         "Sid: each system's channel is named by the Destination of its profile"},
    };
    for (const Case& c : cases) {
        const ListingReport report =
            GlobalReport("# GSNG: LOCKS     : PRD.P00#\n# GSNX: LOCKS     : Item=No_of_Locks " +
                         kOwn + c.keyword + "\n");
        EXPECT_TRUE(report.accepted) << c.keyword;
        EXPECT_NE(report.text.find("\nSAP Vantorix.Gbl:1: system 1 \"PRD.P00\"" + c.label + "\n"),
                  std::string::npos)
            << c.keyword << "\n"
            << report.text;
        EXPECT_NE(report.text.find("\nSAP Vantorix.Gbl:2: label kind " + c.rule + "\n"),
                  std::string::npos)
            << c.keyword << "\n"
            << report.text;
    }
}

TEST(ListingReportTest, ItemListingWithAnItemThatWritesNoChannels) {
    const ListingReport report = ReportListing("in/Vantorix.Prf",
                                               "Destination: PRD\n"
                                               "# GSNG: xxxxxxxxxxxxDEV.P00#\n"
                                               "# Gsng: xxxxxxxxxxxxPRD.P00#QAS.P00#\n",
                                               ItemRequest("Locks Now"));
    EXPECT_TRUE(report.accepted);
    EXPECT_EQ(report.text,
              "in/Vantorix.Prf: the sensor accepts this listing\n"
              "in/Vantorix.Prf: item listing: systems from the lines that begin with \"# Gsng: \" "
              "(in this letter case)\n"
              "in/Vantorix.Prf:3: system 1 \"PRD.P00\", label \"PRD.P00\"\n"
              "in/Vantorix.Prf:3: system 2 \"QAS.P00\", label \"QAS.P00\"\n"
              "in/Vantorix.Prf: item \"Locks Now\"; only No_of_Locks writes a channel for each "
              "system, any other item is only counted in the summary\n"
              "in/Vantorix.Prf: label kind Profile: each system's channel is named by its entry "
              "as written\n");
}

TEST(ListingReportTest, RefusedListingsGiveTheSensorsErrorAndItsCause) {
    const std::string systems = "# GSNG: LOCKS     : PRD.P00#\n";
    struct Case {
        const char* name;
        std::string text;
        ListingRequest request;
        std::string report;  // the report without the sources line
    } cases[] = {
        {"1029 names the parameter line and lists the systems read before it",
         systems + "# GSNX: LOCKS     : Item=X,Sensor=\"SAP Other\",Alias\n" +
             "# GSNG: LOCKS     : QAS.P00#\n",
         GlobalRequest(),
         "SAP Vantorix.Gbl: the sensor refuses this listing: Error 1029: Invalid "
         "Sensor-Allocation...\n"
         "SAP Vantorix.Gbl:2: the sensor's parameter line does not hold Sensor=\"SAP Trevalunda\" "
         "(Error 1029)\n"
         "SAP Vantorix.Gbl:1: system 1 \"PRD.P00\"\n"},
        {"1030 quotes the second argument", systems, GlobalRequest(),
         "SAP Vantorix.Gbl: the sensor refuses this listing: Error 1030: Global Sensor locks CH=1 "
         "not found...\n"
         "SAP Vantorix.Gbl: no line begins with \"# GSNX: LOCKS     \" (Error 1030)\n"
         "SAP Vantorix.Gbl:1: system 1 \"PRD.P00\"\n"},
        {"1025 in the global listing", "# GSNG: LOCKS     :\n# GSNX: LOCKS     : Item=X " + kOwn,
         GlobalRequest(),
         "SAP Vantorix.Gbl: the sensor refuses this listing: Error 1025: Global Server Listing "
         "missing...\n"
         "SAP Vantorix.Gbl: no line that begins with \"# GSNG: LOCKS     \" has a system from "
         "column 21 on (Error 1025)\n"},
        {"1025 in an item listing", "# gsng: xxxxxxxxxxxxPRD.P00#\n", ItemRequest(),
         "Vantorix.Prf: the sensor refuses this listing: Error 1025: Global Server Listing "
         "missing...\n"
         "Vantorix.Prf: no line that begins with \"# Gsng: \" has a system from column 21 on "
         "(Error 1025)\n"},
        {"1026 names the parameter line", systems + "# GSNX: LOCKS     : Item= " + kOwn,
         GlobalRequest(),
         "SAP Vantorix.Gbl: the sensor refuses this listing: Error 1026: Global Item "
         "Idenification missing...\n"
         "SAP Vantorix.Gbl:2: the sensor's parameter line names no item with \"Item=\" (Error "
         "1026)\n"
         "SAP Vantorix.Gbl:1: system 1 \"PRD.P00\"\n"},
        {"1026 in an item listing", "# Gsng: xxxxxxxxxxxxPRD.P00#\n", ItemRequest(""),
         "Vantorix.Prf: the sensor refuses this listing: Error 1026: Global Item Idenification "
         "missing...\n"
         "Vantorix.Prf: --item gives no item (Error 1026)\n"
         "Vantorix.Prf:1: system 1 \"PRD.P00\"\n"},
    };
    for (const Case& c : cases) {
        const ListingReport report = ReportListing(c.request.ProfileName, c.text, c.request);
        EXPECT_FALSE(report.accepted) << c.name;
        const std::string& sources =
            c.request.kind == ListingKind::Item ? kItemSources : kGlobalSources;
        std::string withoutSources = report.text;
        const std::size_t at = withoutSources.find(sources);
        ASSERT_NE(at, std::string::npos) << c.name << "\n" << report.text;
        EXPECT_EQ(withoutSources.erase(at, sources.size()), c.report) << c.name;
        // The verdict quotes the sensor's own reading.
        EXPECT_NE(
            report.text.find(": " + ParseSensorListing(c.text, c.request).fatal().message + "\n"),
            std::string::npos)
            << c.name;
    }
}

}  // namespace
}  // namespace trevalunda::tool

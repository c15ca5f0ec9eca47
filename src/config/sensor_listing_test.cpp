#include "config/sensor_listing.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "support/fake_file_system.h"

namespace trevalunda {
namespace {

constexpr const char* kOwnSensor = "Sensor=\"SAP Trevalunda\"";

ListingRequest GlobalRequest(const std::string& parameters) {
    return {ListingKind::Global, "SAP Vantorix.Gbl", "", UpperAscii(parameters), parameters};
}

ListingRequest ItemRequest(const std::string& item = "No_of_Locks") {
    return {ListingKind::Item, "Vantorix.Prf", item, "", ""};
}

TEST(SensorListingTest, ReadsTheGlobalListingOfTheSensor) {
    const std::string text =
        "; sensors\r\n"
        "# GSNG: LOCKS     : PRD.P00#QAS.P00#\r\n"
        "# GSNG: OTHER     : XXX.P00#\r\n"
        "# gsng: locks     : DEV.P00#\r\n"
        "# GSNX: LOCKS     : Item=No_of_Locks,Sensor=\"SAP Trevalunda\",Alias\r\n";
    const Result<SensorListing> listing = ParseSensorListing(text, GlobalRequest("locks CH=1"));
    ASSERT_TRUE(listing.ok()) << listing.fatal().message;
    EXPECT_EQ(listing.value().SystemList, "PRD.P00#QAS.P00#DEV.P00#");
    EXPECT_EQ(listing.value().ItemName, "No_of_Locks");
    EXPECT_EQ(listing.value().labelKind, LabelKind::Alias);
    // The parameter text begins in column 20, with the blank after the colon.
    EXPECT_EQ(listing.value().ParameterString, " Item=No_of_Locks");
}

TEST(SensorListingTest, SensorParameterLine) {
    struct Case {
        const char* name;
        std::string parameterLine;
        LabelKind kind;
        std::string item;
        std::string parameters;
    } cases[] = {
        {"sid wins over profile",
         std::string("# GSNX: LOCKS     : Item=A,Sid,") + kOwnSensor + ",Profile", LabelKind::Sid,
         "A", " Item=A,Sid"},
        {"host wins over alias",
         std::string("# GSNX: LOCKS     : ,Alias ,Host ") + kOwnSensor + " Item=B", LabelKind::Host,
         "B", std::string(" ,Alias ,Host ") + kOwnSensor + " Item=B"},
        {"keyword in the first columns counts",
         std::string("# GSNX: LOCKS,Sid : Item=C ") + kOwnSensor, LabelKind::Profile, "", ""},
        {"colons become blanks", std::string("# GSNX: LOCKS     : Item=a:b CH=2:x,") + kOwnSensor,
         LabelKind::Profile, "a b", " Item=a b CH=2 x"},
        {"cut before \",Sensor=\"",
         std::string("# GSNX: LOCKS     : x,") + kOwnSensor + ",Item=I,Host", LabelKind::Host, "I",
         " x"},
        {"item at most 90",
         std::string("# GSNX: LOCKS     : ") + kOwnSensor + " Item=" + std::string(95, 'i'),
         LabelKind::Profile, std::string(90, 'i'),
         std::string(" ") + kOwnSensor + " Item=" + std::string(95, 'i')},
    };
    for (const Case& c : cases) {
        const std::string text = "# GSNG: LOCKS     : PRD.P00#\n" + c.parameterLine + "\n";
        const Result<SensorListing> listing = ParseSensorListing(text, GlobalRequest("LOCKS"));
        if (c.item.empty()) {
            ASSERT_FALSE(listing.ok()) << c.name;
            continue;
        }
        ASSERT_TRUE(listing.ok()) << c.name << ": " << listing.fatal().message;
        EXPECT_EQ(listing.value().labelKind, c.kind) << c.name;
        EXPECT_EQ(listing.value().ItemName, c.item) << c.name;
        EXPECT_EQ(listing.value().ParameterString, c.parameters) << c.name;
    }
}

TEST(SensorListingTest, SensorNamesCompareByTheirFirstTenCharacters) {
    EXPECT_EQ(SensorNameOf("LOCKS CH=1"), "LOCKS     ");
    EXPECT_EQ(SensorNameOf("LOCKWATCH12"), "LOCKWATCH1");
    EXPECT_EQ(SensorNameOf(""), "          ");
    const std::string text = std::string("# GSNG: LOCKWATCH1: PRD.P00#\n") +
                             "# GSNX: LOCKWATCH1: Item=X " + kOwnSensor + "\n";
    const Result<SensorListing> listing = ParseSensorListing(text, GlobalRequest("lockwatch12"));
    ASSERT_TRUE(listing.ok());
    EXPECT_EQ(listing.value().SystemList, "PRD.P00#");
}

TEST(SensorListingTest, OnlyTheFirstParameterLineOfTheSensorCounts) {
    const std::string text = std::string("# GSNX: LOCKS     : Item=First ") + kOwnSensor + "\n" +
                             "# GSNX: LOCKS     : Item=Second,Sid\n" + "# GSNG: LOCKS     : A#\n";
    const Result<SensorListing> listing = ParseSensorListing(text, GlobalRequest("LOCKS"));
    ASSERT_TRUE(listing.ok()) << listing.fatal().message;
    EXPECT_EQ(listing.value().ItemName, "First");
    EXPECT_EQ(listing.value().labelKind, LabelKind::Profile);
}

TEST(SensorListingTest, ItemRunReadsOnlyItsOwnSystemsLines) {
    const std::string text =
        "Destination: PRD\n"
        "# Gsng: xxxxxxxxxxxxPRD.P00#\n"
        "# GSNG: xxxxxxxxxxxxQAS.P00#\n"
        "# gsng: xxxxxxxxxxxxDEV.P00#\n"
        "# Gsng: short\n"
        "# Gsng: yyyyyyyyyyyyTST.P00#\n";
    const Result<SensorListing> listing = ParseSensorListing(text, ItemRequest());
    ASSERT_TRUE(listing.ok()) << listing.fatal().message;
    EXPECT_EQ(listing.value().SystemList, "PRD.P00#TST.P00#");
    EXPECT_EQ(listing.value().ItemName, "No_of_Locks");
    EXPECT_EQ(listing.value().ParameterString, std::nullopt);
}

TEST(SensorListingTest, ListingErrors) {
    const std::string systems = "# GSNG: LOCKS     : PRD.P00#\n";
    struct Case {
        const char* name;
        std::string text;
        ListingRequest request;
        std::string message;
    } cases[] = {
        {"not this program's sensor", systems + "# GSNX: LOCKS     : Item=X Sensor=\"Other\"\n",
         GlobalRequest("locks CH=1"), "Error 1029: Invalid Sensor-Allocation..."},
        {"no parameter line", systems, GlobalRequest("locks CH=1"),
         "Error 1030: Global Sensor locks CH=1 not found..."},
        {"no second argument", systems, GlobalRequest(""),
         "Error 1030: Global Sensor  not found..."},
        {"no systems", std::string("# GSNX: LOCKS     : Item=X ") + kOwnSensor,
         GlobalRequest("LOCKS"), "Error 1025: Global Server Listing missing..."},
        {"no item", systems + "# GSNX: LOCKS     : " + kOwnSensor, GlobalRequest("LOCKS"),
         "Error 1026: Global Item Idenification missing..."},
        {"no item and no systems", std::string("# GSNX: LOCKS     : ") + kOwnSensor,
         GlobalRequest("LOCKS"), "Error 1025: Global Server Listing missing..."},
        {"item run without systems", "# GSNG: xxxxxxxxxxxxPRD.P00#\n", ItemRequest(),
         "Error 1025: Global Server Listing missing..."},
        {"item run with empty item", "# Gsng: xxxxxxxxxxxxPRD.P00#\n", ItemRequest(""),
         "Error 1026: Global Item Idenification missing..."},
    };
    for (const Case& c : cases) {
        const Result<SensorListing> listing = ParseSensorListing(c.text, c.request);
        ASSERT_FALSE(listing.ok()) << c.name;
        EXPECT_EQ(listing.fatal().message, c.message) << c.name;
    }
}

TEST(SensorListingTest, MissingListingFile) {
    testing::FakeFileSystem files;
    EXPECT_EQ(ReadSensorListing(files, "x\\Vantorix.Prf", ItemRequest()).fatal().message,
              "Error 1024: ProFile Vantorix.Prf is missing...");
    EXPECT_EQ(ReadSensorListing(files, "SAP Vantorix.Gbl", GlobalRequest("A")).fatal().message,
              "Error 10x1: ProFile SAP Vantorix.Gbl is missing...");
}

TEST(SensorListingTest, ReadingKeepsTheLinesThatGaveTheListing) {
    // Line 3 is 250 characters long: its rest, read as a line of its own, keeps number 3.
    const std::string longLine = "; " + std::string(248, 'x');
    const std::string lines[] = {
        "; sensors",
        "# GSNG: LOCKS     : PRD.P00#",
        longLine,
        "# gsng: locks     :",
        std::string("# GSNX: LOCKS     : Item=No_of_Locks ") + kOwnSensor,
        std::string("# GSNX: LOCKS     : Item=Other ") + kOwnSensor,
        "# GSNG: LOCKS     : QAS.P00#DEV",
    };
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\r\n") + line;
    }
    const ListingReading reading = ReadListingLines(text, GlobalRequest("LOCKS"));
    EXPECT_FALSE(reading.failure.has_value());
    EXPECT_EQ(reading.listing.SystemList, "PRD.P00#QAS.P00#DEV");
    ASSERT_EQ(reading.systemsLines.size(), 3u);
    EXPECT_EQ(reading.systemsLines[0].lineNumber, 2);
    EXPECT_EQ(reading.systemsLines[0].systems, "PRD.P00#");
    EXPECT_EQ(reading.systemsLines[1].lineNumber, 4);
    EXPECT_EQ(reading.systemsLines[1].systems, "");
    EXPECT_EQ(reading.systemsLines[2].lineNumber, 7);
    EXPECT_EQ(reading.systemsLines[2].systems, "QAS.P00#DEV");
    EXPECT_EQ(reading.parameterLine, 5);

    const ListingReading item = ReadListingLines(
        "; x\n# Gsng: xxxxxxxxxxxxPRD.P00#\n" + longLine + "\n# Gsng: xxxxxxxxxxxxQAS.P00#\n",
        ItemRequest());
    ASSERT_EQ(item.systemsLines.size(), 2u);
    EXPECT_EQ(item.systemsLines[0].lineNumber, 2);
    EXPECT_EQ(item.systemsLines[1].lineNumber, 4);
    EXPECT_EQ(item.parameterLine, 0);
}

TEST(SensorListingTest, ReadingFailuresAndTheirLines) {
    const std::string systems = "# GSNG: LOCKS     : PRD.P00#\n";
    struct Case {
        const char* name;
        std::string text;
        ListingRequest request;
        ListingFault fault;
        int lineNumber;
        std::string systemList;  // as far as the reading got
    } cases[] = {
        {"foreign sensor stops the reading at its line",
         systems + "; note\n# GSNX: LOCKS     : Item=X Sensor=\"Other\"\n" + systems,
         GlobalRequest("LOCKS"), ListingFault::ForeignSensor, 3, "PRD.P00#"},
        {"no parameter line", systems, GlobalRequest("LOCKS"), ListingFault::SensorNotFound, 0,
         "PRD.P00#"},
        {"no systems", std::string("# GSNX: LOCKS     : Item=X ") + kOwnSensor,
         GlobalRequest("LOCKS"), ListingFault::NoSystems, 0, ""},
        {"no item names the parameter line", systems + "\n# GSNX: LOCKS     : Item=," + kOwnSensor,
         GlobalRequest("LOCKS"), ListingFault::NoItem, 3, "PRD.P00#"},
        {"no item in an item run", "# Gsng: xxxxxxxxxxxxPRD.P00#\n", ItemRequest(""),
         ListingFault::NoItem, 0, "PRD.P00#"},
    };
    for (const Case& c : cases) {
        const ListingReading reading = ReadListingLines(c.text, c.request);
        ASSERT_TRUE(reading.failure.has_value()) << c.name;
        EXPECT_EQ(reading.failure->fault, c.fault) << c.name;
        EXPECT_EQ(reading.failure->lineNumber, c.lineNumber) << c.name;
        EXPECT_EQ(reading.listing.SystemList, c.systemList) << c.name;
        // The sensor's own reading gives the message of the same failure.
        EXPECT_EQ(ParseSensorListing(c.text, c.request).fatal().message,
                  ListingFailureMessage(c.fault, c.request))
            << c.name;
    }
}

TEST(SensorListingTest, EntriesComeOffTheListInOrder) {
    std::string list = "PRD.P00##QAS.P00#LAST";
    std::vector<std::string> entries;
    while (!list.empty()) {
        entries.push_back(TakeNextEntry(list));
    }
    EXPECT_EQ(entries, (std::vector<std::string>{"PRD.P00", "", "QAS.P00", "LAST"}));
}

TEST(SensorListingTest, SystemLabels) {
    struct Case {
        LabelKind kind;
        const char* entry;
        const char* label;
    } cases[] = {
        {LabelKind::Profile, "PRD.P00", "PRD.P00"}, {LabelKind::Alias, "PRD.P00", "PRD"},
        {LabelKind::Alias, "AB.P", "AB.P"},         {LabelKind::Alias, "X", "X"},
        {LabelKind::Alias, "ABCDE", "A"},           {LabelKind::Host, "PRD.P00", "sapprd"},
        {LabelKind::Sid, "PRD.P00", "PRD"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SystemLabelFor(c.kind, c.entry, "sapprd", "PRD"), c.label) << c.entry;
    }
}

}  // namespace
}  // namespace trevalunda

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace trevalunda {

namespace platform {
class FileSystem;
}

// How a multi-system run names each system's channel.
enum class LabelKind {
    Profile,  // the listed profile file name as written
    Alias,    // the file name without its extension
    Host,     // the profile's host name
    Sid,      // the profile's destination
};

// The item whose multi-system run writes one lock-count channel per system.
inline constexpr std::string_view kLockItem = "No_of_Locks";

// What a listing says a multi-system run serves.
struct SensorListing {
    std::string SystemList;  // profile file names, each ended by "#"
    std::string ItemName;
    LabelKind labelKind = LabelKind::Profile;
    // The global listing's parameter text for the sensor, which replaces the command line's.
    std::optional<std::string> ParameterString;
};

// The two listings: the systems lines of "Vantorix.Prf" for an "ITEM=" run, and the global
// listing "SAP Vantorix.Gbl" with its per-sensor lines.
enum class ListingKind { Item, Global };

// What the command line contributes to reading a listing.
struct ListingRequest {
    ListingKind kind = ListingKind::Item;
    std::string ProfileName;      // quoted when the listing cannot be opened
    std::string itemName;         // an item run's "ITEM=" value
    std::string upperParameters;  // the upper-cased parameter text: its first word names the sensor
    std::string secondArgument;   // quoted when the sensor is not found
};

// Why the sensor refuses a listing.
enum class ListingFault {
    ForeignSensor,   // the sensor's parameter line belongs to another program (1029)
    SensorNotFound,  // a global listing has no parameter line for the sensor (1030)
    NoSystems,       // no systems line gave any system (1025)
    NoItem,          // no item is known (1026)
};

struct ListingFailure {
    ListingFault fault;
    // The sensor's parameter line for ForeignSensor and, in a global listing, NoItem; 0 for a
    // failure of the whole file.
    int lineNumber = 0;
};

// A line that added to the system list. Line numbers count the lines of the file, from 1; the
// rest of an over-long line that is read as a line of its own keeps its number.
struct ListingSystemsLine {
    int lineNumber = 0;
    std::string systems;  // what the line added to the SystemList, as written; may be empty
};

// Everything a reading of a listing found: the listing as far as it was read, the failure that
// stopped it, and the lines that the listing came from.
struct ListingReading {
    SensorListing listing;
    std::optional<ListingFailure> failure;
    std::vector<ListingSystemsLine> systemsLines;  // in file order
    int parameterLine = 0;                         // the sensor's parameter line; 0 for none
};

// Reads a listing's text the way ParseSensorListing reads it, which yields the listing unless
// the reading failed.
ListingReading ReadListingLines(std::string_view text, const ListingRequest& request);

// The sensor's message for a failure.
std::string ListingFailureMessage(ListingFault fault, const ListingRequest& request);

// The part of a sensor parameter text that says that the sensor belongs to this program.
inline constexpr std::string_view kOwnSensorMark = "Sensor=\"SAP Trevalunda\"";

// How the systems lines of an item listing begin, in this letter case.
inline constexpr std::string_view kItemSystemsMark = "# Gsng: ";

// The 18 characters that begin a global listing's systems lines and parameter line of the
// sensor that the parameter text names; they are compared in any letter case.
std::string GlobalSystemsKey(std::string_view upperParameters);
std::string GlobalParameterKey(std::string_view upperParameters);

// The sensor name of a global run: the first word of the parameter text, blank-padded to the
// ten characters that take part in matching.
std::string SensorNameOf(std::string_view upperParameters);

// Reads a listing's text.
Result<SensorListing> ParseSensorListing(std::string_view text, const ListingRequest& request);

// Opens the listing at the path and reads it.
Result<SensorListing> ReadSensorListing(const platform::FileSystem& files, const std::string& path,
                                        const ListingRequest& request);

// Takes the next entry off the front of a system list: the text up to the next "#" (a last
// entry without its "#" counts too).
std::string TakeNextEntry(std::string& systemList);

// The channel label of a system for the label kind.
std::string SystemLabelFor(LabelKind kind, std::string_view entry, std::string_view hostname,
                           std::string_view destination);

}  // namespace trevalunda
